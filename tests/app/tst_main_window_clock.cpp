// The elapsed battle time: how the ticks advance it with the wall clock, and how
// a time typed into its box is read back.
#include "support/main_window_harness.h"

#include "board/text_contrast.h"
#include "clock/typed_time.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

const QString Waiting = QStringLiteral("しばらくおまちください(0)");

} // namespace

class MainWindowClock : public QObject {
    Q_OBJECT
private slots:
    void ticksAdvanceElapsedTime_data()
    {
        QTest::addColumn<int>("resetAt");
        QTest::addColumn<int>("elapsedBefore");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("same minute") << 720 << 0 << QList<int>{720, 720} << 0 << "00:00";
        QTest::newRow("minute by minute") << 720 << 0 << QList<int>{721, 721, 722, 723} << 3 << "00:03";
        QTest::newRow("late tick") << 720 << 0 << QList<int>{745} << 25 << "00:25";
        QTest::newRow("23:59 to 00:00") << 1439 << 0 << QList<int>{0} << 1 << "00:01";
        QTest::newRow("midnight between ticks") << 1430 << 0 << QList<int>{1435, 10} << 20 << "00:20";
        QTest::newRow("midnight, late tick") << 1400 << 0 << QList<int>{100} << 140 << "02:20";
        QTest::newRow("set back a minute") << 720 << 30 << QList<int>{719} << 30 << "00:30";
        QTest::newRow("set back a minute, then on") << 720 << 30 << QList<int>{719, 720} << 31 << "00:31";
        QTest::newRow("set back an hour, then on") << 720 << 30 << QList<int>{660, 661} << 31 << "00:31";
        QTest::newRow("set back across midnight") << 30 << 30 << QList<int>{1410, 1411, 0} << 60 << "01:00";
        QTest::newRow("reaches the limit") << 720 << 32760 << QList<int>{730} << 32767 << "46:07";
        QTest::newRow("stays at the limit") << 720 << 32767 << QList<int>{721, 1439, 0} << 32767 << "46:07";
    }
    void ticksAdvanceElapsedTime()
    {
        QFETCH(int, resetAt);
        QFETCH(int, elapsedBefore);
        QFETCH(QList<int>, ticks);
        QFETCH(int, elapsed);
        QFETCH(QString, shown);

        MainWindowHarness h;
        h.clock.setMinutes(resetAt);
        h.window->resetBoard();
        h.board().elapsedMinutes = elapsedBefore;
        for (int minute : ticks) {
            h.clock.setMinutes(minute);
            h.window->onClockTick();
            QCOMPARE(h.board().lastTickMinute, minute);
            QCOMPARE(h.window->clockCaption->text(), formatMinutesHHMM(minute));
        }
        QCOMPARE(h.board().elapsedMinutes, elapsed);
        QCOMPARE(h.window->elapsedBox->text(), shown);
    }

    void ticksOwnWritesAreNotEdits()
    {
        MainWindowHarness h(10, 0);
        h.clock.set(10, 7);
        h.window->onClockTick();
        QCOMPARE(h.window->elapsedBox->text(), QStringLiteral("00:07"));
        QCOMPARE(h.board().elapsedValid, true);
        QVERIFY(!h.window->elapsedEditWait->isActive());
        QCOMPARE(h.board().elapsedEditArmed, true);

        typeInto(h.window->elapsedBox, QStringLiteral("5"));
        QCOMPARE(h.board().elapsedValid, false);
        QVERIFY(h.window->elapsedEditWait->isActive());
    }

    void elapsedTimeWaitsWhileEdited()
    {
        MainWindowHarness h(10, 0);
        h.clock.set(10, 5);
        h.window->onClockTick();
        typeInto(h.window->elapsedBox, QStringLiteral("1:00"));
        h.clock.set(10, 20);
        h.window->onClockTick();
        QCOMPARE(h.board().elapsedMinutes, 5);
        QCOMPARE(h.board().lastTickMinute, 605);
        QCOMPARE(h.window->elapsedBox->text(), QStringLiteral("1:00"));

        h.window->readTypedElapsedTime();
        QCOMPARE(h.window->elapsedBox->text(), QStringLiteral("01:00"));
        h.clock.set(10, 21);
        h.window->onClockTick();
        // Every minute since the last advance counts, the edit time included.
        QCOMPARE(h.board().elapsedMinutes, 76);
        QCOMPARE(h.window->elapsedBox->text(), QStringLiteral("01:16"));
    }

    void typedElapsedTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("shown");

        QTest::newRow("minute count") << "90" << true << 90 << "01:30";
        QTest::newRow("one digit") << "7" << true << 7 << "00:07";
        QTest::newRow("h:m") << "1:5" << true << 65 << "01:05";
        QTest::newRow("h:mm") << "1:05" << true << 65 << "01:05";
        QTest::newRow("hh:m") << "12:5" << true << 725 << "12:05";
        QTest::newRow("hh:mm") << "12:05" << true << 725 << "12:05";
        QTest::newRow("a whole day") << "24:00" << true << 1440 << "24:00";
        QTest::newRow("past a day") << "25:00" << true << 60 << "01:00";
        QTest::newRow("far past a day") << "99:99" << true << 279 << "04:39";
        QTest::newRow("letters in the parts") << "ab:cd" << true << 0 << "00:00";
        QTest::newRow("two letters") << "ab" << true << 0 << "00:00";
        QTest::newRow("emptied") << "" << true << 0 << "00:00";
        QTest::newRow("three letters") << "abc" << false << 0 << "00:00";
        QTest::newRow("dash for colon") << "1-30" << false << 0 << "00:00";
        QTest::newRow("three digits") << "100" << false << 0 << "00:00";
        QTest::newRow("negative count") << "-1" << false << 0 << "00:00";
        QTest::newRow("negative hours") << "-1:00" << false << 0 << "00:00";
        QTest::newRow("too long") << "12:345" << false << 0 << "00:00";
    }
    void typedElapsedTime()
    {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(int, minutes);
        QFETCH(QString, shown);

        MainWindowHarness h(10, 0);
        h.window->battleResultsCheck->setChecked(true);
        QVERIFY(h.window->forecastFrame->toolTip() != Waiting);
        QLineEdit *box = h.window->elapsedBox;
        const QColor ink = box->palette().color(QPalette::Text);

        typeInto(h.window->elapsedBox, typed);
        QCOMPARE(h.board().elapsedValid, false);
        QVERIFY(h.window->elapsedEditWait->isActive());
        QCOMPARE(h.window->forecastFrame->toolTip(), Waiting);

        h.window->readTypedElapsedTime();
        QVERIFY(!h.window->elapsedEditWait->isActive());
        QCOMPARE(h.window->elapsedBox->text(), shown);
        QCOMPARE(h.board().elapsedMinutes, minutes);
        QCOMPARE(h.board().elapsedValid, valid ? 1 : 0);
        QCOMPARE(h.board().elapsedEditArmed, true);
        QCOMPARE(h.window->forecastFrame->toolTip() == Waiting, !valid);
        QCOMPARE(h.window->forecastCaption->text() == QStringLiteral("--:--"), !valid);

        h.clock.set(10, 5);
        h.window->onClockTick();
        QCOMPARE(h.board().elapsedMinutes, valid ? minutes + 5 : 0);
        QCOMPARE(h.window->elapsedBox->text(), valid ? formatMinutesHHMM(minutes + 5) : shown);

        // Text that could not be read leaves 00:00 in the warning colour until the next edit.
        QCOMPARE(box->palette().color(QPalette::Text), valid ? ink : QColor(UnreadableTextColour));
        QCOMPARE(box->toolTip(), valid ? QString() : QString::fromUtf16(ElapsedTextForms));
        typeInto(box, QStringLiteral("1"));
        QCOMPARE(box->palette().color(QPalette::Text), ink);
        QCOMPARE(box->toolTip(), QString());
    }
};

QTEST_MAIN(MainWindowClock)
#include "tst_main_window_clock.moc"
