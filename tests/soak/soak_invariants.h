// What must hold on the battle whenever no call into it is running: the checks
// the soak makes after every event it plays. They read an Observed, the battle
// as the soak sees it between two events: the record, every view, the waits
// running in the loop, and what the player knows besides (the notices that
// placements owe it, the calls the desktop has had). The first check broken is
// described in words, so that a failing soak says what went wrong and where.
#pragma once

#include "battle/battle.h"
#include "board/post_display.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/numeric_text.h"
#include "clock/typed_time.h"
#include "soak/simulated_loop.h"
#include "support/fake_desktop.h"

#include <QRegularExpression>

#include <algorithm>
#include <deque>
#include <optional>

namespace vantor::soak {

inline constexpr int ElapsedLimit = 32767;

// A placement with the notice box ticked owes the player a notice that names
// the post and the general placed there.
struct OwedNotice {
    int slot;
    QString general;
};

struct Observed {
    BattleBoard board;
    std::array<PostView, SlotCount> posts;
    BoxView elapsed;
    std::array<BoxView, 2> scores; // West, East
    Rates rates;
    std::array<QColor, BalanceCells> balance;
    ForecastView forecast;
    OptionsView options;
    std::optional<QString> notice;
    QString report;
    int now = 0; // minute of day
    bool afterTick = false; // nothing has happened since the clock's tick

    // Kept by the player.
    std::deque<OwedNotice> owed; // oldest first
    qint64 placements = 0;
    qint64 silentPlacements = 0; // with the notice box unticked
    qint64 attentionCalls = 0;
    qint64 informationSounds = 0;
    qint64 otherSounds = 0;

    // The waits in the loop.
    bool clockTickRunning = false;
    bool placementWaitPending = false;
    int shortWaitsPending = 0; // the elapsed read-back and the score settle last alike
};

// The battle's side of an observation; the player adds its own.
inline Observed observe(const Battle &battle, const testing::FakeDesktop &desktop, const SimulatedLoop &loop,
                        const Battle::Waits &waits)
{
    Observed o;
    o.board = battle.board();
    for (int s = 0; s < SlotCount; ++s)
        o.posts[s] = battle.post(s);
    o.elapsed = battle.elapsed();
    o.scores = {battle.score(Army::West), battle.score(Army::East)};
    o.rates = battle.rates();
    o.balance = battle.balance();
    o.forecast = battle.forecast();
    o.options = battle.options();
    if (battle.hasNotice())
        o.notice = battle.notice();
    o.report = battle.report();
    o.now = clockMinutes(desktop.timeOfDay());
    o.attentionCalls = desktop.attentionCalls;
    for (const SimulatedLoop::Timer &t : loop.timers()) {
        const auto *timer = qobject_cast<const QTimer *>(t.object);
        if (!timer)
            continue;
        if (!timer->isSingleShot())
            o.clockTickRunning = true;
        else if (t.interval == waits.placementEdit.count())
            o.placementWaitPending = true;
        else
            ++o.shortWaitsPending;
    }
    return o;
}

inline bool awaiting(int status)
{
    return statusKind(status) == StatusKind::Awaiting;
}

// A restored house fields no vanguard: the East posts 9..11 are not on the board.
inline bool hiddenPost(const Observed &o, int slot)
{
    return o.board.choice.RestorationFaction == 1 && slot >= 9 && slot <= 11;
}

inline QString brokenPost(const Observed &o, int s)
{
    const PostState &post = o.board.posts[s];
    const PostView &view = o.posts[s];
    const auto at = [&](const QString &what) {
        return QStringLiteral("post %1 (status %2): ").arg(s).arg(int(post.status)) + what;
    };
    if (post.status < 0 || post.status > 5)
        return QStringLiteral("status of post %1 = %2, outside 0..5").arg(s).arg(int(post.status));
    if (view.shown == hiddenPost(o, s))
        return at(view.shown ? QStringLiteral("shown though its army restores the house") : QStringLiteral("hidden"));
    if (!view.shown && post.status != OwnPresent)
        return at(QStringLiteral("a hidden post has moved"));
    if (view.tagPicture < 0 || view.tagPicture > 5
        || std::ranges::find(o.board.statusWords, view.statusWord) == o.board.statusWords.end())
        return at(QStringLiteral("tag picture %1, status word \"%2\"").arg(view.tagPicture).arg(view.statusWord));
    if (post.placeMinute < 0 || post.placeMinute > 1439)
        return at(QStringLiteral("placeMinute %1 is not a minute of day").arg(post.placeMinute));
    const bool waits = awaiting(post.status);
    if (view.time.enabled != waits)
        return at(QStringLiteral("time box %1")
                      .arg(view.time.enabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    if (!waits && (post.placeArmed || !post.timeText.isEmpty() || !post.countdown.isEmpty()))
        return at(QStringLiteral("no general awaits, yet time \"%1\", armed %2, countdown \"%3\"")
                      .arg(post.timeText)
                      .arg(post.placeArmed)
                      .arg(post.countdown));
    if (post.placeArmed && readPlacementText(post.timeText) != post.placeMinute)
        return at(
            QStringLiteral("armed for minute %1 while its box reads \"%2\"").arg(post.placeMinute).arg(post.timeText));
    if (post.timeTextUnreadable && (post.placeArmed || post.timeText.isEmpty() || readPlacementText(post.timeText)))
        return at(QStringLiteral("\"%1\" marked unreadable (armed %2)").arg(post.timeText).arg(post.placeArmed));
    const TextCue cue = post.timeTextUnreadable ? TextCue::Unreadable
                        : post.placeArmed       ? TextCue::Armed
                                                : TextCue::Plain;
    if (view.time.cue != cue)
        return at(QStringLiteral("time box cue %1, armed %2").arg(int(view.time.cue)).arg(post.placeArmed));
    static const QRegularExpression countdown(QStringLiteral("^(\\d\\d:[0-5]\\d後に配置|配置時間を経過しています)$"));
    if (post.placeArmed != !post.countdown.isEmpty()
        || (post.placeArmed && !countdown.match(post.countdown).hasMatch()))
        return at(QStringLiteral("countdown \"%1\" while armed %2").arg(post.countdown).arg(post.placeArmed));
    if (o.afterTick) {
        if (post.placeArmed && post.countdown != placementTooltip(post.placeMinute, o.now))
            return at(QStringLiteral("countdown \"%1\" after the tick at minute %2 for minute %3")
                          .arg(post.countdown)
                          .arg(o.now)
                          .arg(post.placeMinute));
        if (o.board.autoPlace && post.placeArmed && isDue(post.placeMinute, o.now))
            return at(QStringLiteral("due at minute %1 and still awaiting after the tick at minute %2")
                          .arg(post.placeMinute)
                          .arg(o.now));
    }
    if (waits && !post.placeArmed && !post.timeTextUnreadable && !post.timeText.isEmpty() && !o.placementWaitPending)
        return at(QStringLiteral("typed time \"%1\" with no read-back to come").arg(post.timeText));
    return {};
}

inline QString brokenBalance(const Observed &o)
{
    const Rates r = o.rates;
    if (r.west < 0 || r.west > 21 || r.east < 0 || r.east > 21)
        return QStringLiteral("rates %1 / %2 outside 0..21").arg(r.west).arg(r.east);
    if (r.west > 0 && r.east > 0)
        return QStringLiteral("both rates above 0: %1 / %2").arg(r.west).arg(r.east);
    if (r != ratesFromStatuses(o.board.statuses()))
        return QStringLiteral("rates %1 / %2 do not follow the statuses").arg(r.west).arg(r.east);
    const ColourScheme scheme = o.board.choice.Colours;
    for (int k = 0; k < BalanceCells; ++k) {
        const QColor expected = k < r.west                   ? armyColour(Army::West, StatusKind::Present, scheme)
                                : k >= BalanceCells - r.east ? armyColour(Army::East, StatusKind::Present, scheme)
                                                             : QColor(NeutralGrey);
        if (o.balance[k] != expected)
            return QStringLiteral("bar cell %1 is %2, expected %3 for rates %4 / %5")
                .arg(k)
                .arg(o.balance[k].name(), expected.name())
                .arg(r.west)
                .arg(r.east);
    }
    return {};
}

inline QString brokenScores(const Observed &o)
{
    const BattleBoard &b = o.board;
    const bool on = b.battleResults;
    if (o.scores[0].enabled != on || o.scores[1].enabled != on || o.forecast.shown != on)
        return QStringLiteral("score boxes or forecast do not follow 戦果表示 (%1)").arg(on);
    for (int k = 0; k < 2; ++k) {
        // Text the player is typing may read anything until it settles.
        const double value = numericValue(b.scores[k].text);
        if (!b.scores[k].typing && (value < 0 || value >= ScoreUpperBound))
            return QStringLiteral("%1 score \"%2\", not typed")
                .arg(k ? QStringLiteral("East") : QStringLiteral("West"))
                .arg(b.scores[k].text);
    }
    if (!on)
        return {};
    static const QRegularExpression ruleAtEnd(QStringLiteral("\\((\\d+)\\)$"));
    static const QRegularExpression caption(QStringLiteral("^(--:--|終了|([01]\\d|2[0-4]):[0-5]\\d)$"));
    const QRegularExpressionMatch rule = ruleAtEnd.match(o.forecast.message);
    if (!rule.hasMatch() || rule.captured(1).toInt() > 28)
        return QStringLiteral("forecast \"%1\" names no rule 0..28").arg(o.forecast.message);
    if (!caption.match(o.forecast.caption).hasMatch())
        return QStringLiteral("forecast caption \"%1\"").arg(o.forecast.caption);
    const bool ready = b.scoresSettled && b.elapsedValid;
    if (ready == (rule.captured(1) == QLatin1String("0")) || ready == (o.forecast.caption == QLatin1String("--:--")))
        return QStringLiteral("forecast \"%1\" \"%2\" with scores settled %3 and elapsed time valid %4")
            .arg(o.forecast.caption, o.forecast.message)
            .arg(b.scoresSettled)
            .arg(b.elapsedValid);
    return {};
}

inline QString brokenElapsed(const Observed &o)
{
    const BattleBoard &b = o.board;
    if (b.elapsedMinutes < 0 || b.elapsedMinutes > ElapsedLimit)
        return QStringLiteral("elapsedMinutes = %1").arg(b.elapsedMinutes);
    if (b.elapsedValid && b.elapsedText != formatMinutesHHMM(b.elapsedMinutes))
        return QStringLiteral("elapsed box \"%1\" for %2 minutes").arg(b.elapsedText).arg(b.elapsedMinutes);
    // Text that could not be read leaves the last good time running, marked.
    if (b.elapsedTextUnreadable && !b.elapsedValid)
        return QStringLiteral("elapsed box \"%1\" marked unreadable while it is typed").arg(b.elapsedText);
    if ((o.elapsed.cue == TextCue::Unreadable) != b.elapsedTextUnreadable || o.elapsed.cue == TextCue::Armed)
        return QStringLiteral("elapsed box cue %1").arg(int(o.elapsed.cue));
    return {};
}

inline QString brokenWaits(const Observed &o)
{
    if (!o.clockTickRunning)
        return QStringLiteral("the clock does not tick");
    // Each of these needs its own wait, and two waits of that length exist.
    const bool elapsedTyped = !o.board.elapsedValid && !o.board.elapsedTextUnreadable;
    const bool scoresUnsettled = o.board.battleResults && !o.board.scoresSettled;
    if (o.shortWaitsPending < int(elapsedTyped) + int(scoresUnsettled))
        return QStringLiteral("%1 short waits running with the elapsed time typed %2 and the scores unsettled %3")
            .arg(o.shortWaitsPending)
            .arg(elapsedTyped)
            .arg(scoresUnsettled);
    return {};
}

inline QString brokenNotices(const Observed &o)
{
    if (o.notice.has_value() != !o.owed.empty())
        return QStringLiteral("%1 notices owed, notice on screen: %2")
            .arg(o.owed.size())
            .arg(o.notice.value_or(QStringLiteral("none")));
    if (o.notice) {
        const OwedNotice &next = o.owed.front();
        if (!o.notice->contains(postCaption(next.slot) + u'：') || !o.notice->contains(u'・' + next.general + u'の'))
            return QStringLiteral("notice \"%1\" where post %2's %3 was placed first")
                .arg(*o.notice)
                .arg(next.slot)
                .arg(next.general);
    }
    if (o.attentionCalls != o.placements || o.informationSounds != o.silentPlacements || o.otherSounds != 0)
        return QStringLiteral("%1 placements (%2 without notice) drew %3 calls for attention and %4 information "
                              "sounds, %5 other sounds")
            .arg(o.placements)
            .arg(o.silentPlacements)
            .arg(o.attentionCalls)
            .arg(o.informationSounds)
            .arg(o.otherSounds);
    return {};
}

inline QString brokenReport(const Observed &o)
{
    int awaitingPosts = 0;
    for (const PostState &post : o.board.posts)
        awaitingPosts += awaiting(post.status);
    // The map and legend, the schedule's heading, and a line per awaited general or one saying there is none.
    const int lines = 10 + 1 + qMax(1, awaitingPosts);
    if (!o.report.endsWith(QStringLiteral("\r\n")) || o.report.count(QStringLiteral("\r\n")) != lines)
        return QStringLiteral("report of %1 lines for %2 awaited generals:\n%3")
            .arg(o.report.count(QStringLiteral("\r\n")))
            .arg(awaitingPosts)
            .arg(o.report);
    if (!o.report.section(QStringLiteral("\r\n"), 0, 0).contains(u'(' + o.board.elapsedText + u'経'))
        return QStringLiteral("report heading \"%1\" for elapsed \"%2\"")
            .arg(o.report.section(QStringLiteral("\r\n"), 0, 0), o.board.elapsedText);
    return {};
}

// Empty while everything holds.
inline QString brokenInvariant(const Observed &o)
{
    const BattleBoard &b = o.board;
    if (!b.userInputArmed || !b.elapsedEditArmed || b.scoreChangeSuppressed)
        return QStringLiteral("guards left down between events: input %1, elapsed %2, score writes suppressed %3")
            .arg(b.userInputArmed)
            .arg(b.elapsedEditArmed)
            .arg(b.scoreChangeSuppressed);
    if (o.options.noticeBoxEnabled != b.autoPlace || (!b.autoPlace && b.noticeBox))
        return QStringLiteral("notice box %1 (enabled %2) with automatic placement %3")
            .arg(b.noticeBox)
            .arg(o.options.noticeBoxEnabled)
            .arg(b.autoPlace);
    for (int s = 0; s < SlotCount; ++s)
        if (QString broken = brokenPost(o, s); !broken.isEmpty())
            return broken;
    for (const QString &broken :
         {brokenBalance(o), brokenScores(o), brokenElapsed(o), brokenWaits(o), brokenNotices(o), brokenReport(o)})
        if (!broken.isEmpty())
            return broken;
    return {};
}

} // namespace vantor::soak
