// Plays simulated days on the battle: a player pressing and double clicking the
// posts with every mouse button, typing times and scores key by key, sensible
// and garbage alike, stepping and awarding scores, switching displays, options
// and factions and resetting, and closing each placement notice after a while,
// while the battle's waits run on a simulated clock that also crosses midnight,
// runs late and is set back and forward. Everything is drawn from one seeded
// random source, so a seed replays the same days.
//
// The player makes the calls the window makes and only where the window can
// make them: a hidden post, a greyed-out box or button takes no mouse or keys,
// and a placement notice, window-modal, holds the board's input until it is
// closed. The desktop's clock and the machine go on meanwhile. After every call
// and every wait that runs, the invariants of soak_invariants.h are checked; the
// first broken one stops the play and is reported with the events before it.
#pragma once

#include "soak/simulated_loop.h"
#include "soak/soak_invariants.h"
#include "support/fake_desktop.h"

#include <deque>
#include <random>

namespace vantor::soak {

inline constexpr qint64 SecondsPerDay = 24 * 60 * 60;

struct Tally {
    qint64 events = 0; // the player's moves; a key is one call, but the typing one move
    qint64 ticks = 0; // of the clock
    qint64 readBacks = 0; // one-shot waits run: typed times read back, scores settled
    qint64 placements = 0; // automatic ones, at a tick
    qint64 notices = 0; // closed by the player
    qint64 mostNoticesWaiting = 0;
    qint64 beeps = 0; // placements with the notice box unticked
};

class SoakPlayer {
public:
    SoakPlayer(SimulatedLoop &loop, quint64 seed, int startSecondOfDay = 9 * 3600)
        : m_loop(loop)
        , m_random(seed)
        , m_origin(loop.now())
        , m_startMs(qint64(startSecondOfDay) * 1000)
    {
        setWallClock();
        m_battle.build(FactionChoice{});
    }

    // Plays until the simulated clock has run `seconds` further; false with
    // fault() filled when an invariant broke.
    bool play(qint64 seconds)
    {
        const qint64 end = m_loop.now() + seconds * 1000;
        check();
        while (m_fault.isEmpty()) {
            // Now and then the player is busy in the game for a while, and the
            // placements and their notices pile up.
            std::exponential_distribution<double> gap(1.0 / 25000.0);
            const qint64 pause = chance(0.01) ? 60000 * (5 + roll(55)) : 1000 + qint64(gap(m_random));
            runWaitsUntil(qMin(end, m_loop.now() + pause));
            if (!m_fault.isEmpty() || m_loop.now() >= end)
                break;
            playOneEvent();
        }
        return m_fault.isEmpty();
    }

    const QString &fault() const { return m_fault; }
    const Tally &tally() const { return m_tally; }

private:
    SimulatedLoop &m_loop;
    testing::FakeDesktop m_desktop;
    const Battle::Waits m_waits{};
    Battle m_battle{m_desktop, m_waits};
    std::mt19937_64 m_random;
    const qint64 m_origin; // the loop's time when the play began
    const qint64 m_startMs; // the time of day then
    qint64 m_wallOffset = 0; // how far the desktop's clock was set forward (or back)
    Tally m_tally;
    std::deque<OwedNotice> m_owed;
    qint64 m_informationSounds = 0;
    qint64 m_otherSounds = 0;
    bool m_afterTick = false;
    std::deque<QString> m_log;
    QString m_eventFault; // one an event found itself
    QString m_fault;

    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <typename T> T pick(std::initializer_list<T> options)
    {
        return options.begin()[roll(int(options.size()))];
    }

    static QString armyName(Army army) { return army == Army::West ? QStringLiteral("West") : QStringLiteral("East"); }

    qint64 played() const { return m_loop.now() - m_origin; }

    void setWallClock()
    {
        const qint64 msPerDay = SecondsPerDay * 1000;
        m_desktop.time = QTime::fromMSecsSinceStartOfDay(
            int(((m_startMs + played() + m_wallOffset) % msPerDay + msPerDay) % msPerDay));
    }

    void note(const QString &event)
    {
        m_log.push_back(QStringLiteral("[day %1 +%2 wall %3] %4")
                            .arg(played() / (SecondsPerDay * 1000) + 1)
                            .arg(QTime::fromMSecsSinceStartOfDay(int(played() % (SecondsPerDay * 1000)))
                                     .toString(QStringLiteral("HH:mm:ss.zzz")),
                                 m_desktop.time.toString(QStringLiteral("HH:mm:ss")), event));
        if (m_log.size() > 60)
            m_log.pop_front();
    }

    void check()
    {
        for (int kind : std::exchange(m_desktop.sounds, {}))
            ++(kind == 3 ? m_informationSounds : m_otherSounds);
        Observed o = observe(m_battle, m_desktop, m_loop, m_waits);
        o.afterTick = std::exchange(m_afterTick, false);
        o.owed = m_owed;
        o.placements = m_tally.placements;
        o.silentPlacements = m_tally.beeps;
        o.informationSounds = m_informationSounds;
        o.otherSounds = m_otherSounds;
        const QString broken = m_eventFault.isEmpty() ? brokenInvariant(o) : m_eventFault;
        if (broken.isEmpty())
            return;
        m_fault = QStringLiteral("broken after %1:\n  %2\nlast events:\n")
                      .arg(m_log.empty() ? QStringLiteral("the start") : m_log.back(), broken);
        for (const QString &line : m_log)
            m_fault += QStringLiteral("  ") + line + u'\n';
    }

    template <typename Call> void act(const QString &event, Call call)
    {
        if (!m_fault.isEmpty())
            return;
        note(event);
        call();
        check();
    }

    // Runs every wait that falls due by `until`, in the loop's order, each at its time.
    void runWaitsUntil(qint64 until)
    {
        while (m_fault.isEmpty()) {
            const auto next = m_loop.nextDue(until);
            if (!next)
                break;
            m_loop.advanceTo(next->due);
            setWallClock();
            const auto *timer = qobject_cast<const QTimer *>(next->object);
            if (timer && !timer->isSingleShot()) {
                tick(next->id);
            } else {
                ++m_tally.readBacks;
                act(next->interval == m_waits.placementEdit.count()
                        ? QStringLiteral("the placement times' read-back runs")
                        : QStringLiteral("a %1 s wait runs (elapsed read-back or score settle)")
                              .arg(next->interval / 1000),
                    [&] { m_loop.fire(next->id); });
            }
        }
        m_loop.advanceTo(until);
        setWallClock();
    }

    void tick(int timer)
    {
        ++m_tally.ticks;
        const auto before = m_battle.board().statuses();
        const bool noticeBox = m_battle.options().noticeBox;
        act(QStringLiteral("clock tick"), [&] {
            m_loop.fire(timer);
            // The tick's only steps are its placements: the general due takes the post.
            for (int s = 0; s < SlotCount; ++s) {
                const int after = m_battle.board().posts[s].status;
                if (after == before[s])
                    continue;
                if (after != (before[s] == OwnAwaiting ? OwnPresent : before[s] == RivalAwaiting ? RivalPresent : -1))
                    m_eventFault
                        = QStringLiteral("the tick stepped post %1 from %2 to %3").arg(s).arg(before[s]).arg(after);
                ++m_tally.placements;
                if (noticeBox)
                    m_owed.push_back({s, m_battle.post(s).generals.main.name});
                else
                    ++m_tally.beeps;
            }
            m_afterTick = true;
            m_tally.mostNoticesWaiting = std::max<qint64>(m_tally.mostNoticesWaiting, m_owed.size());
        });
    }

    void playOneEvent()
    {
        ++m_tally.events;
        const int kind = roll(100);
        if (kind >= 98)
            runLate();
        else if (kind >= 93)
            moveWallClock();
        else if (m_battle.hasNotice())
            act(QStringLiteral("close the notice"), [&] {
                m_battle.closeNotice();
                if (!m_owed.empty()) // the checks have seen to it
                    m_owed.pop_front();
                ++m_tally.notices;
            });
        else if (kind < 40)
            pressPost();
        else if (kind < 50)
            doubleClickPost();
        else if (kind < 59)
            typeTimeBox();
        else if (kind < 63)
            typeInto(QStringLiteral("elapsed box"), m_battle.elapsed().text,
                     chance(0.4) ? QString::number(roll(100)) : timeText(),
                     [&](const QString &text) { m_battle.editElapsedText(text); });
        else if (kind < 69)
            typeScore();
        else if (kind < 75)
            pressStep();
        else if (kind < 78)
            award();
        else if (kind < 82)
            clickBattleResults();
        else if (kind < 84)
            clickNoticeOption();
        else if (kind < 88)
            act(QStringLiteral("display switch from mode %1").arg(int(m_battle.displayMode())),
                [&] { m_battle.switchDisplayMode(); });
        else if (kind == 88)
            act(QStringLiteral("初期化"), [&] { m_battle.reset(); });
        else if (kind == 89)
            chooseFactions();
        else
            pressPost();
    }

    Qt::MouseButton anyButton()
    {
        return pick({Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::RightButton, Qt::MiddleButton,
                     Qt::BackButton});
    }

    // A post the player can see.
    int shownPost()
    {
        for (;;)
            if (const int slot = roll(SlotCount); m_battle.post(slot).shown)
                return slot;
    }

    QString postEvent(const char *what, int slot, Qt::MouseButton button)
    {
        return QStringLiteral("%1 post %2 button %3 (status %4)")
            .arg(QLatin1String(what))
            .arg(slot)
            .arg(int(button))
            .arg(int(m_battle.board().posts[slot].status));
    }

    void pressPost()
    {
        const int slot = shownPost();
        const Qt::MouseButton button = anyButton();
        act(postEvent("press", slot, button), [&] { m_battle.pressPost(slot, button); });
    }

    // Qt's order: press, release, press, double click, release. The status word
    // can be hit only where the display shows it.
    void doubleClickPost()
    {
        const int slot = shownPost();
        const Qt::MouseButton button = anyButton();
        const bool onStatus = m_battle.displayMode() == DisplayMode::NamesAndStatus && roll(11) == 0;
        for (int press = 0; press < 2; ++press)
            act(postEvent("press", slot, button), [&] { m_battle.pressPost(slot, button); });
        act(postEvent(onStatus ? "double click on the status word of" : "double click", slot, button),
            [&] { m_battle.doubleClickPost(slot, onStatus); });
    }

    // The keys of one typing: over all the box holds, at its end, or over one
    // character picked with the mouse (often typed again as it was), perhaps
    // after a backspace. Each key that puts or takes a character is an edit,
    // even one that puts back the same.
    template <typename Edit> void typeInto(const QString &box, const QString &held, QString typed, Edit edit)
    {
        QString text = held;
        qsizetype from = 0;
        qsizetype to = held.size();
        if (const int where = roll(10); where == 0 || (where == 1 && held.isEmpty())) {
            from = held.size();
        } else if (where == 1) {
            to = (from = roll(int(held.size()))) + 1;
            if (chance(0.5))
                typed = held.mid(from, 1);
        }
        const auto key = [&](const QString &put) {
            if (put.isEmpty() && from == to) {
                if (from == 0)
                    return; // a backspace at the start takes nothing
                --from;
            }
            const QString was = text;
            text.replace(from, to - from, put);
            from = to = from + put.size();
            act(QStringLiteral("key into the %1: \"%2\" → \"%3\"").arg(box, was, text), [&] { edit(text); });
        };
        if (chance(0.2))
            key(QString());
        for (QChar c : typed)
            key(QString(c));
    }

    QString randomDigits(int maxLength, bool colon)
    {
        QString text;
        for (int i = roll(maxLength + 1); i > 0; --i)
            text += colon && roll(4) == 0 ? QChar(u':') : QChar(u'0' + roll(10));
        return text;
    }

    QString timeText()
    {
        switch (roll(4)) {
        case 0:
            return QStringLiteral("%1:%2").arg(roll(24)).arg(roll(60), 2, 10, QChar(u'0'));
        case 1:
            return QStringLiteral("%1:%2").arg(roll(30)).arg(roll(70));
        case 2:
            return randomDigits(7, true);
        default:
            return pick({QStringLiteral(""), QStringLiteral("abc"), QStringLiteral("24:00"), QStringLiteral("23:59"),
                         QStringLiteral("0:00"), QStringLiteral("99:99"), QStringLiteral("１２:００"),
                         QStringLiteral("　"), QStringLiteral("-1:30"), QStringLiteral("12:345"), QStringLiteral("1e3"),
                         QStringLiteral("12.5")});
        }
    }

    void typeTimeBox()
    {
        QList<int> open; // the boxes that take keys: a general awaits there
        for (int s = 0; s < SlotCount; ++s)
            if (m_battle.post(s).shown && m_battle.post(s).time.enabled)
                open << s;
        if (open.isEmpty())
            return pressPost();
        const int slot = open[roll(int(open.size()))];
        typeInto(QStringLiteral("time box of post %1").arg(slot), m_battle.post(slot).time.text, timeText(),
                 [&](const QString &text) { m_battle.editTimeText(slot, text); });
    }

    QString scoreText()
    {
        switch (roll(3)) {
        case 0:
            return QString::number(roll(20000));
        case 1:
            return randomDigits(7, false);
        default:
            return pick({QStringLiteral("-50"), QStringLiteral("100000"), QStringLiteral("99999"),
                         QStringLiteral("1e9"), QStringLiteral("-1e9"), QStringLiteral("nan"), QStringLiteral("inf"),
                         QStringLiteral("12.5"), QStringLiteral("  42abc"), QStringLiteral("-0"), QStringLiteral("")});
        }
    }

    // The score boxes and step buttons are greyed out without 戦果表示: the player ticks it first.
    void typeScore()
    {
        if (!m_battle.options().battleResults)
            return clickBattleResults();
        const Army army = chance(0.5) ? Army::West : Army::East;
        typeInto(armyName(army) + QStringLiteral(" score"), m_battle.score(army).text, scoreText(),
                 [&](const QString &text) { m_battle.editScore(army, text); });
    }

    void pressStep()
    {
        if (!m_battle.options().battleResults)
            return clickBattleResults();
        const Army army = chance(0.5) ? Army::West : Army::East;
        const int points = pick({100, 10, 1});
        const Qt::MouseButton button = anyButton();
        const StepDirection direction = button == Qt::LeftButton    ? StepDirection::Up
                                        : button == Qt::RightButton ? StepDirection::Down
                                                                    : StepDirection::Still;
        act(QStringLiteral("press the %1 step %2 with button %3 (score \"%4\")")
                .arg(armyName(army))
                .arg(points)
                .arg(int(button))
                .arg(m_battle.score(army).text),
            [&] { m_battle.stepScore(army, points, direction); });
    }

    void award()
    {
        const Army army = chance(0.5) ? Army::West : Army::East;
        const Award prize = westAwards()[roll(int(westAwards().size()))];
        act(QStringLiteral("award %1 to %2 (score \"%3\")")
                .arg(prize.points)
                .arg(armyName(army), m_battle.score(army).text),
            [&] { m_battle.award(army, prize.points); });
    }

    void clickBattleResults()
    {
        const bool on = !m_battle.options().battleResults;
        act(QStringLiteral("戦果表示 %1").arg(on), [&] { m_battle.setBattleResults(on); });
    }

    void clickNoticeOption()
    {
        const OptionsView options = m_battle.options();
        if (chance(0.5) || !options.noticeBoxEnabled)
            act(QStringLiteral("automatic placement %1").arg(!options.autoPlace),
                [&] { m_battle.setAutoPlace(!options.autoPlace); });
        else
            act(QStringLiteral("notice box %1").arg(!options.noticeBox),
                [&] { m_battle.setNoticeBox(!options.noticeBox); });
    }

    // What the chooser can give: two houses, either colours, a restored East
    // house or not; the great battle; or, cancelled, what it starts with.
    void chooseFactions()
    {
        FactionChoice choice;
        if (const int kind = roll(10); kind < 2) {
            choice = {WestArmyFaction, EastArmyFaction, ColourScheme::BattleColours, 0};
        } else if (kind > 2) {
            choice.WestFaction = roll(HouseCount);
            choice.EastFaction = (choice.WestFaction + 1 + roll(HouseCount - 1)) % HouseCount;
            choice.Colours = chance(0.4) ? ColourScheme::BattleColours : ColourScheme::DefaultColours;
            choice.RestorationFaction = chance(0.3) ? 1 : 0;
        }
        act(QStringLiteral("勢力選択: West %1, East %2, colours %3, restoration %4")
                .arg(choice.WestFaction)
                .arg(choice.EastFaction)
                .arg(int(choice.Colours))
                .arg(choice.RestorationFaction),
            [&] { m_battle.build(choice); });
    }

    void moveWallClock()
    {
        const qint64 by = pick<qint64>({-3600, -600, -60, -1, 60, 600, 3600, 7200}) + roll(60);
        act(QStringLiteral("desktop clock set %1 by %2 s")
                .arg(by < 0 ? QStringLiteral("back") : QStringLiteral("forward"))
                .arg(qAbs(by)),
            [&] {
                m_wallOffset += by * 1000;
                setWallClock();
            });
    }

    // The machine was busy or asleep: no wait ran meanwhile, and each that fell
    // due runs once as soon as it wakes.
    void runLate()
    {
        const qint64 late = 10 + roll(chance(0.8) ? 120 : 1800);
        act(QStringLiteral("the machine sleeps %1 s").arg(late), [&] {
            m_loop.advanceTo(m_loop.now() + late * 1000);
            setWallClock();
        });
    }
};

} // namespace vantor::soak
