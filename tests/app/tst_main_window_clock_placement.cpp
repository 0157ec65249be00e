// The placement schedule as the ticks run it: countdown tooltips, the due hour,
// automatic placement with its notice or sound, typed placement times, and the
// two options that govern the notice.
#include "support/main_window_harness.h"

#include "app/attention.h"
#include "app/notice_beep.h"
#include "board/text_contrast.h"
#include "clock/typed_time.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

const QString Passed = QStringLiteral("配置時間を経過しています");

// A click that sends a post into an Awaiting status schedules it an hour later,
// so the click is made an hour before `due`.
void awaitPlacement(MainWindowHarness &h, int slot, int due, int awaitingStatus = OwnAwaiting)
{
    h.clock.setMinutes((due + 1380) % 1440);
    if (awaitingStatus == OwnAwaiting) {
        h.window->changePost(slot, false, Qt::RightButton);
    } else {
        h.window->changePost(slot, false, Qt::LeftButton);
        h.window->changePost(slot, false, Qt::LeftButton);
    }
}

QStringList tooltipsOf(const PostControls &post)
{
    QStringList tips;
    for (const QWidget *control : post.tooltipGroup())
        tips.append(control->toolTip());
    return tips;
}

QStringList everywhere(const QString &tip)
{
    return QStringList(11, tip);
}

QString noticeText(MainWindowHarness &h, int slot, Army holder)
{
    const auto faction = [](Army army) {
        return army == Army::West ? QStringLiteral("徳川家") : QStringLiteral("北条家");
    };
    return faction(armyOfSlot(slot)) + h.post(slot).frame->title() + QStringLiteral("：") + faction(holder)
           + QStringLiteral("・") + h.board().posts[slot].generalsOf(holder).main.name
           + QStringLiteral("の配置予定時刻になりました。");
}

} // namespace

class MainWindowClockPlacement : public QObject {
    Q_OBJECT

    QStringList m_sounds;
    int m_attentionCalls = 0;

private slots:
    void init()
    {
        m_sounds.clear();
        setNoticeSoundSink([this](const NoticeSound &sound) { m_sounds.append(sound.eventId); });
        m_attentionCalls = 0;
        setAttentionSink([this](QWidget *) { ++m_attentionCalls; });
    }
    void cleanup()
    {
        setNoticeSoundSink({});
        setAttentionSink({});
    }

    void dueHour_data()
    {
        QTest::addColumn<int>("due");
        QTest::addColumn<int>("tickAt");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("45 minutes before") << 600 << 555 << false << "00:45後に配置";
        QTest::newRow("a minute before") << 600 << 599 << false << "00:01後に配置";
        QTest::newRow("on the minute") << 600 << 600 << true << "";
        QTest::newRow("late, hour still open") << 600 << 659 << true << "";
        QTest::newRow("late, hour closed") << 600 << 660 << false << Passed;
        QTest::newRow("a day ahead again") << 600 << 661 << false << "22:59後に配置";
        QTest::newRow("23:50, ticked at 00:20") << 1430 << 20 << true << "";
        QTest::newRow("23:50, ticked at 00:50") << 1430 << 50 << false << Passed;
        QTest::newRow("23:50, ticked at 00:51") << 1430 << 51 << false << "22:59後に配置";
        QTest::newRow("00:00, ticked at 00:59") << 0 << 59 << true << "";
        QTest::newRow("00:00, ticked at 01:00") << 0 << 60 << false << Passed;
        QTest::newRow("00:30, ticked at 23:59") << 30 << 1439 << false << "00:31後に配置";
    }
    void dueHour()
    {
        QFETCH(int, due);
        QFETCH(int, tickAt);
        QFETCH(bool, placed);
        QFETCH(QString, tooltip);

        MainWindowHarness h;
        awaitPlacement(h, 4, due);
        QCOMPARE(h.board().posts[4].placeMinute, due);
        h.clock.setMinutes(tickAt);
        h.window->onClockTick();

        QCOMPARE(h.board().posts[4].status, placed ? OwnPresent : OwnAwaiting);
        QCOMPARE(h.board().posts[4].placeArmed, placed ? 0 : 1);
        QCOMPARE(h.post(4).timeBox->font().bold(), !placed);
        QCOMPARE(h.post(4).timeBox->isEnabled(), !placed);
        QCOMPARE(tooltipsOf(h.post(4)), everywhere(tooltip));
        QCOMPARE(h.noticesShown(), placed ? 1 : 0);
        QVERIFY(m_sounds.isEmpty());
    }

    void withoutAutomaticSwitchDuePostWaits_data()
    {
        QTest::addColumn<int>("minutesAfterDue");
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("due minute") << 0 << Passed;
        QTest::newRow("half an hour on") << 30 << Passed;
        QTest::newRow("last due minute") << 59 << Passed;
        QTest::newRow("hour over") << 60 << Passed;
        QTest::newRow("counting to tomorrow") << 61 << "22:59後に配置";
    }
    void withoutAutomaticSwitchDuePostWaits()
    {
        QFETCH(int, minutesAfterDue);
        QFETCH(QString, tooltip);

        MainWindowHarness h;
        awaitPlacement(h, 13, 600, RivalAwaiting);
        h.window->autoPlaceCheck->setChecked(false);
        for (int minute = 600; minute <= 600 + minutesAfterDue; minute += 10) {
            h.clock.setMinutes(minute);
            h.window->onClockTick();
        }
        h.clock.setMinutes(600 + minutesAfterDue);
        h.window->onClockTick();

        QCOMPARE(h.board().posts[13].status, RivalAwaiting);
        QCOMPARE(h.board().posts[13].placeArmed, true);
        QCOMPARE(h.board().posts[13].placeMinute, 600);
        QVERIFY(h.post(13).timeBox->font().bold());
        QCOMPARE(tooltipsOf(h.post(13)), everywhere(tooltip));
        QCOMPARE(h.noticesShown(), 0);
        QVERIFY(m_sounds.isEmpty());
    }

    void automaticSwitchTickedAgainWithinTheHour()
    {
        MainWindowHarness h;
        awaitPlacement(h, 6, 600);
        h.window->autoPlaceCheck->setChecked(false);
        h.clock.setMinutes(610);
        h.window->onClockTick();
        QCOMPARE(h.board().posts[6].status, OwnAwaiting);

        // Ticking the switch again leaves the message box option off: a sound.
        h.window->autoPlaceCheck->setChecked(true);
        h.clock.setMinutes(620);
        h.window->onClockTick();
        QCOMPARE(h.board().posts[6].status, OwnPresent);
        QCOMPARE(h.noticesShown(), 0);
        QCOMPARE(m_sounds, QStringList{QStringLiteral("dialog-information")});
    }

    void duePostsPlacedInSlotOrder()
    {
        MainWindowHarness h;
        awaitPlacement(h, 12, 600, RivalAwaiting);
        awaitPlacement(h, 3, 600);
        h.clock.setMinutes(600);
        h.window->onClockTick();

        QCOMPARE(h.board().posts[3].status, OwnPresent);
        QCOMPARE(h.board().posts[12].status, RivalPresent);
        QCOMPARE(h.asked.size(), 2);
        for (const PromptRequest &notice : h.asked) {
            QCOMPARE(notice.title, QStringLiteral("武将配置のお知らせ"));
            QCOMPARE(notice.icon, QMessageBox::Information);
        }
        QCOMPARE(h.asked[0].text, noticeText(h, 3, Army::West));
        QCOMPARE(h.asked[1].text, noticeText(h, 12, Army::West));
    }

    void noticeOrSoundPerPlacement_data()
    {
        QTest::addColumn<bool>("messageBox");
        QTest::addColumn<QList<int>>("dueSlots");

        QTest::newRow("box, nothing due") << true << QList<int>{};
        QTest::newRow("box, one due") << true << QList<int>{0};
        QTest::newRow("box, three due") << true << QList<int>{0, 8, 17};
        QTest::newRow("sound, nothing due") << false << QList<int>{};
        QTest::newRow("sound, one due") << false << QList<int>{0};
        QTest::newRow("sound, three due") << false << QList<int>{0, 8, 17};
    }
    void noticeOrSoundPerPlacement()
    {
        QFETCH(bool, messageBox);
        QFETCH(QList<int>, dueSlots);

        MainWindowHarness h;
        awaitPlacement(h, 9, 700);
        for (int slot : dueSlots)
            awaitPlacement(h, slot, 600);
        h.window->noticeBoxCheck->setChecked(messageBox);
        h.clock.setMinutes(600);
        h.window->onClockTick();

        for (int slot : dueSlots)
            QCOMPARE(h.board().posts[slot].status, OwnPresent);
        QCOMPARE(h.board().posts[9].status, OwnAwaiting);
        const qsizetype placed = dueSlots.size();
        QCOMPARE(h.noticesShown(), messageBox ? placed : 0);
        QCOMPARE(m_sounds, QStringList(messageBox ? 0 : placed, QStringLiteral("dialog-information")));
        // The window is not the active one: the game has the focus.
        QCOMPARE(m_attentionCalls, placed);
    }

    // While a placement notice waits for the player, further ticks arrive. They
    // keep the clock, the elapsed time and the accrual going, but must neither
    // place nor reschedule the posts the waiting tick has yet to reach, and must
    // leave the elapsed-time box guarded.
    void ticksDuringNoticePlaceNothing_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("minutesPerTick");

        QTest::newRow("same minute") << 3 << 0;
        QTest::newRow("clock moving on") << 3 << 1;
        QTest::newRow("past the due hour") << 3 << 30;
    }
    void ticksDuringNoticePlaceNothing()
    {
        QFETCH(int, ticks);
        QFETCH(int, minutesPerTick);

        MainWindowHarness h(9, 0);
        awaitPlacement(h, 2, 600);
        awaitPlacement(h, 7, 600, RivalAwaiting);
        h.window->battleResultsCheck->setChecked(true);
        const int eastRate = h.window->eastRateCaption->text().toInt();
        QVERIFY(eastRate > 0);
        QList<int> guardDuringNotice;
        QStringList shownDuringNotice;
        h.whileOpen = [&](const PromptRequest &) {
            if (h.asked.size() != 1)
                return;
            for (int k = 0; k < ticks; ++k) {
                h.clock.advanceMinutes(minutesPerTick);
                h.window->onClockTick();
            }
            guardDuringNotice.append(h.board().elapsedEditArmed);
            shownDuringNotice = {h.window->clockCaption->text(), h.window->elapsedBox->text(),
                                 h.window->eastScoreBox->text()};
        };
        h.clock.setMinutes(600);
        h.window->onClockTick();

        QCOMPARE(h.board().posts[2].status, OwnPresent);
        QCOMPARE(h.board().posts[7].status, RivalPresent);
        for (int slot : {2, 7}) {
            QCOMPARE(h.board().posts[slot].placeArmed, false);
            QCOMPARE(h.post(slot).timeBox->text(), QString());
            QVERIFY(!h.post(slot).timeBox->font().bold());
            QCOMPARE(tooltipsOf(h.post(slot)), everywhere(QString()));
        }
        QCOMPARE(h.asked.size(), 2);
        QCOMPARE(h.asked[0].text, noticeText(h, 2, Army::West));
        QCOMPARE(h.asked[1].text, noticeText(h, 7, Army::East));
        QCOMPARE(guardDuringNotice, QList<int>{0});
        QCOMPARE(h.board().elapsedEditArmed, true);
        QCOMPARE(h.board().userInputArmed, true);
        const int minutes = 60 + ticks * minutesPerTick;
        QCOMPARE(shownDuringNotice, (QStringList{formatMinutesHHMM(600 + ticks * minutesPerTick),
                                                 formatMinutesHHMM(minutes), QString::number(eastRate * minutes)}));

        // The minutes the notice held are neither lost nor counted twice.
        h.window->onClockTick();
        QCOMPARE(h.board().elapsedMinutes, minutes);
        QCOMPARE(h.window->eastScoreBox->text(), QString::number(eastRate * minutes));
    }

    // 勢力選択 opens the chooser over a board in play; its half-made choice is
    // not the board's until its OK rebuilds the board.
    void noticeWhileChoosingNamesTheBuiltHouses()
    {
        MainWindowHarness h(9, 0);
        awaitPlacement(h, 7, 600, RivalAwaiting);
        const QString notice = noticeText(h, 7, Army::East);
        h.choose = [&h](FactionChooser &chooser) {
            chooser.factionLists[0]->setCurrentRow(0);
            chooser.factionLists[1]->setCurrentRow(1);
            h.clock.setMinutes(600);
            h.window->onClockTick();
        };
        h.window->chooseFactions();

        QCOMPARE(h.noticesShown(), 1);
        QCOMPARE(h.asked.last().text, notice);
    }

    // The player clicked into a post's time box, and its automatic placement
    // greys the box out: the next key must reach no other post.
    void placementLeavesNoOtherBoxFocused()
    {
        MainWindowHarness h(9, 0);
        awaitPlacement(h, 0, 600);
        awaitPlacement(h, 1, 630);
        h.window->show();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTest::mouseClick(h.post(0).timeBox, Qt::LeftButton);
        QTRY_VERIFY(h.post(0).timeBox->hasFocus());

        h.clock.setMinutes(600);
        h.window->onClockTick();
        QCOMPARE(h.board().posts[0].status, OwnPresent);
        QTest::keyClick(h.window->windowHandle(), Qt::Key_9);

        QCOMPARE(h.post(1).timeBox->text(), QStringLiteral("10:30"));
        QVERIFY(h.board().posts[1].placeArmed);
        QCOMPARE(QApplication::focusWidget(), h.window->centralWidget());
    }

    void typedPlacementTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("h:m") << "1:5" << true << 65 << "13:05後に配置";
        QTest::newRow("h:mm") << "1:05" << true << 65 << "13:05後に配置";
        QTest::newRow("hh:m") << "12:5" << true << 725 << "00:05後に配置";
        QTest::newRow("hh:mm") << "12:45" << true << 765 << "00:45後に配置";
        QTest::newRow("this minute") << "12:00" << true << 720 << Passed;
        QTest::newRow("an hour ago") << "11:00" << true << 660 << Passed;
        QTest::newRow("61 minutes ago") << "10:59" << true << 659 << "22:59後に配置";
        QTest::newRow("24:00 is midnight") << "24:00" << true << 0 << "12:00後に配置";
        QTest::newRow("past a day") << "25:30" << true << 90 << "13:30後に配置";
        QTest::newRow("letters read as nought") << "ab:cd" << true << 0 << "12:00後に配置";
        QTest::newRow("minute count") << "90" << false << 0 << "";
        QTest::newRow("letters") << "abc" << false << 0 << "";
        QTest::newRow("dash for colon") << "1-30" << false << 0 << "";
        QTest::newRow("negative hours wrap") << "-1:00" << true << 1380 << "11:00後に配置";
        QTest::newRow("too long") << "12:345" << false << 0 << "";
        QTest::newRow("emptied") << "" << false << 0 << "";
    }
    void typedPlacementTime()
    {
        QFETCH(QString, typed);
        QFETCH(bool, armed);
        QFETCH(int, minute);
        QFETCH(QString, tooltip);

        MainWindowHarness h;
        awaitPlacement(h, 5, 780);
        h.clock.setMinutes(720);
        QLineEdit *box = h.post(5).timeBox;
        const QColor ink = box->palette().color(QPalette::Text);
        typeInto(box, typed);
        QCOMPARE(h.board().posts[5].placeArmed, false);
        QCOMPARE(h.board().posts[5].placeMinute, 0);
        QVERIFY(!box->font().bold());
        QCOMPARE(tooltipsOf(h.post(5)), everywhere(QString()));
        QVERIFY(h.window->placementEditWait->isActive());

        h.window->readTypedPlacementTimes();
        QVERIFY(!h.window->placementEditWait->isActive());
        QCOMPARE(box->text(), typed);
        QCOMPARE(h.board().posts[5].placeArmed, armed ? 1 : 0);
        QCOMPARE(h.board().posts[5].placeMinute, minute);
        QCOMPARE(box->font().bold(), armed);

        // Text that cannot be read says so until the next edit; a box the player
        // emptied asks for nothing and is no error.
        const bool unreadable = !armed && !typed.isEmpty();
        QStringList tooltips = everywhere(tooltip);
        if (unreadable)
            tooltips.last() = QString::fromUtf16(PlacementTextForms);
        h.window->autoPlaceCheck->setChecked(false); // the ticks below place nothing
        for (int tick = 0; tick < 2; ++tick) {
            QCOMPARE(tooltipsOf(h.post(5)), tooltips);
            QCOMPARE(box->palette().color(QPalette::Text), unreadable ? QColor(UnreadableTextColour) : ink);
            h.window->onClockTick();
        }
        QVERIFY(contrastRatio(box->palette().color(QPalette::Text), box->palette().color(QPalette::Base)) >= 4.5);
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(box->palette().color(QPalette::Text), ink);
        QCOMPARE(tooltipsOf(h.post(5)), everywhere(QString()));
    }

    void typedTimeWaitsForReadBack()
    {
        MainWindowHarness h;
        awaitPlacement(h, 15, 600);
        typeInto(h.post(15).timeBox, QStringLiteral("10:00"));
        h.clock.setMinutes(600);
        h.window->onClockTick();
        QCOMPARE(h.board().posts[15].status, OwnAwaiting);
        QCOMPARE(h.noticesShown(), 0);

        h.window->readTypedPlacementTimes();
        QCOMPARE(tooltipsOf(h.post(15)), everywhere(Passed));
        h.window->onClockTick();
        QCOMPARE(h.board().posts[15].status, OwnPresent);
        QCOMPARE(h.noticesShown(), 1);
    }

    void noticeOptions_data()
    {
        QTest::addColumn<int>("switchClicks");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("messageBox");
        QTest::addColumn<bool>("messageBoxEnabled");

        QTest::newRow("start") << 0 << false << true << true << true;
        QTest::newRow("unticked") << 1 << false << false << false << false;
        QTest::newRow("ticked again") << 2 << false << true << false << true;
        QTest::newRow("unticked again") << 3 << false << false << false << false;
        QTest::newRow("unticked, reset") << 1 << true << true << true << true;
        QTest::newRow("ticked again, reset") << 2 << true << true << true << true;
    }
    void noticeOptions()
    {
        QFETCH(int, switchClicks);
        QFETCH(bool, reset);
        QFETCH(bool, automatic);
        QFETCH(bool, messageBox);
        QFETCH(bool, messageBoxEnabled);

        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        for (int k = 0; k < switchClicks; ++k)
            QTest::mouseClick(h.window->autoPlaceCheck, Qt::LeftButton);
        if (reset)
            QTest::mouseClick(h.window->resetButton, Qt::LeftButton);

        QCOMPARE(h.window->autoPlaceCheck->isChecked(), automatic);
        QCOMPARE(h.window->noticeBoxCheck->isChecked(), messageBox);
        QCOMPARE(h.window->noticeBoxCheck->isEnabled(), messageBoxEnabled);
    }
};

QTEST_MAIN(MainWindowClockPlacement)
#include "tst_main_window_clock_placement.moc"
