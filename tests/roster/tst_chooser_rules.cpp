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
        QTest::addColumn<bool>("okAllowed");

        QTest::newRow("start pair 徳川家 against 北条家") << 4 << 2 << false << true;
        QTest::newRow("first and last house") << 0 << 13 << false << true;
        QTest::newRow("last and first house") << 13 << 0 << false << true;
        QTest::newRow("same house at the top") << 0 << 0 << false << false;
        QTest::newRow("same house 徳川家") << 4 << 4 << false << false;
        QTest::newRow("same house at the bottom") << 13 << 13 << false << false;
        QTest::newRow("battle entry on the West only") << 14 << 2 << false << false;
        QTest::newRow("battle entry on the East only") << 4 << 14 << false << false;
        QTest::newRow("battle entry on both sides") << 14 << 14 << true << true;
        QTest::newRow("nothing on the West") << -1 << 2 << false << false;
        QTest::newRow("nothing on the East") << 4 << -1 << false << false;
        QTest::newRow("nothing on either side") << -1 << -1 << false << false;
        QTest::newRow("nothing on the West, battle on the East") << -1 << 14 << false << false;
        QTest::newRow("battle on the West, nothing on the East") << 14 << -1 << false << false;
        // Once the great battle is confirmed the lists hold 西軍 (14) and 東軍 (15);
        // that pair no longer counts as the battle entry on both sides.
        QTest::newRow("confirmed great battle 西軍 against 東軍") << 14 << 15 << false << false;
    }

    void combinations()
    {
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(bool, battleOnBoth);
        QFETCH(bool, okAllowed);
        QCOMPARE(bothOnBattleEntry(west, east), battleOnBoth);
        QCOMPARE(chooserAllowsOk(west, east), okAllowed);
    }
};

QTEST_GUILESS_MAIN(ChooserRules)
#include "tst_chooser_rules.moc"
