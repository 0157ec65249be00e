#include "clock/end_forecast.h"

#include "clock/clock_helpers.h"
#include "clock/numeric_text.h"

#include <algorithm>
#include <limits>

namespace vantor {

namespace {

constexpr qint64 earliestEnd = 360; // a crushing lead ends the battle no sooner
constexpr qint64 timeLimit = 1440;
constexpr qint64 dayMinutes = 1440;

struct Verdict {
    int rule;
    bool met;
    qint64 remaining;
    Winner winner;
};

Verdict metBy(int rule, Winner winner)
{
    return {rule, true, 0, winner};
}

Verdict endsIn(int rule, qint64 remaining, Winner winner)
{
    return {rule, false, remaining, winner};
}

// A score of 0 counts as 1 so that the ratios between the armies stay defined.
qint64 score(double value)
{
    const qint64 whole = roundHalfEven(value);
    return whole == 0 ? 1 : whole;
}

qint64 floorDiv(qint64 a, qint64 positiveDivisor)
{
    const qint64 q = a / positiveDivisor;
    return (a % positiveDivisor != 0 && a < 0) ? q - 1 : q;
}

// a >= ratio * b, decided without forming the product so that no score can
// overflow it: for whole numbers that is b <= floor(a / ratio).
bool leads(qint64 a, qint64 b, qint64 ratio, qint64 minimum)
{
    return b <= floorDiv(a, ratio) && a >= minimum;
}

bool crushes(qint64 a, qint64 b)
{
    return leads(a, b, 3, 10000);
}

bool decides(qint64 a, qint64 b)
{
    return leads(a, b, 2, 1000);
}

// Minutes the gaining army needs for a crushing lead at its present gain.
qint64 minutesToCrush(qint64 gainer, qint64 other, double rate)
{
    const double target = std::max(3.0 * double(other), 10000.0);
    return std::max<qint64>(0, roundHalfEven((target - double(gainer)) / rate));
}

// The gaining army's score carried forward to the time limit.
qint64 projectedScore(qint64 gainer, double rate, int elapsed)
{
    return roundHalfEven(rate * (double(timeLimit) - elapsed) + double(gainer));
}

// The West and East tables are mirror images; the East one is numbered 8 higher.
Verdict whileGaining(qint64 gainer, qint64 other, double rate, int elapsed, Winner gainerSide,
                     Winner otherSide, int ruleShift)
{
    if (elapsed >= timeLimit) {
        if (decides(gainer, other))
            return metBy(8 + ruleShift, gainerSide);
        if (decides(other, gainer))
            return metBy(9 + ruleShift, otherSide);
        return metBy(10 + ruleShift, Winner::None);
    }
    const qint64 crushIn = minutesToCrush(gainer, other, rate);
    if (crushIn < earliestEnd - elapsed)
        return endsIn(3 + ruleShift, earliestEnd - elapsed, gainerSide);
    if (crushIn < timeLimit - elapsed)
        return endsIn(4 + ruleShift, crushIn, gainerSide);
    const qint64 projected = projectedScore(gainer, rate, elapsed);
    const qint64 toLimit = timeLimit - elapsed;
    if (decides(projected, other))
        return endsIn(5 + ruleShift, toLimit, gainerSide);
    if (decides(other, projected))
        return endsIn(6 + ruleShift, toLimit, otherSide);
    return endsIn(7 + ruleShift, toLimit, Winner::None);
}

Verdict whileStill(qint64 west, qint64 east, int elapsed)
{
    // Each standing has a met rule and, one number higher, its forecast.
    const auto standing = [elapsed](int rule, Winner winner, qint64 endsAt) {
        return elapsed >= endsAt ? metBy(rule, winner) : endsIn(rule + 1, endsAt - elapsed, winner);
    };
    if (crushes(west, east))
        return standing(19, Winner::West, earliestEnd);
    if (crushes(east, west))
        return standing(21, Winner::East, earliestEnd);
    if (decides(west, east))
        return standing(23, Winner::West, timeLimit);
    if (decides(east, west))
        return standing(25, Winner::East, timeLimit);
    return standing(27, Winner::None, timeLimit);
}

Verdict verdictFor(const EndInputs &in)
{
    const qint64 west = score(in.west);
    const qint64 east = score(in.east);
    if (crushes(west, east) && in.elapsed >= earliestEnd)
        return metBy(1, Winner::West);
    if (crushes(east, west) && in.elapsed >= earliestEnd)
        return metBy(2, Winner::East);
    if (in.westRate > 0)
        return whileGaining(west, east, in.westRate, in.elapsed, Winner::West, Winner::East, 0);
    if (in.eastRate > 0)
        return whileGaining(east, west, in.eastRate, in.elapsed, Winner::East, Winner::West, 8);
    return whileStill(west, east, in.elapsed);
}

// Exactly 1440 is kept so that an end at midnight reads 24:00 rather than 00:00.
int normalisedEndMinute(qint64 minute)
{
    if (minute < 0 || minute > dayMinutes)
        minute = (minute % dayMinutes + dayMinutes) % dayMinutes;
    return int(minute);
}

} // namespace

EndForecast waitingForecast()
{
    EndForecast f;
    f.message = QStringLiteral("しばらくおまちください(0)");
    f.caption = QStringLiteral("--:--");
    return f;
}

EndForecast evaluateEnd(const EndInputs &in)
{
    const Verdict v = verdictFor(in);
    EndForecast f;
    f.rule = v.rule;
    f.met = v.met;
    f.winner = v.winner;
    // Only an elapsed time far below zero could push this past the int range.
    f.remaining = int(std::min<qint64>(v.remaining, std::numeric_limits<int>::max()));
    f.endMinute = normalisedEndMinute(qint64(in.now) + f.remaining);
    if (v.met) {
        f.message = QStringLiteral("終了条件成立しています(%1)").arg(v.rule);
        f.caption = QStringLiteral("終了");
    } else {
        f.message = formatMinutesHHMM(f.remaining) + QStringLiteral("後に終了(%1)").arg(v.rule);
        f.caption = formatMinutesHHMM(f.endMinute);
    }
    return f;
}

} // namespace vantor
