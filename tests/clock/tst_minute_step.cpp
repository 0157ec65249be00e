#include "clock/minute_step.h"

#include <QTest>

using namespace vantor;

class TstMinuteStep : public QObject {
    Q_OBJECT

private slots:
    void minutesSince_data();
    void minutesSince();
};

void TstMinuteStep::minutesSince_data()
{
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("now");
    QTest::addColumn<int>("minutes");

    QTest::newRow("same minute") << 600 << 600 << 0;
    QTest::newRow("next minute") << 600 << 601 << 1;
    QTest::newRow("across midnight") << 1439 << 0 << 1;
    QTest::newRow("late tick across midnight") << 1430 << 10 << 20;
    QTest::newRow("longest forward step") << 0 << 1379 << 1379;
    QTest::newRow("set back one minute") << 600 << 599 << 0;
    QTest::newRow("set back forty minutes") << 100 << 60 << 0;
    QTest::newRow("set back an hour") << 60 << 0 << 0;
    QTest::newRow("set back an hour across midnight") << 30 << 1410 << 0;
    QTest::newRow("more than an hour back is a late tick") << 61 << 0 << 1379;
}

void TstMinuteStep::minutesSince()
{
    QFETCH(int, last);
    QFETCH(int, now);
    QFETCH(int, minutes);

    QCOMPARE(vantor::minutesSince(last, now), minutes);
}

QTEST_GUILESS_MAIN(TstMinuteStep)
#include "tst_minute_step.moc"
