// The ticks: the current time, the elapsed battle time, the placement countdown
// and automatic placement, and the read-back of typed times.
#include "app/main_window.h"

#include "app/attention.h"
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

void MainWindow::onClockTick()
{
    // A placement notice waits for the player inside a tick. A tick that comes
    // meanwhile keeps the clock, the elapsed time, the countdowns and the accrual
    // going, but places nothing: it would find userInputArmed down and re-arm the
    // due post instead of placing it. The waiting tick places its posts once the
    // notice is closed, and its guard of the elapsed box stays up until then.
    const bool nested = m_tickRunning;
    m_tickRunning = true;

    const int nowA = currentClockMinutes();
    clockCaption->setText(currentTimeHHMM());
    m_board.elapsedEditArmed = false;
    const int nowB = currentClockMinutes();
    advanceElapsed(nowB);
    for (int s = 0; s < SlotCount; ++s)
        setPostTooltip(s, m_board.posts[s].placeArmed ? placementTooltip(m_board.posts[s].placeMinute, nowA) : QString());
    if (autoPlaceCheck->isChecked() && !nested)
        placeDuePosts(nowB);
    accrueScores(currentClockMinutes());
    m_board.elapsedEditArmed = !nested;

    m_tickRunning = nested;
}

void MainWindow::advanceElapsed(int now)
{
    if (!m_board.elapsedValid || m_board.lastTickMinute == now)
        return;
    const int d = minutesSince(m_board.lastTickMinute, now);
    m_board.elapsedMinutes = qMin(ElapsedLimit, m_board.elapsedMinutes + d);
    m_board.lastTickMinute = now;
    elapsedBox->setText(formatMinutesHHMM(m_board.elapsedMinutes));
    clockCaption->setText(formatMinutesHHMM(now));
    updateForecast();
}

void MainWindow::placeDuePosts(int now)
{
    for (int s = 0; s < SlotCount; ++s) {
        if (!m_board.posts[s].placeArmed || statusKind(m_board.posts[s].status) != StatusKind::Awaiting)
            continue;
        if (!isDue(m_board.posts[s].placeMinute, now))
            continue;
        m_board.posts[s].placeMinute = 0;
        m_board.posts[s].placeArmed = false;
        // The taskbar entry starts flashing before the notice waits for the player.
        callForAttention(this);
        changePost(s, true, Qt::NoButton);
        if (!noticeBoxCheck->isChecked())
            noticeBeep(InformationSound);
    }
}

void MainWindow::onElapsedBoxEdited()
{
    showReadable(elapsedBox);
    if (!m_board.elapsedEditArmed)
        return;
    elapsedEditWait->start();
    m_board.elapsedValid = false;
    updateForecast();
}

void MainWindow::readTypedElapsedTime()
{
    elapsedEditWait->stop();
    m_board.elapsedEditArmed = false;
    if (!m_board.elapsedValid) {
        const QString typed = elapsedBox->text();
        m_board.elapsedMinutes = 0;
        elapsedBox->setText(QStringLiteral("00:00"));
        if (const auto minutes = readElapsedText(typed)) {
            m_board.elapsedMinutes = *minutes;
            m_board.elapsedValid = true;
            elapsedBox->setText(formatMinutesHHMM(m_board.elapsedMinutes));
        } else {
            // The box shows 00:00 and stands still until the player types again.
            showUnreadable(elapsedBox, QString::fromUtf16(ElapsedTextForms));
        }
    }
    updateForecast();
    m_board.elapsedEditArmed = true;
}

void MainWindow::readTypedPlacementTimes()
{
    const int now = currentClockMinutes();
    placementEditWait->stop();
    for (int s = 0; s < SlotCount; ++s) {
        if (statusKind(m_board.posts[s].status) != StatusKind::Awaiting)
            continue;
        QLineEdit *box = posts[s].timeBox;
        if (!m_board.posts[s].placeArmed) {
            m_board.posts[s].placeMinute = 0;
            if (const auto minute = readPlacementText(box->text())) {
                m_board.posts[s].placeMinute = *minute;
                m_board.posts[s].placeArmed = true;
                setBold(box, true);
            } else if (!box->text().isEmpty()) {
                // A box the player emptied asks for no placement: no warning.
                showUnreadable(box, QString::fromUtf16(PlacementTextForms));
            }
        }
        setPostTooltip(s, m_board.posts[s].placeArmed ? placementTooltip(m_board.posts[s].placeMinute, now) : QString());
    }
}

} // namespace vantor
