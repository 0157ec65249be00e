// The ticks: the current time, the elapsed battle time, the placement countdown
// and automatic placement, and the read-back of typed times.
#include "app/form1.h"

#include "app/control_writes.h"
#include "app/notice_beep.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/minute_step.h"
#include "clock/typed_time.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantor {

namespace {

constexpr int ElapsedLimit = 32767;
constexpr int InformationSound = 3;

} // namespace

void Form1::Timer1_Timer()
{
    // A placement notice waits for the player inside a tick; a tick that comes
    // meanwhile would find UserInputArmed down and re-arm the due post instead of
    // placing it. It is skipped: the next tick catches up, since the elapsed time,
    // the countdowns and the due window all work from minute differences, and the
    // waiting tick accrues up to the minute its notices were closed.
    if (m_tickRunning)
        return;
    m_tickRunning = true;

    const int nowA = currentClockMinutes();
    Label6->setText(currentTimeHHMM());
    m_board.Text2ChangeArmed = 0;
    const int nowB = currentClockMinutes();
    advanceElapsed(nowB);
    for (int s = 0; s < SlotCount; ++s)
        setPostTooltip(s, m_board.PlaceArmed[s] == 1 ? placementTooltip(m_board.PlaceMinute[s], nowA) : QString());
    if (Check1->isChecked())
        placeDuePosts(nowB);
    accrueScores(currentClockMinutes());
    m_board.Text2ChangeArmed = 1;

    m_tickRunning = false;
}

void Form1::advanceElapsed(int now)
{
    if (m_board.ElapsedValid != 1 || m_board.LastTickMinute == now)
        return;
    const int d = minutesSince(m_board.LastTickMinute, now);
    m_board.ElapsedMinutes = qMin(ElapsedLimit, m_board.ElapsedMinutes + d);
    m_board.LastTickMinute = now;
    Text2->setText(formatMinutesHHMM(m_board.ElapsedMinutes));
    Label6->setText(formatMinutesHHMM(now));
    nokori_time();
}

void Form1::placeDuePosts(int now)
{
    for (int s = 0; s < SlotCount; ++s) {
        if (m_board.PlaceArmed[s] != 1 || statusKind(m_board.SlotStatus[s]) != StatusKind::Awaiting)
            continue;
        if (!isDue(m_board.PlaceMinute[s], now))
            continue;
        m_board.PlaceMinute[s] = 0;
        m_board.PlaceArmed[s] = 0;
        hyouji_change(s, 1, 0);
        if (!Check2->isChecked())
            noticeBeep(InformationSound);
    }
}

void Form1::Text2_Change()
{
    if (m_board.Text2ChangeArmed != 1)
        return;
    Timer3->start();
    m_board.ElapsedValid = 0;
    nokori_time();
}

void Form1::Timer3_Timer()
{
    Timer3->stop();
    m_board.Text2ChangeArmed = 0;
    if (m_board.ElapsedValid == 0) {
        const QString typed = Text2->text();
        m_board.ElapsedMinutes = 0;
        Text2->setText(QStringLiteral("00:00"));
        if (const auto minutes = readElapsedText(typed)) {
            m_board.ElapsedMinutes = *minutes;
            m_board.ElapsedValid = 1;
            Text2->setText(formatMinutesHHMM(m_board.ElapsedMinutes));
        }
    }
    nokori_time();
    m_board.Text2ChangeArmed = 1;
}

void Form1::Timer2_Timer()
{
    const int now = currentClockMinutes();
    Timer2->stop();
    for (int s = 0; s < SlotCount; ++s) {
        if (statusKind(m_board.SlotStatus[s]) != StatusKind::Awaiting)
            continue;
        QLineEdit *box = posts[s].Text1;
        if (m_board.PlaceArmed[s] == 0) {
            m_board.PlaceMinute[s] = 0;
            if (const auto minute = readPlacementText(box->text())) {
                m_board.PlaceMinute[s] = *minute;
                m_board.PlaceArmed[s] = 1;
                setBold(box, true);
            }
        }
        setPostTooltip(s, m_board.PlaceArmed[s] == 1 ? placementTooltip(m_board.PlaceMinute[s], now) : QString());
    }
}

} // namespace vantor
