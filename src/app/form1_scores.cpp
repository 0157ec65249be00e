// Battle results: the score boxes and their entry, settling and accrual, and the
// forecast of the end of the battle that reads them.
#include "app/form1.h"

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

QLineEdit *Form1::scoreBox(Army army) const
{
    return army == Army::West ? Text3 : Text4;
}

void Form1::writeScoreQuietly(QLineEdit *box, const QString &text)
{
    m_board.scoreChangeSuppressed = true;
    box->setText(text);
    m_board.scoreChangeSuppressed = false;
}

void Form1::Check3_Click()
{
    const bool on = Check3->isChecked();
    Text3->setEnabled(on);
    Text4->setEnabled(on);
    m_board.scoresSettled = on;
    if (on)
        m_board.scoreAccrualMinute = currentClockMinutes();
    for (int c = 4; c <= 9; ++c)
        Command[c]->setEnabled(on);
    Frame4->setVisible(on);
    if (on)
        nokori_time();
}

void Form1::Check1_Click()
{
    // Every change of the automatic switch leaves the notice box unticked.
    Check2->setEnabled(Check1->isChecked());
    Check2->setChecked(false);
}

void Form1::scoreButtonDown(ScoreStep step, Qt::MouseButton button)
{
    if (!Check3->isChecked())
        return;
    QLineEdit *box = scoreBox(step.army);
    box->setText(steppedScore(box->text(), step.points, button));
}

void Form1::award(QLineEdit *box, int points)
{
    if (!Check3->isChecked())
        return;
    writeScoreQuietly(box, awardedScore(box->text(), points));
    nokori_time();
}

void Form1::scoreChanged()
{
    if (m_board.scoreChangeSuppressed)
        return;
    m_board.scoresSettled = false;
    Timer4->start();
    nokori_time();
}

void Form1::Timer4_Timer()
{
    Timer4->stop();
    if (!Check3->isChecked())
        return;
    m_board.scoresSettled = true;
    clampScores();
    nokori_time();
}

bool Form1::clampScores()
{
    // Each write is an ordinary edit: it unsettles the scores and runs the
    // box's change reaction before the next clamp.
    bool changed = false;
    for (auto clamp : {&flooredScore, &boundedScore}) {
        for (QLineEdit *box : {Text3, Text4}) {
            if (const auto text = clamp(box->text()); text && *text != box->text()) {
                box->setText(*text);
                changed = true;
            }
        }
    }
    return changed;
}

void Form1::accrueScores(int now)
{
    if (!Check3->isChecked() || !m_board.scoresSettled || m_board.scoreAccrualMinute == now)
        return;
    const int minutes = minutesSince(m_board.scoreAccrualMinute, now);
    m_board.scoreChangeSuppressed = true;
    Text3->setText(accruedScore(Text3->text(), numericValue(Label12->text()), minutes));
    Text4->setText(accruedScore(Text4->text(), numericValue(Label13->text()), minutes));
    m_board.scoreAccrualMinute = currentClockMinutes();
    m_board.scoreChangeSuppressed = false;
}

void Form1::nokori_time()
{
    if (!Check3->isChecked())
        return;
    const int now = currentClockMinutes();
    setBackground(Frame4, QColor(NeutralGrey));
    setBackground(Label14, QColor(NeutralGrey));
    Label14->setText(QStringLiteral("--:--"));
    EndForecast forecast = waitingForecast();

    clampScores();
    const bool ready = Check3->isChecked() && m_board.scoresSettled && m_board.elapsedValid;
    if (ready) {
        forecast = evaluateEnd(EndInputs{numericValue(Text3->text()), numericValue(Text4->text()),
                                         numericValue(Label12->text()), numericValue(Label13->text()),
                                         m_board.elapsedMinutes, now});
        Label14->setText(forecast.caption);
        const QColor colour = forecast.winner == Winner::None
                                  ? QColor(NeutralGrey)
                                  : armyColour(forecast.winner == Winner::West ? Army::West : Army::East,
                                               StatusKind::Present, factions().Colours);
        setBackground(Frame4, colour);
        setBackground(Label14, colour);
    }
    Frame4->setToolTip(forecast.message);
    Label14->setToolTip(forecast.message);
}

} // namespace vantor
