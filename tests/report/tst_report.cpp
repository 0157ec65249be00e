#include "report/report.h"

#include <QTest>

using namespace vantor;

namespace {

BoardSnapshot houseBattle()
{
    BoardSnapshot board;
    board.westName = QStringLiteral("徳川家");
    board.eastName = QStringLiteral("北条家");
    for (int slot = 0; slot < SlotCount; ++slot)
        board.captions[slot] = postCaption(slot);
    board.nowText = QStringLiteral("21:05");
    board.elapsedText = QStringLiteral("00:35");
    return board;
}

QString mapLine(const QString &report, int wing)
{
    return report.split(QStringLiteral("\r\n")).at(2 + wing);
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void freshBoard();
    void restorationBlanksEastRearGuard();
    void scheduleInSlotOrderWestFirst();
    void greatBattle();
    void emptyTimeIsUnknown();
    void symbols_data();
    void symbols();
};

void TestReport::freshBoard()
{
    const QString expected = QStringLiteral(
        "～合戦状況21:05(00:35経過)現在～\r\n"
        "　　　　西　　　　東\r\n"
        "　　　■■■　　□□□\r\n"
        "　　　■■■　　□□□\r\n"
        "　　　■■■　　□□□\r\n"
        "\r\n"
        "徳川家健在■　　北条家健在□\r\n"
        "徳川家未配置▲　北条家未配置△\r\n"
        "徳川家取付☆　　北条家取付★\r\n"
        "\r\n"
        "～　武将配置予定時刻　～\r\n"
        " 情報は特にありません\r\n");
    const QString report = composeReport(houseBattle());
    QCOMPARE(report, expected);

    // The blanks of the map heading are ideographic spaces, three bytes each.
    const QByteArray idSpace4 = QByteArray("\xE3\x80\x80").repeated(4);
    QCOMPARE(report.toUtf8().split('\n').at(1), idSpace4 + "\xE8\xA5\xBF" + idSpace4 + "\xE6\x9D\xB1\r");
}

void TestReport::restorationBlanksEastRearGuard()
{
    BoardSnapshot board = houseBattle();
    board.restoration = 1;
    board.statuses[0] = OwnFighting;
    board.statuses[4] = RivalPresent;
    board.statuses[8] = RivalFighting;
    board.statuses[9] = RivalPresent;
    board.statuses[10] = OwnFighting;
    board.statuses[12] = RivalFighting;

    QCOMPARE(composeReport(board), QStringLiteral(
        "～合戦状況21:05(00:35経過)現在～\r\n"
        "　　　　西　　　　東\r\n"
        "　　　★■■　　　★□\r\n"
        "　　　■□■　　　□□\r\n"
        "　　　■■☆　　　□□\r\n"
        "\r\n"
        "徳川家健在■　　北条家健在□\r\n"
        "徳川家未配置▲　北条家未配置△\r\n"
        "徳川家取付☆　　北条家取付★\r\n"
        "\r\n"
        "～　武将配置予定時刻　～\r\n"
        " 情報は特にありません\r\n"));
}

void TestReport::scheduleInSlotOrderWestFirst()
{
    BoardSnapshot board = houseBattle();
    board.westMainNames[1] = QStringLiteral("大久保忠世");
    board.eastMainNames[1] = QStringLiteral("北条氏規");
    board.westMainNames[7] = QStringLiteral("本多忠勝");
    board.eastMainNames[10] = QStringLiteral("北条綱成");
    board.westMainNames[16] = QStringLiteral("酒井忠次");
    board.eastMainNames[16] = QStringLiteral("北条氏照");
    board.timeTexts[1] = QStringLiteral("22:10");
    board.timeTexts[7] = QStringLiteral("21:40");
    board.timeTexts[10] = QStringLiteral("23:00");
    board.timeTexts[16] = QStringLiteral("22:45");
    board.statuses[16] = RivalAwaiting;
    board.statuses[7] = OwnAwaiting;
    board.statuses[10] = OwnAwaiting;
    board.statuses[1] = RivalAwaiting;

    QCOMPARE(composeReport(board), QStringLiteral(
        "～合戦状況21:05(00:35経過)現在～\r\n"
        "　　　　西　　　　東\r\n"
        "　　　■■■　　□□□\r\n"
        "　　　△■▲　　△□▲\r\n"
        "　　　■■■　　□□□\r\n"
        "\r\n"
        "徳川家健在■　　北条家健在□\r\n"
        "徳川家未配置▲　北条家未配置△\r\n"
        "徳川家取付☆　　北条家取付★\r\n"
        "\r\n"
        "～　武将配置予定時刻　～\r\n"
        "徳川家中翼後詰：北条家・北条氏規(徳川家・大久保忠世)→22:10\r\n"
        "徳川家中翼先鋒：徳川家・本多忠勝→21:40\r\n"
        "北条家中翼先鋒：北条家・北条綱成→23:00\r\n"
        "北条家中翼後詰：徳川家・酒井忠次(北条家・北条氏照)→22:45\r\n"));
}

void TestReport::greatBattle()
{
    BoardSnapshot board = houseBattle();
    board.westName = QStringLiteral("西軍");
    board.eastName = QStringLiteral("東軍");
    board.nowText = QStringLiteral("00:10");
    board.elapsedText = QStringLiteral("01:10");
    board.westMainNames[0] = QStringLiteral("西軍左後詰将");
    board.westMainNames[17] = QStringLiteral("西軍左後詰守");
    board.eastMainNames[17] = QStringLiteral("東軍左後詰将");
    board.statuses[0] = OwnAwaiting;
    board.statuses[17] = RivalAwaiting;
    board.timeTexts[0] = QStringLiteral("00:40");
    board.timeTexts[17] = QStringLiteral("01:05");

    QCOMPARE(composeReport(board), QStringLiteral(
        "～合戦状況00:10(01:10経過)現在～\r\n"
        "　　　　西　　　　東\r\n"
        "　　　▲■■　　□□□\r\n"
        "　　　■■■　　□□□\r\n"
        "　　　■■■　　□□▲\r\n"
        "\r\n"
        "西軍健在■　　東軍健在□\r\n"
        "西軍未配置▲　東軍未配置△\r\n"
        "西軍取付☆　　東軍取付★\r\n"
        "\r\n"
        "～　武将配置予定時刻　～\r\n"
        "西軍左翼後詰：西軍・西軍左後詰将→00:40\r\n"
        "東軍左翼後詰：西軍・西軍左後詰守(東軍・東軍左後詰将)→01:05\r\n"));
}

void TestReport::emptyTimeIsUnknown()
{
    BoardSnapshot board = houseBattle();
    board.westMainNames[3] = QStringLiteral("石川数正");
    board.westMainNames[12] = QStringLiteral("井伊直政");
    board.eastMainNames[12] = QStringLiteral("北条氏邦");
    board.statuses[3] = OwnAwaiting;
    board.statuses[12] = RivalAwaiting;

    QCOMPARE(composeReport(board), QStringLiteral(
        "～合戦状況21:05(00:35経過)現在～\r\n"
        "　　　　西　　　　東\r\n"
        "　　　■▲■　　□▲□\r\n"
        "　　　■■■　　□□□\r\n"
        "　　　■■■　　□□□\r\n"
        "\r\n"
        "徳川家健在■　　北条家健在□\r\n"
        "徳川家未配置▲　北条家未配置△\r\n"
        "徳川家取付☆　　北条家取付★\r\n"
        "\r\n"
        "～　武将配置予定時刻　～\r\n"
        "徳川家左翼中備：徳川家・石川数正→不明\r\n"
        "北条家右翼中備：徳川家・井伊直政(北条家・北条氏邦)→不明\r\n"));
}

void TestReport::symbols_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("restoration");
    QTest::addColumn<int>("wing");
    QTest::addColumn<QString>("line");

    QTest::newRow("west present") << 0 << 0 << 0 << 0 << QStringLiteral("　　　■■■　　□□□");
    QTest::newRow("west fighting") << 3 << 1 << 0 << 0 << QStringLiteral("　　　■★■　　□□□");
    QTest::newRow("west rival awaiting") << 6 << 2 << 0 << 0 << QStringLiteral("　　　■■△　　□□□");
    QTest::newRow("west rival present") << 1 << 3 << 0 << 1 << QStringLiteral("　　　□■■　　□□□");
    QTest::newRow("west rival fighting") << 5 << 4 << 0 << 2 << QStringLiteral("　　　■☆■　　□□□");
    QTest::newRow("west own awaiting") << 8 << 5 << 0 << 2 << QStringLiteral("　　　■■▲　　□□□");
    QTest::newRow("west beyond ring") << 7 << 6 << 0 << 1 << QStringLiteral("　　　■■▲　　□□□");
    QTest::newRow("west negative") << 2 << -1 << 0 << 2 << QStringLiteral("　　　▲■■　　□□□");
    QTest::newRow("east present") << 9 << 0 << 0 << 0 << QStringLiteral("　　　■■■　　□□□");
    QTest::newRow("east fighting") << 12 << 1 << 0 << 0 << QStringLiteral("　　　■■■　　□☆□");
    QTest::newRow("east rival awaiting") << 15 << 2 << 0 << 0 << QStringLiteral("　　　■■■　　□□▲");
    QTest::newRow("east rival present") << 10 << 3 << 0 << 1 << QStringLiteral("　　　■■■　　■□□");
    QTest::newRow("east rival fighting") << 14 << 4 << 0 << 2 << QStringLiteral("　　　■■■　　□★□");
    QTest::newRow("east own awaiting") << 17 << 5 << 0 << 2 << QStringLiteral("　　　■■■　　□□△");
    QTest::newRow("east far beyond ring") << 16 << 32767 << 0 << 1 << QStringLiteral("　　　■■■　　□□△");
    QTest::newRow("restored rear guard") << 11 << 4 << 1 << 2 << QStringLiteral("　　　■■■　　　□□");
    QTest::newRow("restored middle line drawn") << 13 << 3 << 1 << 1 << QStringLiteral("　　　■■■　　　■□");
    QTest::newRow("restoration only at 1") << 9 << 3 << 2 << 0 << QStringLiteral("　　　■■■　　■□□");
}

void TestReport::symbols()
{
    QFETCH(int, slot);
    QFETCH(int, status);
    QFETCH(int, restoration);
    QFETCH(int, wing);
    QFETCH(QString, line);

    BoardSnapshot board = houseBattle();
    board.restoration = restoration;
    board.statuses[slot] = status;
    QCOMPARE(mapLine(composeReport(board), wing), line);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
