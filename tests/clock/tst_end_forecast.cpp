#include "clock/clock_helpers.h"
#include "clock/end_forecast.h"

#include <QTest>

#include <cfloat>
#include <climits>
#include <cmath>

using namespace vantor;

namespace {

constexpr Winner West = Winner::West;
constexpr Winner East = Winner::East;
constexpr Winner Nobody = Winner::None;

void addInputColumns()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("E");
    QTest::addColumn<double>("rW");
    QTest::addColumn<double>("rE");
    QTest::addColumn<int>("el");
    QTest::addColumn<int>("now");
}

QTestData &inputRow(const char *name, const EndInputs &in)
{
    return QTest::newRow(name) << in.west << in.east << in.westRate << in.eastRate << in.elapsed
                               << in.now;
}

EndInputs fetchInputs()
{
    QFETCH(double, W);
    QFETCH(double, E);
    QFETCH(double, rW);
    QFETCH(double, rE);
    QFETCH(int, el);
    QFETCH(int, now);
    return {W, E, rW, rE, el, now};
}

void row(const char *name, const EndInputs &in, int rule, bool met, int remaining, int endMinute,
         Winner winner, const char *caption, const char *message)
{
    inputRow(name, in) << rule << met << remaining << endMinute << winner
                       << QString::fromUtf8(caption) << QString::fromUtf8(message);
}

} // namespace

class TestEndForecast : public QObject {
    Q_OBJECT

private slots:
    void waiting();
    void rules_data();
    void rules();
    void absurdInputsStayInRange_data();
    void absurdInputsStayInRange();
};

void TestEndForecast::waiting()
{
    const EndForecast f = waitingForecast();
    QCOMPARE(f.rule, 0);
    QCOMPARE(f.winner, Nobody);
    QCOMPARE(f.caption, QStringLiteral("--:--"));
    QCOMPARE(f.message, QStringLiteral("しばらくおまちください(0)"));
}

void TestEndForecast::rules_data()
{
    addInputColumns();
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("met");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("endMinute");
    QTest::addColumn<Winner>("winner");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");

    // Inputs: W, E, rW, rE, el, now.
    row("1, never 19: ratio exactly 3 at el 360", {30000, 10000, 0, 0, 360, 600}, 1, true, 0, 600, West, "終了", "終了条件成立しています(1)");
    row("1: W exactly 10000 against 0", {10000, 0, 0, 0, 360, 600}, 1, true, 0, 600, West, "終了", "終了条件成立しています(1)");
    row("1 before any gain is looked at", {30000, 10000, 10, 10, 360, 600}, 1, true, 0, 600, West, "終了", "終了条件成立しています(1)");
    row("24: ratio just below 3", {29999, 10000, 0, 0, 360, 600}, 24, false, 1080, 240, West, "04:00", "18:00後に終了(24)");
    row("24: W 9999, one below 10000", {9999, 0, 0, 0, 360, 600}, 24, false, 1080, 240, West, "04:00", "18:00後に終了(24)");
    row("20: el 359", {30000, 10000, 0, 0, 359, 600}, 20, false, 1, 601, West, "10:01", "00:01後に終了(20)");
    row("20: el 300", {30000, 10000, 0, 0, 300, 600}, 20, false, 60, 660, West, "11:00", "01:00後に終了(20)");
    row("2, never 21 nor 25", {10000, 30000, 0, 0, 1440, 600}, 2, true, 0, 600, East, "終了", "終了条件成立しています(2)");
    row("22", {10000, 30000, 0, 0, 300, 600}, 22, false, 60, 660, East, "11:00", "01:00後に終了(22)");

    row("8: West gaining, el 1440, W = 2E", {2000, 1000, 10, 0, 1440, 600}, 8, true, 0, 600, West, "終了", "終了条件成立しています(8)");
    row("9: E = 2W", {1000, 2000, 10, 0, 1440, 600}, 9, true, 0, 600, East, "終了", "終了条件成立しています(9)");
    row("10: W one below 2E", {1999, 1000, 10, 0, 1440, 600}, 10, true, 0, 600, Nobody, "終了", "終了条件成立しています(10)");
    row("10: W 999 is not decisive", {999, 0, 10, 0, 1440, 600}, 10, true, 0, 600, Nobody, "終了", "終了条件成立しています(10)");
    row("3: E 0 counts as 1, tW 1", {9990, 0, 10, 0, 100, 600}, 3, false, 260, 860, West, "14:20", "04:20後に終了(3)");
    row("3: el + tW 359", {9000, 0, 10, 0, 259, 600}, 3, false, 101, 701, West, "11:41", "01:41後に終了(3)");
    row("3: tW below 0 counts as 0", {30000, 0, 10, 0, 100, 600}, 3, false, 260, 860, West, "14:20", "04:20後に終了(3)");
    row("3: tW 0.5 rounds to 0", {9999, 0, 2, 0, 359, 600}, 3, false, 1, 601, West, "10:01", "00:01後に終了(3)");
    row("3: W 0 counts as 1 in tW", {0, 0, 19999, 0, 359, 600}, 3, false, 1, 601, West, "10:01", "00:01後に終了(3)");
    row("4: tW 500", {5000, 1000, 10, 0, 100, 600}, 4, false, 500, 1100, West, "18:20", "08:20後に終了(4)");
    row("4: el + tW exactly 360", {9000, 0, 10, 0, 260, 600}, 4, false, 100, 700, West, "11:40", "01:40後に終了(4)");
    row("4: tW 1.5 rounds to 2", {9997, 0, 2, 0, 358, 600}, 4, false, 2, 602, West, "10:02", "00:02後に終了(4)");
    row("4: el + tW 1439", {0, 0, 10, 0, 439, 600}, 4, false, 1000, 160, West, "02:40", "16:40後に終了(4)");
    row("4: tW rounds to 0 at el 360", {29999, 10000, 10, 0, 360, 600}, 4, false, 0, 600, West, "10:00", "00:00後に終了(4)");
    row("5: el + tW exactly 1440", {0, 0, 10, 0, 440, 600}, 5, false, 1000, 160, West, "02:40", "16:40後に終了(5)");
    row("5: W' exactly 2E", {1560, 1000, 1, 0, 1000, 600}, 5, false, 440, 1040, West, "17:20", "07:20後に終了(5)");
    row("5: el 1439", {2000, 1000, 10, 0, 1439, 600}, 5, false, 1, 601, West, "10:01", "00:01後に終了(5)");
    row("5: West gain comes before East gain", {1000, 5000, 10, 10, 100, 600}, 5, false, 1340, 500, West, "08:20", "22:20後に終了(5)");
    row("6: E exactly 2W'", {60, 1000, 1, 0, 1000, 600}, 6, false, 440, 1040, East, "17:20", "07:20後に終了(6)");
    row("6: W' 500.5 rounds to 500", {500, 1000, 0.5, 0, 1439, 600}, 6, false, 1, 601, East, "10:01", "00:01後に終了(6)");
    row("7: W' one below 2E", {1559, 1000, 1, 0, 1000, 600}, 7, false, 440, 1040, Nobody, "17:20", "07:20後に終了(7)");
    row("7: E 999 is not decisive", {60, 999, 1, 0, 1000, 600}, 7, false, 440, 1040, Nobody, "17:20", "07:20後に終了(7)");
    row("7: W' 501.5 rounds to 502", {501, 1000, 0.5, 0, 1439, 600}, 7, false, 1, 601, Nobody, "10:01", "00:01後に終了(7)");
    row("7: W 0 counts as 1 in W'", {0, 1000, 1, 0, 940, 600}, 7, false, 500, 1100, Nobody, "18:20", "08:20後に終了(7)");

    row("16: East gaining, el 1440, E = 2W", {1000, 2000, 0, 10, 1440, 600}, 16, true, 0, 600, East, "終了", "終了条件成立しています(16)");
    row("17: W = 2E", {2000, 1000, 0, 10, 1440, 600}, 17, true, 0, 600, West, "終了", "終了条件成立しています(17)");
    row("18", {1500, 1500, 0, 10, 1440, 600}, 18, true, 0, 600, Nobody, "終了", "終了条件成立しています(18)");
    row("11: W 0 counts as 1, tE 1", {0, 9990, 0, 10, 100, 600}, 11, false, 260, 860, East, "14:20", "04:20後に終了(11)");
    row("12: a negative West gain is no gain", {1000, 5000, -10, 10, 100, 600}, 12, false, 500, 1100, East, "18:20", "08:20後に終了(12)");
    row("13: E' exactly 2W", {1000, 1560, 0, 1, 1000, 600}, 13, false, 440, 1040, East, "17:20", "07:20後に終了(13)");
    row("14: W exactly 2E'", {1000, 60, 0, 1, 1000, 600}, 14, false, 440, 1040, West, "17:20", "07:20後に終了(14)");
    row("15: W 999 is not decisive", {999, 60, 0, 1, 1000, 600}, 15, false, 440, 1040, Nobody, "17:20", "07:20後に終了(15)");

    row("23: el 1440, W = 2E", {2000, 1000, 0, 0, 1440, 600}, 23, true, 0, 600, West, "終了", "終了条件成立しています(23)");
    row("24: el 1439", {2000, 1000, 0, 0, 1439, 600}, 24, false, 1, 601, West, "10:01", "00:01後に終了(24)");
    row("24: W 999.5 rounds to 1000", {999.5, 0, 0, 0, 100, 600}, 24, false, 1340, 500, West, "08:20", "22:20後に終了(24)");
    row("25", {1000, 2000, 0, 0, 1440, 600}, 25, true, 0, 600, East, "終了", "終了条件成立しています(25)");
    row("26: E exactly 2W", {1000, 2000, 0, 0, 100, 600}, 26, false, 1340, 500, East, "08:20", "22:20後に終了(26)");
    row("26: E exactly 1000 against 0", {0, 1000, 0, 0, 100, 600}, 26, false, 1340, 500, East, "08:20", "22:20後に終了(26)");
    row("26: W 500.5 rounds to 500", {500.5, 1000, 0, 0, 100, 600}, 26, false, 1340, 500, East, "08:20", "22:20後に終了(26)");
    row("27: W one below 2E", {1999, 1000, 0, 0, 1440, 600}, 27, true, 0, 600, Nobody, "終了", "終了条件成立しています(27)");
    row("27: long after the limit", {0, 0, 0, 0, 32767, 600}, 27, true, 0, 600, Nobody, "終了", "終了条件成立しています(27)");
    row("27 at 23:59 ends now", {0, 0, 0, 0, 1440, 1439}, 27, true, 0, 1439, Nobody, "終了", "終了条件成立しています(27)");
    row("28: E 999 is not decisive", {0, 999, 0, 0, 100, 600}, 28, false, 1340, 500, Nobody, "08:20", "22:20後に終了(28)");
    row("28: el 0 ends at the time of day", {0, 0, 0, 0, 0, 600}, 28, false, 1440, 600, Nobody, "10:00", "24:00後に終了(28)");
    row("28: end exactly 1440 shows 24:00", {0, 0, 0, 0, 0, 0}, 28, false, 1440, 1440, Nobody, "24:00", "24:00後に終了(28)");
    row("28: end 1441 wraps", {0, 0, 0, 0, 0, 1}, 28, false, 1440, 1, Nobody, "00:01", "24:00後に終了(28)");
    row("28: end 1500 wraps", {0, 0, 0, 0, 0, 60}, 28, false, 1440, 60, Nobody, "01:00", "24:00後に終了(28)");
    row("28: end 2878 wraps", {0, 0, 0, 0, 1, 1439}, 28, false, 1439, 1438, Nobody, "23:58", "23:59後に終了(28)");
}

void TestEndForecast::rules()
{
    QFETCH(int, rule);
    QFETCH(bool, met);
    QFETCH(int, remaining);
    QFETCH(int, endMinute);
    QFETCH(Winner, winner);
    QFETCH(QString, caption);
    QFETCH(QString, message);

    const EndForecast f = evaluateEnd(fetchInputs());
    QCOMPARE(f.rule, rule);
    QCOMPARE(f.met, met);
    QCOMPARE(f.remaining, remaining);
    QCOMPARE(f.endMinute, endMinute);
    QCOMPARE(f.winner, winner);
    QCOMPARE(f.caption, caption);
    QCOMPARE(f.message, message);
}

void TestEndForecast::absurdInputsStayInRange_data()
{
    addInputColumns();
    QTest::addColumn<int>("rule");

    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    inputRow("huge West score", {1e300, 0, 0, 0, 360, 600}) << 1;
    inputRow("infinite scores", {inf, -inf, 0, 0, 360, 600}) << 1;
    inputRow("huge negative scores", {-1e300, -1e300, 0, 0, 0, 600}) << 28;
    inputRow("NaN everywhere", {nan, nan, nan, nan, 0, 600}) << 28;
    inputRow("infinite West gain", {0, 0, inf, 0, 0, 600}) << 3;
    inputRow("vanishing West gain", {0, 0, 1e-300, 0, 0, 600}) << 7;
    inputRow("West projection beyond 64 bits", {0, 1e300, 1e16, 0, 0, 600}) << 7;
    inputRow("largest East gain on a huge score", {0, 1e300, 0, DBL_MAX, 100, 600}) << 11;
    inputRow("infinite East gain, West losing", {0, 0, -inf, inf, 0, 600}) << 11;
    inputRow("gaining with el at the int minimum", {0, 0, 10, 0, INT_MIN, 0}) << 3;
    inputRow("el at the int minimum", {0, 0, 0, 0, INT_MIN, 600}) << 28;
    inputRow("el and now at the int maximum", {0, 0, 0, 0, INT_MAX, INT_MAX}) << 27;
    inputRow("now at the int minimum", {0, 0, 0, 0, 0, INT_MIN}) << 28;
}

void TestEndForecast::absurdInputsStayInRange()
{
    QFETCH(int, rule);

    const EndForecast f = evaluateEnd(fetchInputs());
    QCOMPARE(f.rule, rule);
    QVERIFY(f.remaining >= 0);
    QVERIFY(f.endMinute >= 0 && f.endMinute <= 1440);
    QCOMPARE(f.caption, f.met ? QStringLiteral("終了") : formatMinutesHHMM(f.endMinute));
    QVERIFY(f.message.endsWith(QStringLiteral("(%1)").arg(rule)));
}

QTEST_GUILESS_MAIN(TestEndForecast)
#include "tst_end_forecast.moc"
