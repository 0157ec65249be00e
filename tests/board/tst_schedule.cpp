#include "board/schedule.h"

#include <QTest>

using namespace vantor;
using namespace Qt::StringLiterals;

namespace {
const QString Passed = u"配置時間を経過しています"_s;
QString after(const char *hhmm)
{
    return QLatin1String(hhmm) + u"後に配置"_s;
}
}

class TstSchedule : public QObject {
    Q_OBJECT

private slots:
    void dueAndTooltip_data();
    void dueAndTooltip();
};

void TstSchedule::dueAndTooltip_data()
{
    QTest::addColumn<int>("placeMinute");
    QTest::addColumn<int>("now");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("just armed") << 720 << 660 << false << after("01:00");
    QTest::newRow("45 minutes ahead") << 600 << 555 << false << after("00:45");
    QTest::newRow("minute before") << 600 << 599 << false << after("00:01");
    QTest::newRow("due minute") << 600 << 600 << true << Passed;
    QTest::newRow("last due minute") << 600 << 659 << true << Passed;
    QTest::newRow("hour over") << 600 << 660 << false << Passed;
    QTest::newRow("next day") << 600 << 661 << false << after("22:59");

    QTest::newRow("23:50 minute before") << 1430 << 1429 << false << after("00:01");
    QTest::newRow("23:50 due minute") << 1430 << 1430 << true << Passed;
    QTest::newRow("23:50 at 23:59") << 1430 << 1439 << true << Passed;
    QTest::newRow("23:50 at midnight") << 1430 << 0 << true << Passed;
    QTest::newRow("23:50 at 00:20") << 1430 << 20 << true << Passed;
    QTest::newRow("23:50 at 00:49") << 1430 << 49 << true << Passed;
    QTest::newRow("23:50 at 00:50") << 1430 << 50 << false << Passed;
    QTest::newRow("23:50 at 00:51") << 1430 << 51 << false << after("22:59");

    QTest::newRow("midnight at 23:59") << 0 << 1439 << false << after("00:01");
    QTest::newRow("midnight due") << 0 << 0 << true << Passed;
    QTest::newRow("midnight at 00:59") << 0 << 59 << true << Passed;
    QTest::newRow("midnight at 01:00") << 0 << 60 << false << Passed;
    QTest::newRow("00:59 at 01:00") << 59 << 60 << true << Passed;
    QTest::newRow("01:00 at 00:59") << 60 << 59 << false << after("00:01");
    QTest::newRow("23:00 at midnight") << 1380 << 0 << false << Passed;
    QTest::newRow("23:01 at midnight") << 1381 << 0 << true << Passed;
    QTest::newRow("23:59 at 00:58") << 1439 << 58 << true << Passed;
    QTest::newRow("23:59 at 00:59") << 1439 << 59 << false << Passed;
    QTest::newRow("00:30 at 23:59") << 30 << 1439 << false << after("00:31");
}

void TstSchedule::dueAndTooltip()
{
    QFETCH(int, placeMinute);
    QFETCH(int, now);
    QFETCH(bool, due);
    QFETCH(QString, tooltip);

    QCOMPARE(isDue(placeMinute, now), due);
    QCOMPARE(placementTooltip(placeMinute, now), tooltip);
}

QTEST_GUILESS_MAIN(TstSchedule)
#include "tst_schedule.moc"
