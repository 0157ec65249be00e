// The end forecast must give a complete, self-consistent answer for any
// scores, rates and times, NaN and the infinities included: a rule from the
// table, an end time the clock can show, and the message and caption of that
// rule. The rules with exact score ratios are checked against whole-number
// arithmetic wide enough that no product can overflow.
#include "clock/clock_helpers.h"
#include "clock/end_forecast.h"
#include "clock/numeric_text.h"
#include "fuzz_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

using namespace vantor;

namespace {

using Wide = __int128;

constexpr qint64 earliestEnd = 360;
constexpr qint64 timeLimit = 1440;

QString describe(const EndInputs &in)
{
    return QStringLiteral("west %1, east %2, westRate %3, eastRate %4, elapsed %5, now %6")
        .arg(in.west, 0, 'g', 17)
        .arg(in.east, 0, 'g', 17)
        .arg(in.westRate, 0, 'g', 17)
        .arg(in.eastRate, 0, 'g', 17)
        .arg(in.elapsed)
        .arg(in.now);
}

QString describe(const EndForecast &f)
{
    return QStringLiteral("rule %1, met %2, remaining %3, endMinute %4, winner %5, message \"%6\", caption \"%7\"")
        .arg(f.rule)
        .arg(f.met)
        .arg(f.remaining)
        .arg(f.endMinute)
        .arg(int(f.winner))
        .arg(f.message, f.caption);
}

void require(bool holds, const char *property, const EndInputs &in, const EndForecast &f)
{
    if (!holds)
        fuzz::stop(property, QStringLiteral("  inputs: %1\n  forecast: %2").arg(describe(in), describe(f)));
}

qint64 counted(double score)
{
    const qint64 whole = roundHalfEven(score);
    return whole == 0 ? 1 : whole;
}

bool leads(qint64 a, qint64 b, qint64 ratio, qint64 minimum)
{
    return Wide(a) >= Wide(ratio) * b && a >= minimum;
}

int clampedMinutes(qint64 minutes)
{
    return int(std::min<qint64>(minutes, std::numeric_limits<int>::max()));
}

int dayMinute(qint64 minute)
{
    return minute >= 0 && minute <= 1440 ? int(minute) : int((minute % 1440 + 1440) % 1440);
}

bool isMet(int rule)
{
    static constexpr int metRules[] = {1, 2, 8, 9, 10, 16, 17, 18, 19, 21, 23, 25, 27};
    return std::find(std::begin(metRules), std::end(metRules), rule) != std::end(metRules);
}

Winner winnerOf(int rule)
{
    static constexpr int westRules[] = {1, 3, 4, 5, 8, 14, 17, 19, 20, 23, 24};
    static constexpr int eastRules[] = {2, 6, 9, 11, 12, 13, 16, 21, 22, 25, 26};
    if (std::find(std::begin(westRules), std::end(westRules), rule) != std::end(westRules))
        return Winner::West;
    if (std::find(std::begin(eastRules), std::end(eastRules), rule) != std::end(eastRules))
        return Winner::East;
    return Winner::None;
}

void checkShape(const EndInputs &in, const EndForecast &f)
{
    require(f.rule >= 1 && f.rule <= 28, "the rule is one of 1..28", in, f);
    require(f.met == isMet(f.rule), "the rule decides whether the end is met", in, f);
    require(f.winner == winnerOf(f.rule), "the rule decides the winner", in, f);
    require(f.endMinute >= 0 && f.endMinute <= 1440, "the end minute lies in 0..1440", in, f);
    if (f.met) {
        require(f.remaining == 0 && f.endMinute == dayMinute(in.now), "a met end is now", in, f);
        require(f.caption == QStringLiteral("終了"), "a met end is captioned 終了", in, f);
        require(f.message == QStringLiteral("終了条件成立しています(%1)").arg(f.rule), "a met end says so",
                in, f);
    } else {
        require(f.remaining >= 0, "the remaining time is not negative", in, f);
        require(f.endMinute == dayMinute(qint64(in.now) + f.remaining),
                "the end is now plus the remaining time", in, f);
        require(f.caption.size() == 5 && f.caption == formatMinutesHHMM(f.endMinute),
                "the caption is the end as HH:MM", in, f);
        require(f.message == formatMinutesHHMM(f.remaining) + QStringLiteral("後に終了(%1)").arg(f.rule),
                "the message is the remaining time and the rule", in, f);
    }
}

// With nobody gaining, the standing gives the rule met once its time has come;
// before then the rule numbered one higher forecasts it.
struct Standing {
    int metRule;
    qint64 endsAt;
};

Standing standingOf(qint64 west, qint64 east)
{
    if (leads(west, east, 3, 10000))
        return {19, earliestEnd};
    if (leads(east, west, 3, 10000))
        return {21, earliestEnd};
    if (leads(west, east, 2, 1000))
        return {23, timeLimit};
    if (leads(east, west, 2, 1000))
        return {25, timeLimit};
    return {27, timeLimit};
}

void checkRule(const EndInputs &in, const EndForecast &f)
{
    const qint64 west = counted(in.west);
    const qint64 east = counted(in.east);
    const qint64 el = in.elapsed;

    if (leads(west, east, 3, 10000) && el >= earliestEnd) {
        require(f.rule == 1, "a crushing West lead after six hours is rule 1", in, f);
        return;
    }
    if (leads(east, west, 3, 10000) && el >= earliestEnd) {
        require(f.rule == 2, "a crushing East lead after six hours is rule 2", in, f);
        return;
    }
    const bool westGains = in.westRate > 0;
    if (westGains || in.eastRate > 0) {
        const int shift = westGains ? 0 : 8;
        const qint64 gainer = westGains ? west : east;
        const qint64 other = westGains ? east : west;
        if (el >= timeLimit) {
            const int expected = leads(gainer, other, 2, 1000) ? 8 : leads(other, gainer, 2, 1000) ? 9 : 10;
            require(f.rule == expected + shift, "at the time limit the decisive lead decides", in, f);
            return;
        }
        require(f.rule >= 3 + shift && f.rule <= 7 + shift, "before the limit the gainer's forecast applies",
                in, f);
        const int rule = f.rule - shift;
        if (rule == 3)
            require(f.remaining == clampedMinutes(earliestEnd - el), "rule 3 ends at six hours", in, f);
        else if (rule == 4)
            require(f.remaining >= clampedMinutes(earliestEnd - el) && f.remaining < timeLimit - el,
                    "rule 4 ends between six hours and the limit", in, f);
        else
            require(f.remaining == clampedMinutes(timeLimit - el), "rules 5 to 7 end at the limit", in, f);
        return;
    }

    const Standing standing = standingOf(west, east);
    int expected = standing.metRule;
    if (el < standing.endsAt) {
        ++expected;
        require(f.remaining == clampedMinutes(standing.endsAt - el), "a still battle ends at its standing's time",
                in, f);
    }
    require(f.rule == expected, "with nobody gaining the standing decides", in, f);
}

// West and East swap places when the one gaining army changes sides; with
// both gaining the West army is looked at first, so that case has no mirror.
int mirroredRule(int rule)
{
    if (rule <= 2)
        return 3 - rule;
    if (rule <= 10)
        return rule + 8;
    if (rule <= 18)
        return rule - 8;
    if (rule <= 26)
        return (rule - 19) % 4 < 2 ? rule + 2 : rule - 2;
    return rule;
}

Winner mirroredWinner(Winner w)
{
    return w == Winner::West ? Winner::East : w == Winner::East ? Winner::West : Winner::None;
}

void checkMirror(const EndInputs &in, const EndForecast &f)
{
    if (in.westRate > 0 && in.eastRate > 0)
        return;
    const EndInputs swapped{in.east, in.west, in.eastRate, in.westRate, in.elapsed, in.now};
    const EndForecast m = evaluateEnd(swapped);
    require(m.rule == mirroredRule(f.rule) && m.winner == mirroredWinner(f.winner) && m.met == f.met &&
                m.remaining == f.remaining && m.endMinute == f.endMinute,
            "swapping the armies mirrors the forecast", in, f);
}

double number(FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return std::bit_cast<double>(input.ConsumeIntegral<uint64_t>());
    case 1:
        return input.ConsumeIntegralInRange(-2000, 150000);
    case 2:
        return input.ConsumeIntegralInRange(-200, 200) / 2.0;
    default:
        return input.ConsumeFloatingPoint<double>();
    }
}

// The ratio rules turn on exact multiples, which independent numbers almost
// never hit: the second score is often a multiple or a fraction of the first.
double secondScore(FuzzedDataProvider &input, double first)
{
    if (input.ConsumeBool())
        return number(input);
    const double ratio = input.ConsumeIntegralInRange(2, 3);
    const double base = input.ConsumeBool() ? first * ratio : std::floor(first / ratio);
    return base + input.ConsumeIntegralInRange(-2, 2);
}

int minutes(FuzzedDataProvider &input, int low, int high)
{
    return input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange(low, high);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    EndInputs in;
    in.west = number(input);
    in.east = secondScore(input, in.west);
    in.westRate = number(input);
    in.eastRate = number(input);
    in.elapsed = minutes(input, -100, 2000);
    in.now = minutes(input, 0, 1439);

    const EndForecast f = evaluateEnd(in);
    checkShape(in, f);
    checkRule(in, f);
    checkMirror(in, f);
    return 0;
}
