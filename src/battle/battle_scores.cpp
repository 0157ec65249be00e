// Battle results: the two scores and their entry, settling and accrual, and the
// forecast of the end of the battle that reads them.
#include "battle/battle.h"

#include "battle/desktop.h"
#include "clock/clock_helpers.h"
#include "clock/minute_step.h"
#include "clock/numeric_text.h"
#include "clock/typed_time.h"

namespace vantor {

void Battle::setBattleResults(bool on)
{
    Batch batch(*this);
    if (m_board.battleResults == on)
        return;
    m_board.battleResults = on;
    m_board.scoresSettled = on;
    if (on) {
        m_board.scoreAccrualMinute = nowMinutes();
        for (ScoreBox &box : m_board.scores)
            box.typing = false;
        updateForecast();
    }
    touch(Change(Options | Scores | Forecast));
}

void Battle::stepScore(Army army, int points, StepDirection direction)
{
    Batch batch(*this);
    if (!m_board.battleResults)
        return;
    // The stepped value shows first, even below 0: the press is the player's
    // edit whether or not the floor then brings the box back to what it read.
    writeScore(army, steppedScore(m_board.score(army).text, points, direction), Write::Edit);
    clampScores({army});
}

void Battle::award(Army army, int points)
{
    Batch batch(*this);
    if (!m_board.battleResults)
        return;
    writeScore(army, awardedScore(m_board.score(army).text, points), Write::Quiet);
    updateForecast();
}

void Battle::editScore(Army army, const QString &text)
{
    Batch batch(*this);
    writeScore(army, typedBoxText(text), Write::Typed);
}

void Battle::writeScore(Army army, const QString &text, Write write)
{
    ScoreBox &box = m_board.score(army);
    box.typing = write == Write::Typed;
    if (box.text == text)
        return;
    touch(Scores);
    box.text = text;
    box.unreadable = false;
    const bool quiet = std::exchange(m_board.scoreChangeSuppressed, write == Write::Quiet);
    onScoreTextChanged();
    m_board.scoreChangeSuppressed = quiet;
}

void Battle::onScoreTextChanged()
{
    if (m_board.scoreChangeSuppressed)
        return;
    m_board.scoresSettled = false;
    m_scoreSettleWait.start();
    updateForecast();
}

void Battle::settleTypedScores()
{
    Batch batch(*this);
    m_scoreSettleWait.stop();
    if (!m_board.battleResults)
        return;
    m_board.scoresSettled = true;
    for (ScoreBox &box : m_board.scores)
        box.typing = false;
    clampScores({Army::West, Army::East});
    for (ScoreBox &box : m_board.scores)
        box.unreadable = !isPlainNumber(box.text);
    touch(Scores);
    updateForecast();
}

void Battle::clampScores(std::initializer_list<Army> armies, Clamp clamp)
{
    // Each write is an ordinary edit: it unsettles the scores and runs the
    // box's change reaction before the next one. Text the player is still
    // typing waits for its settle.
    const auto pass = [&](std::optional<QString> (*rule)(const QString &)) {
        for (Army army : armies) {
            const ScoreBox &box = m_board.score(army);
            if (box.typing)
                continue;
            if (const auto text = rule(box.text))
                writeScore(army, *text, Write::Edit);
        }
    };
    pass(&flooredScore);
    if (clamp == Clamp::FloorAndBound)
        pass(&boundedScore);
}

void Battle::accrueScores(int now)
{
    if (!m_board.battleResults || !m_board.scoresSettled || m_board.scoreAccrualMinute == now)
        return;
    const int minutes = minutesSince(m_board.scoreAccrualMinute, now);
    writeScore(Army::West, accruedScore(m_board.score(Army::West).text, m_board.westRate, minutes), Write::Quiet);
    writeScore(Army::East, accruedScore(m_board.score(Army::East).text, m_board.eastRate, minutes), Write::Quiet);
    m_board.scoreAccrualMinute = now;
    clampScores({Army::West, Army::East}); // the board's own sums never stand past the bound
}

void Battle::updateForecast()
{
    if (!m_board.battleResults)
        return;
    const int now = nowMinutes();
    clampScores({Army::West, Army::East});
    const bool ready = m_board.scoresSettled && m_board.elapsedValid;
    m_board.forecast = ready ? evaluateEnd(EndInputs{numericValue(m_board.score(Army::West).text),
                                                     numericValue(m_board.score(Army::East).text), double(m_board.westRate),
                                                     double(m_board.eastRate), m_board.elapsedMinutes, now})
                             : waitingForecast();
    touch(Forecast);
}

} // namespace vantor
