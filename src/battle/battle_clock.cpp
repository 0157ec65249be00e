// The ticks: the current time, the elapsed battle time, the placement countdown
// and automatic placement, and the read-back of typed times.
#include "battle/battle.h"

#include "battle/desktop.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/minute_step.h"
#include "clock/typed_time.h"

namespace vantor {

namespace {

constexpr int ElapsedLimit = 32767;
constexpr int InformationSound = 3;

} // namespace

void Battle::tick()
{
    Batch batch(*this);
    const QTime time = m_desktop.timeOfDay();
    const int now = clockMinutes(time);
    m_board.clockText = clockText(time);
    touch(Clock);
    m_board.elapsedEditArmed = false; // the tick's own writes of the elapsed time are no edits
    advanceElapsed(now);
    for (int s = 0; s < SlotCount; ++s) {
        PostState &post = m_board.posts[s];
        const QString countdown = post.placeArmed ? placementTooltip(post.placeMinute, now) : QString();
        if (countdown != post.countdown) {
            post.countdown = countdown;
            touchPost(s);
        }
    }
    if (m_board.autoPlace)
        placeDuePosts(now);
    accrueScores(now);
    m_board.elapsedEditArmed = true;
}

void Battle::advanceElapsed(int now)
{
    if (!m_board.elapsedValid || m_board.lastTickMinute == now)
        return;
    const int d = minutesSince(m_board.lastTickMinute, now);
    m_board.elapsedMinutes = qMin(ElapsedLimit, m_board.elapsedMinutes + d);
    m_board.lastTickMinute = now;
    writeElapsedText(formatMinutesHHMM(m_board.elapsedMinutes));
    m_board.clockText = formatMinutesHHMM(now);
    updateForecast();
}

void Battle::placeDuePosts(int now)
{
    for (int s = 0; s < SlotCount; ++s) {
        PostState &post = m_board.posts[s];
        if (!post.placeArmed || statusKind(post.status) != StatusKind::Awaiting || !isDue(post.placeMinute, now))
            continue;
        post.placeMinute = 0;
        post.placeArmed = false;
        // The taskbar entry starts flashing as the notice comes up.
        m_desktop.callForAttention();
        changePost(s, true, Qt::NoButton);
        mark(s);
        if (!m_board.noticeBox)
            m_desktop.playNoticeSound(InformationSound);
    }
}

void Battle::editElapsedText(const QString &text)
{
    Batch batch(*this);
    const QString kept = typedBoxText(text);
    if (kept != m_board.elapsedText)
        m_board.elapsedTextUnreadable = false; // the player's new text ends the warning
    writeElapsedText(kept);
}

void Battle::writeElapsedText(const QString &text)
{
    if (m_board.elapsedText == text)
        return;
    m_board.elapsedText = text;
    touch(Elapsed);
    onElapsedTextChanged();
}

void Battle::onElapsedTextChanged()
{
    if (!m_board.elapsedEditArmed)
        return;
    m_elapsedEditWait.start();
    m_board.elapsedValid = false;
    updateForecast();
}

void Battle::readTypedElapsedTime()
{
    Batch batch(*this);
    m_elapsedEditWait.stop();
    m_board.elapsedEditArmed = false;
    if (!m_board.elapsedValid) {
        // A stray key must not cost the battle its elapsed time: text that cannot
        // be read leaves the last good time running, marked until the next edit.
        const std::optional<int> minutes = readElapsedText(m_board.elapsedText);
        if (minutes)
            m_board.elapsedMinutes = *minutes;
        m_board.elapsedTextUnreadable = !minutes;
        m_board.elapsedValid = true;
        writeElapsedText(formatMinutesHHMM(m_board.elapsedMinutes));
        touch(Elapsed);
    }
    updateForecast();
    m_board.elapsedEditArmed = true;
}

void Battle::readTypedPlacementTimes()
{
    Batch batch(*this);
    const int now = nowMinutes();
    m_placementEditWait.stop();
    for (int s = 0; s < SlotCount; ++s) {
        PostState &post = m_board.posts[s];
        if (statusKind(post.status) != StatusKind::Awaiting)
            continue;
        if (!post.placeArmed) {
            post.placeMinute = 0;
            if (const auto minute = readPlacementText(post.timeText)) {
                post.placeMinute = *minute;
                post.placeArmed = true;
                mark(s);
            } else {
                // A box the player emptied asks for no placement: no warning.
                post.timeTextUnreadable = !post.timeText.isEmpty();
            }
        }
        post.countdown = post.placeArmed ? placementTooltip(post.placeMinute, now) : QString();
        touchPost(s);
    }
}

} // namespace vantor
