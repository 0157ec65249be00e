#include "roster/faction.h"

#include <QTest>

using namespace vantor;

class FactionTest : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void startChoice();
};

void FactionTest::table_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tag");

    QTest::newRow("0") << 0 << u"上杉家"_qs << u"＄上杉"_qs;
    QTest::newRow("1") << 1 << u"武田家"_qs << u"＄武田"_qs;
    QTest::newRow("2") << 2 << u"北条家"_qs << u"＄北条"_qs;
    QTest::newRow("3") << 3 << u"今川家"_qs << u"＄今川"_qs;
    QTest::newRow("4") << 4 << u"徳川家"_qs << u"＄徳川"_qs;
    QTest::newRow("5") << 5 << u"織田家"_qs << u"＄織田"_qs;
    QTest::newRow("6") << 6 << u"斎藤家"_qs << u"＄斎藤"_qs;
    QTest::newRow("7 keeps its whole name") << 7 << u"本願寺"_qs << u"＄本願寺"_qs;
    QTest::newRow("8") << 8 << u"朝倉家"_qs << u"＄朝倉"_qs;
    QTest::newRow("9") << 9 << u"浅井家"_qs << u"＄浅井"_qs;
    QTest::newRow("10 keeps its whole name") << 10 << u"伊賀忍"_qs << u"＄伊賀忍"_qs;
    QTest::newRow("11") << 11 << u"足利家"_qs << u"＄足利"_qs;
    QTest::newRow("12") << 12 << u"三好家"_qs << u"＄三好"_qs;
    QTest::newRow("13 keeps its whole name") << 13 << u"雑賀衆"_qs << u"＄雑賀衆"_qs;
    QTest::newRow("14 west army") << 14 << u"西軍"_qs << u"＄西軍"_qs;
    QTest::newRow("15 east army") << 15 << u"東軍"_qs << u"＄東軍"_qs;
    QTest::newRow("16 beyond the table") << 16 << QString() << QString();
    QTest::newRow("-1 nothing selected") << -1 << QString() << QString();
}

void FactionTest::table()
{
    QFETCH(int, faction);
    QFETCH(QString, name);
    QFETCH(QString, tag);

    QCOMPARE(factionName(faction), name);
    QCOMPARE(factionTag(faction), tag);
}

void FactionTest::startChoice()
{
    const FactionChoice choice;
    QCOMPARE(factionName(choice.WestFaction), u"徳川家"_qs);
    QCOMPARE(factionName(choice.EastFaction), u"北条家"_qs);
    QCOMPARE(choice.Colours, ColourScheme::DefaultColours);
    QCOMPARE(choice.RestorationFaction, 0);
}

QTEST_GUILESS_MAIN(FactionTest)
#include "tst_faction.moc"
