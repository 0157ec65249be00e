// The posts: the hub that steps a post and settles everything that follows from
// it, its schedule and points, the armies' rates, and the player's input on a
// post.
#include "battle/battle.h"

#include "battle/desktop.h"
#include "board/post_display.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/typed_time.h"

namespace vantor {

void Battle::pressPost(int slot, Qt::MouseButton button)
{
    // Posts answer the left (1), right (2) and middle (4) buttons only.
    if (!(button & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) || !postShown(slot))
        return;
    Batch batch(*this);
    changePost(slot, false, button);
    m_board.lastMouseButton = button;
}

void Battle::doubleClickPost(int slot, bool onStatusCaption)
{
    if (!postShown(slot))
        return;
    Batch batch(*this);
    // The press before it has stepped once already; the second step takes the
    // button of the last press anywhere, or none on the status word.
    changePost(slot, false, onStatusCaption ? Qt::NoButton : m_board.lastMouseButton);
}

void Battle::editTimeText(int slot, const QString &text)
{
    Batch batch(*this);
    writeTimeText(slot, typedBoxText(text));
}

void Battle::changePost(int s, bool fromTimer, Qt::MouseButton button)
{
    PostState &post = m_board.posts[s];
    const QTime time = m_desktop.timeOfDay();
    const int now = clockMinutes(time);
    int stepped = post.status;
    if (m_board.userInputArmed)
        stepped = steppedStatus(stepped, button);
    m_board.userInputArmed = false; // the time-box writes below are not the player's
    post.status = PostStatus(wrappedStatus(stepped));
    const PostLook look = postLook(s, post.status, m_board.choice.Colours);
    post.countdown.clear();

    switch (look.kind) {
    case StatusKind::Present:
        if (!fromTimer && button != Qt::RightButton)
            post.savedSchedule = SavedSchedule{post.timeText, post.placeMinute, post.placeArmed};
        [[fallthrough]];
    case StatusKind::Fighting:
        writeTimeText(s, QString());
        post.placeMinute = 0;
        post.placeArmed = false;
        break;
    case StatusKind::Awaiting:
        if (post.savedSchedule && button == Qt::RightButton)
            restoreSchedule(s, now);
        else
            freshSchedule(s, time);
        break;
    }

    if (look.kind == StatusKind::Present) {
        if (fromTimer && m_board.noticeBox)
            queueNotice(s, look.namesFrom);
    } else {
        creditPoints(s, post.status, button);
    }

    updateRates();
    // Each floor write is an edit of the box: it unsettles the scores.
    clampScores({Army::West, Army::East}, Clamp::Floor);
    updateForecast();
    m_board.userInputArmed = true;
    touchPost(s);
}

bool Battle::postShown(int slot) const
{
    // The East vanguard is absent when the East side is a restoration faction.
    return !(m_board.choice.RestorationFaction == 1 && armyOfSlot(slot) == Army::East
             && postLine(slot) == PostLine::Vanguard);
}

void Battle::restoreSchedule(int slot, int now)
{
    PostState &post = m_board.posts[slot];
    const SavedSchedule saved = *post.savedSchedule;
    writeTimeText(slot, saved.timeText);
    post.placeMinute = saved.placeMinute;
    post.placeArmed = saved.placeArmed;
    post.savedSchedule.reset();
    if (post.placeArmed)
        post.countdown = placementTooltip(post.placeMinute, now);
    else
        m_placementEditWait.start(); // a time the player typed and that was never read back: read it anew
}

void Battle::freshSchedule(int slot, QTime now)
{
    PostState &post = m_board.posts[slot];
    writeTimeText(slot, nextHourText(now));
    post.placeMinute = nextHourMinutes(now);
    post.placeArmed = true;
    post.savedSchedule.reset();
    post.countdown = QStringLiteral("01:00後に配置");
}

void Battle::creditPoints(int slot, PostStatus status, Qt::MouseButton button)
{
    if (!m_board.battleResults)
        return;
    if (const auto change = mainGeneralScoreChange(slot, status, button))
        writeScore(change->army, awardedScore(m_board.score(change->army).text, change->points), Write::Quiet);
}

void Battle::updateRates()
{
    const Rates rates = ratesFromStatuses(m_board.statuses());
    m_board.westRate = rates.west;
    m_board.eastRate = rates.east;
    touch(Balance);
}

void Battle::queueNotice(int slot, Army holder)
{
    const FactionChoice &choice = m_board.choice;
    auto nameOf = [&choice](Army army) {
        return factionName(army == Army::West ? choice.WestFaction : choice.EastFaction);
    };
    m_notices.push_back(nameOf(armyOfSlot(slot)) + postCaption(slot) + QStringLiteral("：") + nameOf(holder)
                        + QStringLiteral("・") + m_board.posts[slot].generalsOf(holder).main.name
                        + QStringLiteral("の配置予定時刻になりました。"));
    touch(Notices);
}

void Battle::mark(int slot)
{
    m_board.posts[slot].marked = true;
    touchPost(slot);
    m_markWait.start();
}

void Battle::writeTimeText(int slot, const QString &text)
{
    PostState &post = m_board.posts[slot];
    if (post.timeText == text)
        return; // a key that retypes the same text changes nothing, its warning included
    post.timeText = text;
    post.timeTextUnreadable = false;
    touchPost(slot);
    onTimeTextChanged(slot);
}

void Battle::onTimeTextChanged(int slot)
{
    if (!m_board.userInputArmed)
        return;
    PostState &post = m_board.posts[slot];
    post.placeMinute = 0;
    post.placeArmed = false;
    m_placementEditWait.start();
    post.countdown.clear();
}

} // namespace vantor
