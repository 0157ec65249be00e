// The clock of the battle: the ticks with the current and the elapsed time, the
// placement countdown and the due hour, automatic placement with its notice or
// sound, the notice options, and the read-back of typed times.
#include "support/battle_harness.h"

#include "clock/clock_helpers.h"
#include "clock/typed_time.h"
#include "roster/roster.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;
using namespace std::chrono_literals;

namespace {

constexpr Faction Tokugawa = 4;
constexpr Faction Hojo = 2;
constexpr int InformationSound = 3;

} // namespace

class TestBattleClock : public QObject {
    Q_OBJECT
private slots:
    void ticksAdvanceElapsedTime_data()
    {
        QTest::addColumn<int>("builtAt");
        QTest::addColumn<int>("before"); // minutes typed in before the ticks
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
    }

    void ticksAdvanceElapsedTime()
    {
        QFETCH(int, builtAt);
        QFETCH(int, before);
        QFETCH(QList<int>, ticks);
        QFETCH(int, elapsed);
        QFETCH(QString, shown);
        BattleHarness h(builtAt / 60, builtAt % 60);
        if (before > 0)
            h.enterElapsed(formatMinutesHHMM(before));
        for (int minute : ticks) {
            h.tickAt(minute);
            QCOMPARE(h.board().lastTickMinute, minute);
            QCOMPARE(h.battle.clockCaption(), formatMinutesHHMM(minute));
        }
        QCOMPARE(h.board().elapsedMinutes, elapsed);
        QCOMPARE(h.battle.elapsed().text, shown);
    }

    void elapsedTimeStopsAtItsLimit()
    {
        BattleHarness h(0, 0);
        for (int k = 1; k <= 45; ++k)
            h.tickAt(k % 2 * 720);
        QCOMPARE(h.board().elapsedMinutes, 45 * 720);
        for (int minute : {0, 1, 721, 0}) {
            h.tickAt(minute);
            QCOMPARE(h.board().elapsedMinutes, 32767);
            QCOMPARE(h.battle.elapsed().text, QStringLiteral("46:07"));
        }
    }

    void elapsedTimeWaitsWhileEdited()
    {
        BattleHarness h(10, 0);
        h.tickAt(605);
        QCOMPARE(h.battle.elapsed().text, QStringLiteral("00:05"));
        QVERIFY(h.board().elapsedValid); // the tick's own write is no edit

        h.battle.editElapsedText(QStringLiteral("1:00"));
        QVERIFY(!h.board().elapsedValid);
        h.tickAt(620);
        QCOMPARE(h.board().elapsedMinutes, 5);
        QCOMPARE(h.board().lastTickMinute, 605);
        QCOMPARE(h.battle.elapsed().text, QStringLiteral("1:00"));

        h.battle.readTypedElapsedTime();
        QCOMPARE(h.battle.elapsed().text, QStringLiteral("01:00"));
        h.tickAt(621);
        // Every minute since the last advance counts, the time of the edit included.
        QCOMPARE(h.board().elapsedMinutes, 76);
        QCOMPARE(h.battle.elapsed().text, QStringLiteral("01:16"));
    }

    // Text that cannot be read costs the battle nothing: the last good elapsed
    // time runs on, marked until the next edit.
    void typedElapsedTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("minutes"); // read back; 20 before the edit
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
        QTest::newRow("three letters") << "abc" << false << 20 << "00:20";
        QTest::newRow("dash for colon") << "1-30" << false << 20 << "00:20";
        QTest::newRow("three digits") << "100" << false << 20 << "00:20";
        QTest::newRow("negative count") << "-1" << false << 20 << "00:20";
        QTest::newRow("negative hours") << "-1:00" << false << 20 << "00:20";
        QTest::newRow("too long") << "12:345" << false << 20 << "00:20";
    }

    void typedElapsedTime()
    {
        QFETCH(QString, typed);
        QFETCH(bool, readable);
        QFETCH(int, minutes);
        QFETCH(QString, shown);
        BattleHarness h(10, 0);
        h.tickAt(620);
        h.battle.setBattleResults(true);
        QVERIFY(!h.forecastWaiting());

        h.battle.editElapsedText(typed);
        QVERIFY(!h.board().elapsedValid);
        QVERIFY(h.forecastWaiting());

        h.battle.readTypedElapsedTime();
        QCOMPARE(h.battle.elapsed().text, shown);
        QCOMPARE(h.board().elapsedMinutes, minutes);
        QVERIFY(h.board().elapsedValid && h.board().elapsedEditArmed);
        QVERIFY(!h.forecastWaiting());

        h.tickAt(625);
        QCOMPARE(h.board().elapsedMinutes, minutes + 5);
        QCOMPARE(h.battle.elapsed().text, formatMinutesHHMM(minutes + 5));
        QCOMPARE(h.battle.elapsed().cue, readable ? TextCue::Plain : TextCue::Unreadable);
        QCOMPARE(h.battle.elapsed().tooltip.contains(QString::fromUtf16(ElapsedTextForms)), !readable);
        h.battle.editElapsedText(QStringLiteral("1"));
        QCOMPARE(h.battle.elapsed().cue, TextCue::Plain);
        QCOMPARE(h.battle.elapsed().tooltip, QString());
    }

    void dueHour_data()
    {
        QTest::addColumn<int>("due");
        QTest::addColumn<int>("tickAt");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QString>("countdown");
        QTest::newRow("45 minutes before") << 600 << 555 << false << "00:45後に配置";
        QTest::newRow("a minute before") << 600 << 599 << false << "00:01後に配置";
        QTest::newRow("on the minute") << 600 << 600 << true << "";
        QTest::newRow("late, hour still open") << 600 << 659 << true << "";
        QTest::newRow("late, hour closed") << 600 << 660 << false << PlacementPassed;
        QTest::newRow("a day ahead again") << 600 << 661 << false << "22:59後に配置";
        QTest::newRow("23:50, ticked at 00:20") << 1430 << 20 << true << "";
        QTest::newRow("23:50, ticked at 00:50") << 1430 << 50 << false << PlacementPassed;
        QTest::newRow("23:50, ticked at 00:51") << 1430 << 51 << false << "22:59後に配置";
        QTest::newRow("00:00, ticked at 00:59") << 0 << 59 << true << "";
        QTest::newRow("00:00, ticked at 01:00") << 0 << 60 << false << PlacementPassed;
        QTest::newRow("00:30, ticked at 23:59") << 30 << 1439 << false << "00:31後に配置";
    }

    void dueHour()
    {
        QFETCH(int, due);
        QFETCH(int, tickAt);
        QFETCH(bool, placed);
        QFETCH(QString, countdown);
        BattleHarness h;
        h.awaitPlacement(4, due); // an hour before, across midnight too
        QCOMPARE(h.state(4).placeMinute, due);
        QCOMPARE(h.battle.post(4).time.text, formatMinutesHHMM(due));
        h.tickAt(tickAt);

        QCOMPARE(h.status(4), placed ? OwnPresent : OwnAwaiting);
        QCOMPARE(h.state(4).placeArmed, !placed);
        const PostView p = h.battle.post(4);
        QCOMPARE(p.time.cue, placed ? TextCue::Plain : TextCue::Armed);
        QCOMPARE(p.time.enabled, !placed);
        QCOMPARE(p.countdown, countdown);
        QCOMPARE(p.time.tooltip, countdown);
        QCOMPARE(int(h.closeNotices().size()), placed ? 1 : 0);
        QVERIFY(h.desktop.sounds.isEmpty());
    }

    void withoutAutomaticSwitchDuePostWaits_data()
    {
        QTest::addColumn<int>("minutesAfterDue");
        QTest::addColumn<QString>("countdown");
        QTest::newRow("due minute") << 0 << PlacementPassed;
        QTest::newRow("half an hour on") << 30 << PlacementPassed;
        QTest::newRow("last due minute") << 59 << PlacementPassed;
        QTest::newRow("hour over") << 60 << PlacementPassed;
        QTest::newRow("counting to tomorrow") << 61 << "22:59後に配置";
    }

    void withoutAutomaticSwitchDuePostWaits()
    {
        QFETCH(int, minutesAfterDue);
        QFETCH(QString, countdown);
        BattleHarness h;
        h.awaitPlacement(13, 600, RivalAwaiting);
        h.battle.setAutoPlace(false);
        for (int minute = 600; minute <= 600 + minutesAfterDue; minute += 10)
            h.tickAt(minute);
        h.tickAt(600 + minutesAfterDue);

        QCOMPARE(h.status(13), RivalAwaiting);
        QVERIFY(h.state(13).placeArmed);
        QCOMPARE(h.state(13).placeMinute, 600);
        QCOMPARE(h.battle.post(13).time.cue, TextCue::Armed);
        QCOMPARE(h.battle.post(13).countdown, countdown);
        QVERIFY(!h.battle.hasNotice());
        QVERIFY(h.desktop.sounds.isEmpty());
    }

    void automaticSwitchTickedAgainWithinTheHour()
    {
        BattleHarness h;
        h.awaitPlacement(6, 600);
        h.battle.setAutoPlace(false);
        h.tickAt(610);
        QCOMPARE(h.status(6), OwnAwaiting);

        // Ticking the switch again leaves the notice box unticked: a sound.
        h.battle.setAutoPlace(true);
        h.tickAt(620);
        QCOMPARE(h.status(6), OwnPresent);
        QVERIFY(!h.battle.hasNotice());
        QCOMPARE(h.desktop.sounds, QList<int>{InformationSound});
    }

    void placementNotice_data()
    {
        QTest::addColumn<FactionChoice>("choice");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("text");
        QTest::newRow("West 4 from 5: West places")
            << FactionChoice{} << 4 << 5 << "徳川家中翼中備：徳川家・" + rosterName(Tokugawa, 0, 4, 0) + PlacementDue;
        QTest::newRow("West 4 from 2: East places")
            << FactionChoice{} << 4 << 2 << "徳川家中翼中備：北条家・" + rosterName(Hojo, 1, 4, 0) + PlacementDue;
        QTest::newRow("East 12 from 5: East places")
            << FactionChoice{} << 12 << 5 << "北条家右翼中備：北条家・" + rosterName(Hojo, 1, 12, 0) + PlacementDue;
        QTest::newRow("East 12 from 2: West places")
            << FactionChoice{} << 12 << 2 << "北条家右翼中備：徳川家・" + rosterName(Tokugawa, 0, 12, 0) + PlacementDue;
        QTest::newRow("the houses the board was built with")
            << FactionChoice{0, 13} << 7 << 2 << "上杉家中翼先鋒：雑賀衆・" + rosterName(13, 1, 7, 0) + PlacementDue;
    }

    void placementNotice()
    {
        QFETCH(FactionChoice, choice);
        QFETCH(int, slot);
        QFETCH(int, from);
        QFETCH(QString, text);
        for (const bool box : {true, false}) {
            BattleHarness h(12, 0, choice);
            h.battle.setNoticeBox(box);
            h.awaitPlacement(slot, 780, PostStatus(from));
            h.tickAt(780);

            QCOMPARE(int(h.status(slot)), (from + 1) % 6);
            QCOMPARE(h.battle.post(slot).time.text, QString());
            QVERIFY(!h.state(slot).savedSchedule); // the automatic step keeps nothing to restore
            QVERIFY(h.board().userInputArmed);
            QCOMPARE(h.closeNotices(), box ? QStringList{text} : QStringList{});
            QCOMPARE(h.desktop.sounds, box ? QList<int>{} : QList<int>{InformationSound});
            QCOMPARE(h.desktop.attentionCalls, 1);
        }
    }

    void noticeOrSoundPerPlacement_data()
    {
        QTest::addColumn<bool>("noticeBox");
        QTest::addColumn<QList<int>>("due"); // scheduled in the reverse order
        QTest::addColumn<QStringList>("posts"); // the notices begin with, in slot order
        const QStringList three{"徳川家左翼後詰", "徳川家右翼先鋒", "北条家左翼後詰"};
        QTest::newRow("box, nothing due") << true << QList<int>{} << QStringList{};
        QTest::newRow("box, one due") << true << QList<int>{0} << three.mid(0, 1);
        QTest::newRow("box, three due") << true << QList<int>{0, 8, 17} << three;
        QTest::newRow("sound, nothing due") << false << QList<int>{} << QStringList{};
        QTest::newRow("sound, one due") << false << QList<int>{0} << QStringList{};
        QTest::newRow("sound, three due") << false << QList<int>{0, 8, 17} << QStringList{};
    }

    void noticeOrSoundPerPlacement()
    {
        QFETCH(bool, noticeBox);
        QFETCH(QList<int>, due);
        QFETCH(QStringList, posts);
        BattleHarness h;
        h.awaitPlacement(9, 700);
        for (auto slot = due.crbegin(); slot != due.crend(); ++slot)
            h.awaitPlacement(*slot, 600);
        h.battle.setNoticeBox(noticeBox);
        h.tickAt(600);

        for (int slot : due)
            QCOMPARE(h.status(slot), OwnPresent);
        QCOMPARE(h.status(9), OwnAwaiting);
        const QStringList notices = h.closeNotices();
        QCOMPARE(notices.size(), posts.size());
        for (int k = 0; k < posts.size(); ++k)
            QVERIFY2(notices[k].startsWith(posts[k] + QStringLiteral("：")), qPrintable(notices[k]));
        QCOMPARE(h.desktop.sounds, QList<int>(noticeBox ? 0 : due.size(), InformationSound));
        QCOMPARE(h.desktop.attentionCalls, int(due.size()));
    }

    // A notice is the player's to close when he likes; the battle goes on
    // meanwhile, with the real waits running.
    void noticesNeverStopTheClock()
    {
        BattleHarness h(10, 0, {}, Battle::Waits{2ms, 2ms, 2ms, 2ms});
        h.press(2, Qt::RightButton);
        h.battle.editTimeText(2, QStringLiteral("10:00")); // due this minute
        h.take({7});
        h.battle.editTimeText(7, QStringLiteral("10:02"));
        h.battle.readTypedPlacementTimes();
        h.battle.setBattleResults(true); // the East gains 1 a minute for post 7

        QTRY_VERIFY(h.battle.hasNotice());
        const QString first = h.battle.notice();
        QVERIFY(first.startsWith(QStringLiteral("徳川家右翼後詰：徳川家・")));
        QCOMPARE(h.status(2), OwnPresent);
        QCOMPARE(h.status(7), RivalAwaiting);

        h.desktop.set(10, 3);
        QTRY_COMPARE(h.battle.elapsed().text, QStringLiteral("00:03"));
        QTRY_COMPARE(h.battle.clockCaption(), QStringLiteral("10:03"));
        QTRY_COMPARE(h.status(7), RivalPresent);
        QTRY_COMPARE(h.score(Army::East), QStringLiteral("3"));
        h.press(8, Qt::LeftButton); // the posts take presses with the notice open
        QCOMPARE(h.status(8), OwnFighting);

        // The minutes are counted once, however many ticks come while it is open.
        QSignalSpy ticks(&h.battle, &Battle::clockChanged);
        QTRY_VERIFY(ticks.count() >= 3);
        QCOMPARE(h.battle.elapsed().text, QStringLiteral("00:03"));
        QCOMPARE(h.score(Army::East), QStringLiteral("3"));
        QVERIFY(h.board().elapsedEditArmed);

        QCOMPARE(h.battle.notice(), first); // in the order of placement
        h.battle.closeNotice();
        QVERIFY(h.battle.notice().startsWith(QStringLiteral("徳川家中翼先鋒：北条家・")));
        h.battle.closeNotice();
        QVERIFY(!h.battle.hasNotice());
    }

    // Whether a typed time is bold, plain or marked unreadable is the board's.
    void typedPlacementTimeAndItsCue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("countdown");
        QTest::newRow("h:m") << "1:5" << true << 65 << "13:05後に配置";
        QTest::newRow("h:mm") << "1:05" << true << 65 << "13:05後に配置";
        QTest::newRow("hh:m") << "12:5" << true << 725 << "00:05後に配置";
        QTest::newRow("hh:mm") << "12:45" << true << 765 << "00:45後に配置";
        QTest::newRow("this minute") << "12:00" << true << 720 << PlacementPassed;
        QTest::newRow("an hour ago") << "11:00" << true << 660 << PlacementPassed;
        QTest::newRow("61 minutes ago") << "10:59" << true << 659 << "22:59後に配置";
        QTest::newRow("24:00 is midnight") << "24:00" << true << 0 << "12:00後に配置";
        QTest::newRow("past a day") << "25:30" << true << 90 << "13:30後に配置";
        QTest::newRow("letters read as nought") << "ab:cd" << true << 0 << "12:00後に配置";
        QTest::newRow("negative hours wrap") << "-1:00" << true << 1380 << "11:00後に配置";
        QTest::newRow("minute count") << "90" << false << 0 << "";
        QTest::newRow("letters") << "abc" << false << 0 << "";
        QTest::newRow("dash for colon") << "1-30" << false << 0 << "";
        QTest::newRow("too long") << "12:345" << false << 0 << "";
        QTest::newRow("emptied") << "" << false << 0 << "";
    }

    void typedPlacementTimeAndItsCue()
    {
        QFETCH(QString, typed);
        QFETCH(bool, armed);
        QFETCH(int, minute);
        QFETCH(QString, countdown);
        BattleHarness h;
        h.awaitPlacement(5, 780);
        QCOMPARE(h.battle.post(5).time.cue, TextCue::Armed);

        h.battle.editTimeText(5, typed);
        QVERIFY(!h.state(5).placeArmed);
        QCOMPARE(h.state(5).placeMinute, 0);
        QCOMPARE(h.battle.post(5).time.cue, TextCue::Plain);
        QCOMPARE(h.battle.post(5).countdown, QString());
        QCOMPARE(h.battle.post(5).time.tooltip, QString());

        h.battle.readTypedPlacementTimes();
        QCOMPARE(h.battle.post(5).time.text, typed);
        QCOMPARE(h.state(5).placeArmed, armed);
        QCOMPARE(h.state(5).placeMinute, minute);
        // An emptied box asks for no placement and is no error.
        const bool unreadable = !armed && !typed.isEmpty();
        h.battle.setAutoPlace(false); // the ticks below place nothing
        for (int tick = 0; tick < 2; ++tick) {
            const PostView p = h.battle.post(5);
            QCOMPARE(p.time.cue, armed ? TextCue::Armed : unreadable ? TextCue::Unreadable : TextCue::Plain);
            QCOMPARE(p.countdown, countdown);
            QCOMPARE(p.time.tooltip, unreadable ? QString::fromUtf16(PlacementTextForms) : countdown);
            h.battle.tick();
        }

        h.battle.editTimeText(5, typed + QStringLiteral("0"));
        QCOMPARE(h.battle.post(5).time.cue, TextCue::Plain);
        QCOMPARE(h.battle.post(5).time.tooltip, QString());
    }

    void typedTimeWaitsForReadBack()
    {
        BattleHarness h;
        h.awaitPlacement(15, 600);
        h.battle.editTimeText(15, QString());
        h.battle.editTimeText(15, QStringLiteral("10:00"));
        h.tickAt(600);
        QCOMPARE(h.status(15), OwnAwaiting);
        QVERIFY(!h.battle.hasNotice());

        h.battle.readTypedPlacementTimes();
        QCOMPARE(h.battle.post(15).countdown, PlacementPassed);
        h.battle.tick();
        QCOMPARE(h.status(15), OwnPresent);
        QCOMPARE(int(h.closeNotices().size()), 1);
    }

    void noticeOptions_data()
    {
        QTest::addColumn<int>("switches");  // changes of the automatic switch
        QTest::addColumn<bool>("tickBox");  // then a tick of the notice box
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("noticeBox");
        QTest::addColumn<bool>("noticeBoxEnabled");
        QTest::newRow("start") << 0 << false << false << true << true << true;
        QTest::newRow("unticked") << 1 << false << false << false << false << false;
        QTest::newRow("ticked again") << 2 << false << false << true << false << true;
        QTest::newRow("unticked again") << 3 << false << false << false << false << false;
        QTest::newRow("unticked, the box greyed out") << 1 << true << false << false << false << false;
        QTest::newRow("ticked again, the box ticked") << 2 << true << false << true << true << true;
        QTest::newRow("unticked, reset") << 1 << false << true << true << true << true;
        QTest::newRow("ticked again, reset") << 2 << false << true << true << true << true;
    }

    void noticeOptions()
    {
        QFETCH(int, switches);
        QFETCH(bool, tickBox);
        QFETCH(bool, reset);
        QFETCH(bool, automatic);
        QFETCH(bool, noticeBox);
        QFETCH(bool, noticeBoxEnabled);
        BattleHarness h;
        for (int k = 0; k < switches; ++k)
            h.battle.setAutoPlace(!h.battle.options().autoPlace);
        if (tickBox)
            h.battle.setNoticeBox(true);
        if (reset)
            h.battle.reset();

        const OptionsView options = h.battle.options();
        QCOMPARE(options.autoPlace, automatic);
        QCOMPARE(options.noticeBox, noticeBox);
        QCOMPARE(options.noticeBoxEnabled, noticeBoxEnabled);
    }
};

QTEST_GUILESS_MAIN(TestBattleClock)
#include "tst_battle_clock.moc"
