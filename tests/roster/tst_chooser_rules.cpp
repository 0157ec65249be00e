#include "roster/chooser_rules.h"

#include <QtTest>

using namespace vantor;

class ChooserRules : public QObject {
    Q_OBJECT
private slots:
    void combinations_data()
    {
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::addColumn<bool>("battleOnBoth");
        QTest::addColumn<OkRefusal>("refusal");

        using enum OkRefusal;
        QTest::newRow("start pair 徳川家 against 北条家") << 4 << 2 << false << None;
        QTest::newRow("first and last house") << 0 << 13 << false << None;
        QTest::newRow("last and first house") << 13 << 0 << false << None;
        QTest::newRow("same house at the top") << 0 << 0 << false << SameHouse;
        QTest::newRow("same house 徳川家") << 4 << 4 << false << SameHouse;
        QTest::newRow("same house at the bottom") << 13 << 13 << false << SameHouse;
        QTest::newRow("battle entry on the West only") << 14 << 2 << false << BattleOnOneSide;
        QTest::newRow("battle entry on the East only") << 4 << 14 << false << BattleOnOneSide;
        QTest::newRow("battle entry on both sides") << 14 << 14 << true << None;
        QTest::newRow("nothing on the West") << -1 << 2 << false << SideNotChosen;
        QTest::newRow("nothing on the East") << 4 << -1 << false << SideNotChosen;
        QTest::newRow("nothing on either side") << -1 << -1 << false << SideNotChosen;
        // An empty side is what to fix first: the battle entry opposite it is
        // not yet one-sided.
        QTest::newRow("nothing on the West, battle on the East") << -1 << 14 << false << SideNotChosen;
        QTest::newRow("battle on the West, nothing on the East") << 14 << -1 << false << SideNotChosen;
        // Once the great battle is confirmed the lists hold 西軍 (14) and 東軍 (15);
        // that pair no longer counts as the battle entry on both sides.
        QTest::newRow("confirmed great battle 西軍 against 東軍") << 14 << 15 << false << BattleOnOneSide;
    }

    void combinations()
    {
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(bool, battleOnBoth);
        QFETCH(OkRefusal, refusal);
        QCOMPARE(bothOnBattleEntry(west, east), battleOnBoth);
        QCOMPARE(chooserRefusal(west, east), refusal);
        QCOMPARE(chooserAllowsOk(west, east), refusal == OkRefusal::None);
    }
};

QTEST_GUILESS_MAIN(ChooserRules)
#include "tst_chooser_rules.moc"
