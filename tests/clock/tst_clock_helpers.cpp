#include "clock/clock_helpers.h"

#include <QTest>

#include <limits>

using namespace vantor;

class TstClockHelpers : public QObject {
    Q_OBJECT

private slots:
    void formatMinutes_data();
    void formatMinutes();
    void formatsAnyCount();
    void timeOfDay_data();
    void timeOfDay();
};

void TstClockHelpers::formatMinutes_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "00:00";
    QTest::newRow("5") << 5 << "00:05";
    QTest::newRow("59") << 59 << "00:59";
    QTest::newRow("60") << 60 << "01:00";
    QTest::newRow("359") << 359 << "05:59";
    QTest::newRow("1439") << 1439 << "23:59";
    QTest::newRow("a whole day is not midnight") << 1440 << "24:00";
    QTest::newRow("5999") << 5999 << "99:59";
    QTest::newRow("hours wrap at a hundred") << 6000 << "00:00";
    QTest::newRow("6065") << 6065 << "01:05";
    QTest::newRow("16-bit maximum") << 32767 << "46:07";
    QTest::newRow("-1 loses its sign") << -1 << "01:59";
    QTest::newRow("-60") << -60 << "01:00";
    QTest::newRow("-61") << -61 << "02:59";
    QTest::newRow("16-bit minimum") << -32768 << "47:52";
}

void TstClockHelpers::formatMinutes()
{
    QFETCH(int, minutes);
    QFETCH(QString, text);

    QCOMPARE(formatMinutesHHMM(minutes), text);
}

void TstClockHelpers::formatsAnyCount()
{
    for (int minutes : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        const QString text = formatMinutesHHMM(minutes);
        QCOMPARE(text.size(), 5);
        QCOMPARE(text[2], QLatin1Char(':'));
    }
}

void TstClockHelpers::timeOfDay_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("hourOn");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("hourOnMinutes");

    QTest::newRow("midnight") << QTime(0, 0) << "00:00" << "01:00" << 0 << 60;
    QTest::newRow("one-digit hour") << QTime(9, 5) << "09:05" << "10:05" << 545 << 605;
    QTest::newRow("seconds are dropped") << QTime(22, 59, 59) << "22:59" << "23:59" << 1379 << 1439;
    QTest::newRow("23:00") << QTime(23, 0) << "23:00" << "00:00" << 1380 << 0;
    QTest::newRow("23:30") << QTime(23, 30, 30) << "23:30" << "00:30" << 1410 << 30;
    QTest::newRow("23:40") << QTime(23, 40) << "23:40" << "00:40" << 1420 << 40;
    QTest::newRow("last minute") << QTime(23, 59, 59) << "23:59" << "00:59" << 1439 << 59;
}

void TstClockHelpers::timeOfDay()
{
    QFETCH(QTime, time);
    QFETCH(QString, now);
    QFETCH(QString, hourOn);
    QFETCH(int, minutes);
    QFETCH(int, hourOnMinutes);

    QCOMPARE(clockText(time), now);
    QCOMPARE(nextHourText(time), hourOn);
    QCOMPARE(clockMinutes(time), minutes);
    QCOMPARE(nextHourMinutes(time), hourOnMinutes);
}

QTEST_GUILESS_MAIN(TstClockHelpers)
#include "tst_clock_helpers.moc"
