// Battle results: the score boxes and their entry, settling and accrual, and the
// forecast of the end of the battle that reads them.
#include "app/main_window.h"

#include "app/control_writes.h"
#include "board/post_display.h"
#include "clock/clock_helpers.h"
#include "clock/end_forecast.h"
#include "clock/minute_step.h"
#include "clock/numeric_text.h"
#include "score/score_rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantor {

QLineEdit *MainWindow::scoreBox(Army army) const
{
    return army == Army::West ? westScoreBox : eastScoreBox;
}

void MainWindow::writeScoreQuietly(QLineEdit *box, const QString &text)
{
    m_board.scoreChangeSuppressed = true;
    box->setText(text);
    m_board.scoreChangeSuppressed = false;
}

void MainWindow::onBattleResultsToggled()
{
    const bool on = battleResultsCheck->isChecked();
    westScoreBox->setEnabled(on);
    eastScoreBox->setEnabled(on);
    m_board.scoresSettled = on;
    if (on)
        m_board.scoreAccrualMinute = currentClockMinutes();
    for (QPushButton *button : scoreStepButtons)
        button->setEnabled(on);
    forecastFrame->setVisible(on);
    if (on)
        updateForecast();
}

void MainWindow::onAutoPlaceToggled()
{
    // Every change of the automatic switch leaves the notice box unticked.
    noticeBoxCheck->setEnabled(autoPlaceCheck->isChecked());
    noticeBoxCheck->setChecked(false);
}

void MainWindow::scoreButtonDown(ScoreStep step, Qt::MouseButton button)
{
    if (!battleResultsCheck->isChecked())
        return;
    // The stepped value shows first, even below 0: the press is the player's
    // edit whether or not the clamp then brings the box back to what it read.
    QLineEdit *box = scoreBox(step.army);
    box->setText(steppedScore(box->text(), step.points, button));
    clampScores({box});
}

void MainWindow::award(QLineEdit *box, int points)
{
    if (!battleResultsCheck->isChecked())
        return;
    writeScoreQuietly(box, awardedScore(box->text(), points));
    clampScores({box}); // the program's own sum is clamped at once, typed text or not
    updateForecast();
}

void MainWindow::onScoreBoxEdited()
{
    if (m_board.scoreChangeSuppressed)
        return;
    m_board.scoresSettled = false;
    scoreSettleWait->start();
    updateForecast();
}

void MainWindow::settleTypedScores()
{
    scoreSettleWait->stop();
    if (!battleResultsCheck->isChecked())
        return;
    m_board.scoresSettled = true;
    clampScores({westScoreBox, eastScoreBox});
    updateForecast();
}

bool MainWindow::typedScoresPending() const
{
    // Text the player is still typing stays as typed: "-" or "" on the way to
    // "-50" or "250" would read as 0. It is clamped when it settles.
    return battleResultsCheck->isChecked() && !m_board.scoresSettled;
}

bool MainWindow::clampScores(std::initializer_list<QLineEdit *> boxes)
{
    // Each write is an ordinary edit: it unsettles the scores and runs the
    // box's change reaction before the next clamp.
    bool changed = false;
    for (auto clamp : {&flooredScore, &boundedScore}) {
        for (QLineEdit *box : boxes) {
            if (const auto text = clamp(box->text()); text && *text != box->text()) {
                box->setText(*text);
                changed = true;
            }
        }
    }
    return changed;
}

void MainWindow::accrueScores(int now)
{
    if (!battleResultsCheck->isChecked() || !m_board.scoresSettled || m_board.scoreAccrualMinute == now)
        return;
    const int minutes = minutesSince(m_board.scoreAccrualMinute, now);
    m_board.scoreChangeSuppressed = true;
    westScoreBox->setText(accruedScore(westScoreBox->text(), numericValue(westRateCaption->text()), minutes));
    eastScoreBox->setText(accruedScore(eastScoreBox->text(), numericValue(eastRateCaption->text()), minutes));
    m_board.scoreAccrualMinute = currentClockMinutes();
    m_board.scoreChangeSuppressed = false;
}

void MainWindow::updateForecast()
{
    if (!battleResultsCheck->isChecked())
        return;
    const int now = currentClockMinutes();
    setBackground(forecastFrame, QColor(NeutralGrey));
    setBackground(forecastCaption, QColor(NeutralGrey));
    forecastCaption->setText(QStringLiteral("--:--"));
    EndForecast forecast = waitingForecast();

    if (!typedScoresPending())
        clampScores({westScoreBox, eastScoreBox});
    const bool ready = battleResultsCheck->isChecked() && m_board.scoresSettled && m_board.elapsedValid;
    if (ready) {
        forecast = evaluateEnd(EndInputs{numericValue(westScoreBox->text()), numericValue(eastScoreBox->text()),
                                         numericValue(westRateCaption->text()), numericValue(eastRateCaption->text()),
                                         m_board.elapsedMinutes, now});
        forecastCaption->setText(forecast.caption);
        const QColor colour = forecast.winner == Winner::None
                                  ? QColor(NeutralGrey)
                                  : armyColour(forecast.winner == Winner::West ? Army::West : Army::East,
                                               StatusKind::Present, factions().Colours);
        setBackground(forecastFrame, colour);
        setBackground(forecastCaption, colour);
    }
    forecastFrame->setToolTip(forecast.message);
    forecastCaption->setToolTip(forecast.message);
}

} // namespace vantor
