// The posts of the battle: what a post shows in each status, the ring both
// ways, the schedule kept across Present, the points of a fallen main general,
// the rates with the balance bar, double clicks and the remembered button, the
// display switch, what build and reset leave, and what the report gathers.
#include "support/battle_harness.h"

#include "clock/clock_helpers.h"
#include "report/report.h"
#include "roster/roster.h"

#include <QtTest>

using namespace vantor;
using namespace vantor::testing;
using namespace std::chrono_literals;

namespace {

constexpr Faction Tokugawa = 4; // the start choice's West
constexpr Faction Hojo = 2;     // and East
const FactionChoice BattleColours{Tokugawa, Hojo, ColourScheme::BattleColours, 0};
const FactionChoice Restoration{Tokugawa, Hojo, ColourScheme::DefaultColours, 1};
const QColor Blue(0x8080FF);
const QColor Red(0xFF8080);

// Everything the views are shown, for the calls that must leave all of it.
QStringList everythingShown(const BattleHarness &h)
{
    const Battle &b = h.battle;
    QStringList all;
    for (int s = 0; s < SlotCount; ++s) {
        const PostView p = b.post(s);
        all << p.generals.main.name << p.generals.vice.details << p.statusWord << p.tag << p.colour.name()
            << p.time.text << QString::number(int(p.time.cue)) << QString::number(p.time.enabled) << p.countdown
            << QString::number(p.shown) << QString::number(h.state(s).placeMinute)
            << QString::number(h.state(s).savedSchedule.has_value());
    }
    all << b.clockCaption() << b.elapsed().text << b.score(Army::West).text << b.score(Army::East).text
        << QString::number(b.rates().west) << QString::number(b.rates().east) << b.forecast().caption
        << b.forecast().message << QString::number(h.board().elapsedMinutes)
        << QString::number(h.board().scoresSettled) << QString::number(h.board().elapsedValid);
    return all;
}

// Leaves a trace in everything the common reset puts back, seven minutes on.
void playABit(BattleHarness &h)
{
    h.take({4});
    h.press(12, Qt::RightButton);
    h.press(0, Qt::LeftButton);
    h.battle.editTimeText(12, QStringLiteral("abc"));
    h.battle.readTypedPlacementTimes();
    h.battle.switchDisplayMode();
    h.battle.switchDisplayMode();
    h.battle.setBattleResults(true);
    h.battle.editScore(Army::West, QStringLiteral("500"));
    h.battle.editScore(Army::East, QStringLiteral("120"));
    h.battle.editElapsedText(QStringLiteral("01:30"));
    h.battle.setAutoPlace(false);
    h.desktop.advanceMinutes(7);
    QCOMPARE(h.battle.post(12).time.cue, TextCue::Unreadable);
}

} // namespace

class TestBattlePosts : public QObject {
    Q_OBJECT
private slots:
    void eachStatusShows_data()
    {
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("namesArmy"); // roster army of the holder: 0 West, 1 East
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("picture"); // 0, 1 the emblems; 2..5 the status icons in tag order
        const QString present = "健在", fighting = "主将戦闘中", awaiting = "主将配置待ち";
        QTest::newRow("West 4 at 0") << false << 4 << 0 << 0 << 0x8080FFu << present << "＄徳川" << 0;
        QTest::newRow("West 4 at 1") << false << 4 << 1 << 0 << 0x0000FFu << fighting << "＄党員" << 5;
        QTest::newRow("West 4 at 2") << false << 4 << 2 << 1 << 0xFFC0C0u << awaiting << "＄売却" << 3;
        QTest::newRow("West 4 at 3") << false << 4 << 3 << 1 << 0xFF8080u << present << "＄北条" << 1;
        QTest::newRow("West 4 at 4") << false << 4 << 4 << 1 << 0xFF0000u << fighting << "＄勧誘" << 4;
        QTest::newRow("West 4 at 5") << false << 4 << 5 << 0 << 0xC0C0FFu << awaiting << "＄買取" << 2;
        QTest::newRow("East 12 at 0") << false << 12 << 0 << 1 << 0xFF8080u << present << "＄北条" << 1;
        QTest::newRow("East 12 at 1") << false << 12 << 1 << 1 << 0xFF0000u << fighting << "＄勧誘" << 4;
        QTest::newRow("East 12 at 2") << false << 12 << 2 << 0 << 0xC0C0FFu << awaiting << "＄買取" << 2;
        QTest::newRow("East 12 at 3") << false << 12 << 3 << 0 << 0x8080FFu << present << "＄徳川" << 0;
        QTest::newRow("East 12 at 4") << false << 12 << 4 << 0 << 0x0000FFu << fighting << "＄党員" << 5;
        QTest::newRow("East 12 at 5") << false << 12 << 5 << 1 << 0xFFC0C0u << awaiting << "＄売却" << 3;
        // The battle colours swap the armies' colours; each tag keeps its colour.
        QTest::newRow("battle West 0 at 0") << true << 0 << 0 << 0 << 0xFF8080u << present << "＄徳川" << 0;
        QTest::newRow("battle West 0 at 1") << true << 0 << 1 << 0 << 0xFF0000u << fighting << "＄勧誘" << 5;
        QTest::newRow("battle West 0 at 2") << true << 0 << 2 << 1 << 0xC0C0FFu << awaiting << "＄買取" << 3;
        QTest::newRow("battle East 15 at 3") << true << 15 << 3 << 0 << 0xFF8080u << present << "＄徳川" << 0;
        QTest::newRow("battle East 15 at 4") << true << 15 << 4 << 0 << 0xFF0000u << fighting << "＄勧誘" << 5;
        QTest::newRow("battle East 15 at 5") << true << 15 << 5 << 1 << 0xC0C0FFu << awaiting << "＄買取" << 3;
    }

    void eachStatusShows()
    {
        QFETCH(bool, battleColours);
        QFETCH(int, slot);
        QFETCH(int, status);
        QFETCH(int, namesArmy);
        QFETCH(QRgb, colour);
        QFETCH(QString, word);
        QFETCH(QString, tag);
        QFETCH(int, picture);
        BattleHarness h(12, 0, battleColours ? BattleColours : FactionChoice{});
        h.press(slot, Qt::MiddleButton, status);

        const PostView p = h.battle.post(slot);
        const Faction holder = namesArmy == 0 ? Tokugawa : Hojo;
        QCOMPARE(p.generals.main.name, rosterName(holder, namesArmy, slot, 0));
        QCOMPARE(p.generals.vice.name, rosterName(holder, namesArmy, slot, 1));
        QCOMPARE(p.generals.main.details, rosterInfo(holder, namesArmy, slot, 0));
        QCOMPARE(p.generals.vice.details, rosterInfo(holder, namesArmy, slot, 1));
        QCOMPARE(p.colour, QColor(colour));
        QCOMPARE(p.statusWord, word);
        QCOMPARE(p.tag, tag);
        QCOMPARE(p.tagPicture, picture);
        const bool awaits = word == QStringLiteral("主将配置待ち");
        QCOMPARE(p.time.enabled, awaits);
        QCOMPARE(p.time.cue, awaits ? TextCue::Armed : TextCue::Plain);
        QCOMPARE(p.time.text, awaits ? QStringLiteral("13:00") : QString());
        QCOMPARE(p.countdown, awaits ? QStringLiteral("01:00後に配置") : QString());
        QCOMPARE(p.time.tooltip, p.countdown);
        QVERIFY(h.board().userInputArmed);
    }

    void scheduleKeptAcrossPresent()
    {
        BattleHarness h(12, 0);
        h.press(4, Qt::RightButton); // 0 -> 5, due 13:00
        h.desktop.set(12, 10);
        h.press(4, Qt::LeftButton); // 5 -> 0 keeps the schedule
        QCOMPARE(h.battle.post(4).time.text, QString());
        QVERIFY(!h.state(4).placeArmed);
        QVERIFY(h.state(4).savedSchedule);

        h.desktop.set(12, 25);
        h.press(4, Qt::RightButton); // 0 -> 5 brings it back, counting from now
        QCOMPARE(h.status(4), OwnAwaiting);
        QCOMPARE(h.battle.post(4).time.text, QStringLiteral("13:00"));
        QCOMPARE(h.state(4).placeMinute, 780);
        QCOMPARE(h.battle.post(4).time.cue, TextCue::Armed);
        QCOMPARE(h.battle.post(4).countdown, QStringLiteral("00:35後に配置"));
        QVERIFY(!h.state(4).savedSchedule);

        // Used up: the next step into an Awaiting status schedules afresh.
        h.press(4, Qt::RightButton, 3); // 5 -> 4 -> 3 -> 2
        QCOMPARE(h.status(4), RivalAwaiting);
        QCOMPARE(h.battle.post(4).time.text, QStringLiteral("13:25"));
        QCOMPARE(h.state(4).placeMinute, 805);
        QCOMPARE(h.battle.post(4).countdown, QStringLiteral("01:00後に配置"));

        // A fresh schedule drops what was kept, too.
        h.press(4, Qt::LeftButton); // 2 -> 3 keeps 13:25
        h.desktop.set(12, 40);
        h.press(4, Qt::LeftButton, 2); // 3 -> 4 -> 5, due 13:40
        h.press(4, Qt::RightButton, 3); // 5 -> 4 -> 3 -> 2
        QCOMPARE(h.battle.post(4).time.text, QStringLiteral("13:40"));
    }

    // A typed time that was never read back comes back unread with its schedule,
    // and the read-back wait starts again for it.
    void restoredTypedTimeIsReadAgain()
    {
        BattleHarness h(12, 0, {}, Battle::Waits{.placementEdit = 20ms});
        h.press(13, Qt::RightButton);
        h.press(5, Qt::RightButton);
        h.battle.editTimeText(13, QStringLiteral("14:45"));
        h.battle.editTimeText(5, QStringLiteral("15:00"));
        h.press(13, Qt::LeftButton); // into Present, the typed time unread
        QTRY_VERIFY(h.state(5).placeArmed); // the wait has run out while 13 was Present
        QVERIFY(!h.state(13).savedSchedule->placeArmed);

        h.press(13, Qt::RightButton);
        QCOMPARE(h.battle.post(13).time.text, QStringLiteral("14:45"));
        QCOMPARE(h.battle.post(13).time.cue, TextCue::Plain);
        QCOMPARE(h.battle.post(13).countdown, QString());
        QVERIFY(!h.state(13).placeArmed);
        QTRY_VERIFY(h.state(13).placeArmed);
        QCOMPARE(h.state(13).placeMinute, 885);
        QCOMPARE(h.battle.post(13).countdown, QStringLiteral("02:45後に配置"));
    }

    void pointsOfAFallenMainGeneral_data()
    {
        QTest::addColumn<bool>("results");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("westBack"); // after a right press straight back
        QTest::addColumn<QString>("eastBack");
        // Both scores start at 1000.
        QTest::newRow("West rear guard 0 falls") << true << 0 << 1 << Qt::LeftButton << "1000" << "1400" << "1000" << "1000";
        QTest::newRow("West middle 4 falls") << true << 4 << 1 << Qt::LeftButton << "1000" << "1300" << "1000" << "1000";
        QTest::newRow("West vanguard 7 falls") << true << 7 << 1 << Qt::LeftButton << "1000" << "1200" << "1000" << "1000";
        QTest::newRow("East holder of 4 falls") << true << 4 << 4 << Qt::LeftButton << "1300" << "1000" << "1000" << "1000";
        QTest::newRow("East rear guard 16 falls") << true << 16 << 1 << Qt::LeftButton << "1400" << "1000" << "1000" << "1000";
        QTest::newRow("East vanguard 10 falls") << true << 10 << 1 << Qt::LeftButton << "1200" << "1000" << "1000" << "1000";
        QTest::newRow("West holder of 13 falls") << true << 13 << 4 << Qt::LeftButton << "1000" << "1300" << "1000" << "1000";
        QTest::newRow("middle button credits nothing, the way back still debits")
            << true << 4 << 1 << Qt::MiddleButton << "1000" << "1000" << "1000" << "700";
        QTest::newRow("from 2 forward into Present: no points")
            << true << 4 << 2 << Qt::LeftButton << "1000" << "1000" << "1000" << "1000";
        QTest::newRow("no points without the battle results")
            << false << 4 << 1 << Qt::LeftButton << "1000" << "1000" << "1000" << "1000";
    }

    void pointsOfAFallenMainGeneral()
    {
        QFETCH(bool, results);
        QFETCH(int, slot);
        QFETCH(int, from);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, west);
        QFETCH(QString, east);
        QFETCH(QString, westBack);
        QFETCH(QString, eastBack);
        BattleHarness h;
        h.press(slot, Qt::MiddleButton, from);
        h.enterScores(QStringLiteral("1000"), QStringLiteral("1000"));
        h.battle.setBattleResults(results);

        h.press(slot, button);
        QCOMPARE(h.score(Army::West), west);
        QCOMPARE(h.score(Army::East), east);
        h.press(slot, Qt::RightButton);
        QCOMPARE(int(h.status(slot)), from);
        QCOMPARE(h.score(Army::West), westBack);
        QCOMPARE(h.score(Army::East), eastBack);
        QVERIFY(!h.board().scoreChangeSuppressed);
    }

    void ratesAndBalanceBar_data()
    {
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<QList<int>>("taken");
        QTest::addColumn<int>("presses"); // left presses on each of those posts
        QTest::addColumn<int>("westRate");
        QTest::addColumn<int>("eastRate");
        const QList<int> allEast{9, 10, 11, 12, 13, 14, 15, 16, 17};
        QTest::newRow("West middle 4 falls") << false << QList<int>{4} << 2 << 0 << 2;
        QTest::newRow("all nine East posts taken") << false << allEast << 2 << 21 << 0;
        QTest::newRow("all nine East posts, battle colours") << true << allEast << 2 << 21 << 0;
        QTest::newRow("all East held at 3") << false << allEast << 3 << 21 << 0;
        QTest::newRow("all East and West rear guard 0") << false << allEast + QList<int>{0} << 2 << 17 << 0;
        QTest::newRow("all East and the West rear guard") << false << allEast + QList<int>{0, 1, 2} << 2 << 9 << 0;
        QTest::newRow("equal weights cancel") << false << QList<int>{4, 13} << 2 << 0 << 0;
        QTest::newRow("East vanguard against West rear guard") << false << QList<int>{0, 10} << 4 << 0 << 3;
        QTest::newRow("back in own hands at 5") << false << QList<int>{0, 15} << 5 << 0 << 0;
    }

    void ratesAndBalanceBar()
    {
        QFETCH(bool, battleColours);
        QFETCH(QList<int>, taken);
        QFETCH(int, presses);
        QFETCH(int, westRate);
        QFETCH(int, eastRate);
        BattleHarness h(12, 0, battleColours ? BattleColours : FactionChoice{});
        for (int slot : taken)
            h.press(slot, Qt::LeftButton, presses);

        QCOMPARE(h.battle.rates().west, westRate);
        QCOMPARE(h.battle.rates().east, eastRate);
        const QColor west = battleColours ? Red : Blue;
        const QColor east = battleColours ? Blue : Red;
        const auto cells = h.battle.balance();
        for (int k = 0; k < BalanceCells; ++k)
            QCOMPARE(cells[k], k < westRate ? west : k >= BalanceCells - eastRate ? east : QColor(NeutralGrey));
    }

    void pressesStepTheRing_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("status"); // after a left press and this one
        QTest::addColumn<Qt::MouseButton>("remembered");
        QTest::newRow("left") << Qt::LeftButton << 2 << Qt::LeftButton;
        QTest::newRow("middle steps forward") << Qt::MiddleButton << 2 << Qt::MiddleButton;
        QTest::newRow("right steps back") << Qt::RightButton << 0 << Qt::RightButton;
        QTest::newRow("back button ignored") << Qt::BackButton << 1 << Qt::LeftButton;
        QTest::newRow("forward button ignored") << Qt::ForwardButton << 1 << Qt::LeftButton;
    }

    void pressesStepTheRing()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, status);
        QFETCH(Qt::MouseButton, remembered);
        BattleHarness h;
        h.press(4, Qt::LeftButton);
        h.press(4, button);
        QCOMPARE(int(h.status(4)), status);
        QCOMPARE(h.board().lastMouseButton, remembered);
        for (int s = 0; s < SlotCount; ++s)
            QCOMPARE(int(h.status(s)), s == 4 ? status : 0);
    }

    void everyPostRunsTheRingBothWays()
    {
        BattleHarness h;
        for (int slot = 0; slot < SlotCount; ++slot) {
            for (int k = 1; k <= 6; ++k) {
                h.press(slot, Qt::LeftButton);
                QCOMPARE(int(h.status(slot)), k % 6);
            }
            for (int k = 5; k >= 0; --k) {
                h.press(slot, Qt::RightButton);
                QCOMPARE(int(h.status(slot)), k);
            }
        }
    }

    void restorationPostsTakeNoInput()
    {
        BattleHarness h(12, 0, Restoration);
        for (int slot : {9, 10, 11}) {
            QVERIFY(!h.battle.post(slot).shown);
            h.press(slot, Qt::LeftButton);
            h.battle.doubleClickPost(slot, false);
            h.battle.doubleClickPost(slot, true);
        }
        for (int s = 0; s < SlotCount; ++s)
            QCOMPARE(h.status(s), OwnPresent);
        QCOMPARE(h.board().lastMouseButton, Qt::NoButton);
    }

    // The press before a double click has stepped once; the double click steps
    // again with the remembered button, or none on the status word.
    void doubleClicks_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("onStatusWord");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        // Both scores start at 1000.
        QTest::newRow("left on 12: the second step credits West") << 12 << Qt::LeftButton << false << 0 << 2 << "1300" << "1000";
        QTest::newRow("right on 12: the second step debits East") << 12 << Qt::RightButton << false << 0 << 4 << "1000" << "700";
        QTest::newRow("left on 0") << 0 << Qt::LeftButton << false << 0 << 2 << "1000" << "1400";
        QTest::newRow("left on 13 from 3") << 13 << Qt::LeftButton << false << 3 << 5 << "1000" << "1300";
        QTest::newRow("right on 4 from 2") << 4 << Qt::RightButton << false << 2 << 0 << "1000" << "700";
        QTest::newRow("left on the word of 0: no points") << 0 << Qt::LeftButton << true << 0 << 2 << "1000" << "1000";
        QTest::newRow("left on the word of 13 from 3") << 13 << Qt::LeftButton << true << 3 << 5 << "1000" << "1000";
        QTest::newRow("right on the word of 0: back, then forward") << 0 << Qt::RightButton << true << 0 << 0 << "1000" << "1000";
        QTest::newRow("right on the word of 4 from 2: points back once") << 4 << Qt::RightButton << true << 2 << 2 << "1000" << "700";
    }

    void doubleClicks()
    {
        QFETCH(int, slot);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, onStatusWord);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, west);
        QFETCH(QString, east);
        BattleHarness h;
        h.press(slot, Qt::MiddleButton, from);
        h.enterScores(QStringLiteral("1000"), QStringLiteral("1000"));

        h.press(slot, button);
        h.battle.doubleClickPost(slot, onStatusWord);

        QCOMPARE(int(h.status(slot)), to);
        QCOMPARE(h.score(Army::West), west);
        QCOMPARE(h.score(Army::East), east);
        QCOMPARE(h.board().lastMouseButton, button);
    }

    void doubleClickRemembersTheLastPressOnAnyPost()
    {
        BattleHarness h;
        h.press(3, Qt::RightButton);
        h.press(7, Qt::LeftButton);
        h.battle.doubleClickPost(7, false);
        QCOMPARE(h.status(3), OwnAwaiting);
        QCOMPARE(h.status(7), RivalAwaiting);

        h.press(3, Qt::RightButton);
        h.battle.doubleClickPost(7, false); // with the right button pressed on post 3
        QCOMPARE(h.status(3), RivalFighting);
        QCOMPARE(h.status(7), OwnFighting);
    }

    void displaySwitchCyclesAndChangesNothingElse()
    {
        BattleHarness h(12, 0, Restoration);
        h.take({4});
        h.battle.editTimeText(4, QStringLiteral("13:007"));
        const QStringList before = everythingShown(h);
        for (int n = 1; n <= 4; ++n) {
            h.battle.switchDisplayMode();
            QCOMPARE(int(h.battle.displayMode()), n % 3);
            QCOMPARE(everythingShown(h), before);
        }
    }

    void startState_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<FactionChoice>("choice");
        QTest::addColumn<QString>("westName");
        QTest::addColumn<QString>("eastName");
        QTest::addColumn<QStringList>("statusTags");
        const QStringList defaultTags{"＄買取", "＄売却", "＄勧誘", "＄党員"};
        const QStringList battleTags{"＄売却", "＄買取", "＄党員", "＄勧誘"};
        const struct {
            const char *name;
            FactionChoice choice;
            const char *west, *east;
        } rows[] = {
            {"start pair", {}, "徳川家", "北条家"},
            {"start pair, battle colours", BattleColours, "徳川家", "北条家"},
            {"restoration", {0, 13, ColourScheme::DefaultColours, 1}, "上杉家", "雑賀衆"},
            {"restoration, battle colours", {13, 7, ColourScheme::BattleColours, 1}, "雑賀衆", "本願寺"},
            {"great battle", {14, 15, ColourScheme::BattleColours, 0}, "西軍", "東軍"},
        };
        // "build again" comes from another choice, restoration included.
        for (const char *how : {"build", "reset", "build again"}) {
            for (const auto &row : rows)
                QTest::addRow("%s: %s", how, row.name)
                    << QString::fromLatin1(how) << row.choice << QString::fromUtf8(row.west)
                    << QString::fromUtf8(row.east)
                    << (row.choice.Colours == ColourScheme::BattleColours ? battleTags : defaultTags);
        }
    }

    void startState()
    {
        QFETCH(QString, how);
        QFETCH(FactionChoice, choice);
        QFETCH(QString, westName);
        QFETCH(QString, eastName);
        QFETCH(QStringList, statusTags);
        BattleHarness h(12, 0, how == "build again" ? FactionChoice{2, 3, ColourScheme::DefaultColours, 1} : choice);
        if (how != "build") {
            playABit(h);
            if (how == "reset")
                h.battle.reset();
            else
                h.battle.build(choice);
        }
        const Battle &b = h.battle;
        const BattleBoard &board = h.board();

        QCOMPARE(b.title(), QStringLiteral("Vantor　%1×%2　合戦状況").arg(westName, eastName));
        QCOMPARE(b.factionCaption(Army::West), westName + QStringLiteral("(西軍)"));
        QCOMPARE(b.factionCaption(Army::East), eastName + QStringLiteral("(東軍)"));
        QCOMPARE(QStringList(board.statusWords.begin(), board.statusWords.end()),
                 (QStringList{"健在", "主将戦闘中", "主将配置待ち"}));
        QCOMPARE(board.macroTags[0], factionTag(choice.WestFaction));
        QCOMPARE(board.macroTags[1], factionTag(choice.EastFaction));
        QCOMPARE(QStringList(board.macroTags.begin() + 2, board.macroTags.end()), statusTags);
        // Build writes the clock; reset keeps it, with the accrual minute and the button.
        QCOMPARE(b.clockCaption(), how == "build again" ? QStringLiteral("12:07") : QStringLiteral("12:00"));
        QCOMPARE(board.scoreAccrualMinute, how == "build" ? 0 : 720);
        QCOMPARE(board.lastMouseButton, how == "build" ? Qt::NoButton : Qt::LeftButton);

        const bool westBlue = choice.Colours == ColourScheme::DefaultColours;
        for (int s = 0; s < SlotCount; ++s) {
            const PostState &post = h.state(s);
            for (int role : {0, 1}) {
                const General &west = role == 0 ? post.west.main : post.west.vice;
                const General &east = role == 0 ? post.east.main : post.east.vice;
                QCOMPARE(west.name, rosterName(choice.WestFaction, 0, s, role));
                QCOMPARE(west.details, rosterInfo(choice.WestFaction, 0, s, role));
                QCOMPARE(east.name, rosterName(choice.EastFaction, 1, s, role));
                QCOMPARE(east.details, rosterInfo(choice.EastFaction, 1, s, role));
            }
            const bool westPost = armyOfSlot(s) == Army::West;
            const PostView p = b.post(s);
            QCOMPARE(p.generals.main.name, (westPost ? post.west : post.east).main.name);
            QCOMPARE(p.statusWord, QStringLiteral("健在"));
            QCOMPARE(p.tag, board.macroTags[westPost ? 0 : 1]);
            QCOMPARE(p.colour, westPost == westBlue ? Blue : Red);
            QCOMPARE(p.time.text, QString());
            QVERIFY(!p.time.enabled);
            QCOMPARE(p.time.cue, TextCue::Plain);
            QCOMPARE(p.countdown, QString());
            QCOMPARE(p.shown, !(choice.RestorationFaction == 1 && s >= 9 && s <= 11));
            QCOMPARE(post.status, OwnPresent);
            QCOMPARE(post.placeMinute, 0);
            QVERIFY(!post.placeArmed);
            QVERIFY(!post.savedSchedule);
        }

        QCOMPARE(b.elapsed().text, QStringLiteral("00:00"));
        QCOMPARE(b.elapsed().cue, TextCue::Plain);
        QCOMPARE(board.elapsedMinutes, 0);
        QCOMPARE(board.lastTickMinute, clockMinutes(h.desktop.time));
        QVERIFY(board.elapsedValid && board.elapsedEditArmed && board.userInputArmed);
        QCOMPARE(b.displayMode(), DisplayMode::NamesAndStatus);
        QCOMPARE(b.rates(), (Rates{0, 0}));
        for (const QColor &cell : b.balance())
            QCOMPARE(cell, QColor(NeutralGrey));
        for (Army army : {Army::West, Army::East}) {
            QCOMPARE(b.score(army).text, QStringLiteral("0"));
            QVERIFY(!b.score(army).enabled);
        }
        QVERIFY(!board.scoresSettled && !board.scoreChangeSuppressed);
        QVERIFY(!b.forecast().shown);
        QCOMPARE(b.forecast().message, QString());
        const OptionsView options = b.options();
        QVERIFY(!options.battleResults);
        QVERIFY(options.autoPlace && options.noticeBox && options.noticeBoxEnabled);
    }

    void reportGathersTheBoard()
    {
        BattleHarness h(12, 0, Restoration);
        h.press(12, Qt::RightButton); // East own awaiting, due 13:00
        h.press(8, Qt::RightButton);
        h.battle.editTimeText(8, QString()); // West own awaiting, its time emptied
        h.take({0});                         // East awaiting at a West post, due 13:00
        h.desktop.set(12, 34);
        h.battle.editElapsedText(QStringLiteral("00:34"));
        const QStringList before = everythingShown(h);

        BoardSnapshot expected;
        expected.westName = QStringLiteral("徳川家");
        expected.eastName = QStringLiteral("北条家");
        expected.restoration = 1;
        for (int k = 0; k < SlotCount; ++k) {
            expected.statuses[k] = k == 0 ? RivalAwaiting : k == 8 || k == 12 ? OwnAwaiting : OwnPresent;
            expected.westMainNames[k] = rosterName(Tokugawa, 0, k, 0);
            expected.eastMainNames[k] = rosterName(Hojo, 1, k, 0);
            expected.captions[k] = postCaption(k);
            expected.timeTexts[k] = k == 0 || k == 12 ? QStringLiteral("13:00") : QString();
        }
        expected.nowText = QStringLiteral("12:34");
        expected.elapsedText = QStringLiteral("00:34");
        QCOMPARE(h.battle.report(), composeReport(expected));
        QCOMPARE(everythingShown(h), before);
    }

    // A paste keeps its printable text only: a line break in a time must not
    // reach the chat as a line of its own.
    void pastedControlCharactersStayOut()
    {
        BattleHarness h;
        h.press(4, Qt::RightButton);
        h.battle.editTimeText(4, QStringLiteral("12:30\r\n45"));
        h.battle.editElapsedText(QStringLiteral("\x1b[2J1:00"));
        h.battle.setBattleResults(true);
        h.battle.editScore(Army::West, QStringLiteral("1\u00002"));
        QCOMPARE(h.state(4).timeText, QStringLiteral("12:3045"));
        QCOMPARE(h.board().elapsedText, QStringLiteral("[2J1:00"));
        QCOMPARE(h.score(Army::West), QStringLiteral("12"));
        QCOMPARE(h.battle.report().count(QStringLiteral("\r\n")), 12);
    }

    // A screen reader hears where a post is and how it stands, then who holds it
    // and when a general is due.
    void whatAScreenReaderHears()
    {
        BattleHarness h(11, 0);
        QCOMPARE(h.battle.post(4).accessibleName, QStringLiteral("西軍の中翼中備：健在"));
        QCOMPARE(h.battle.post(4).accessibleDescription, QStringLiteral("徳川家・") + rosterName(Tokugawa, 0, 4, 0));
        h.take({4});
        QCOMPARE(h.battle.post(4).accessibleName, QStringLiteral("西軍の中翼中備：主将配置待ち"));
        QCOMPARE(h.battle.post(4).accessibleDescription,
                 QStringLiteral("北条家・") + rosterName(Hojo, 1, 4, 0) + QStringLiteral("、配置予定 12:00（01:00後に配置）"));
        QCOMPARE(h.battle.post(13).accessibleName, QStringLiteral("東軍の中翼中備：健在"));
    }

    // A post the clock switches, or whose typed time is read, stands out for a
    // moment; the real loop clears the mark.
    void switchedPostsAreMarkedForAMoment()
    {
        using namespace std::chrono_literals;
        BattleHarness h(11, 0, {}, Battle::Waits{10s, 30s, 10s, 10s, 50ms});
        h.press(4, Qt::RightButton);
        h.press(7, Qt::RightButton);
        h.battle.editTimeText(7, QStringLiteral("13:00"));
        QVERIFY(!h.battle.post(4).marked && !h.battle.post(7).marked);
        h.tickAt(12 * 60);
        h.battle.readTypedPlacementTimes();
        QVERIFY(h.battle.post(4).marked);
        QVERIFY(h.battle.post(7).marked);
        QVERIFY(!h.battle.post(5).marked);
        QTRY_VERIFY(!h.battle.post(4).marked && !h.battle.post(7).marked);
    }
};

QTEST_GUILESS_MAIN(TestBattlePosts)
#include "tst_battle_posts.moc"
