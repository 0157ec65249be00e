// Score boxes hold whatever the user typed; every rule that writes a score
// back must write a plain decimal text, and the clamp must leave each box
// between 0 and the upper bound.
#include "clock/numeric_text.h"
#include "fuzz_text.h"
#include "score/score_rules.h"

#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

using namespace vantor;

namespace {

struct Call {
    int step;
    StepDirection direction;
    int award;
    double rate;
    int minutes;

    QString describe() const
    {
        return QStringLiteral("step %1, direction %2, award %3, rate %4, minutes %5")
            .arg(step)
            .arg(int(direction))
            .arg(award)
            .arg(rate, 0, 'g', 17)
            .arg(minutes);
    }
};

// A score is written with fifteen significant digits, the most a double holds
// faithfully, so it reads back within half a unit of the fifteenth digit and
// the correctly rounded reading of that text. Subnormal values hold fewer
// digits than that, so the reading is held to its bound from the smallest
// normal value on.
constexpr qsizetype significantDigits = 15;
constexpr double readBackTolerance = 5.2e-15;

double heldFinite(double value)
{
    if (std::isnan(value))
        return 0;
    return std::clamp(value, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
}

qsizetype significantDigitsOf(const QString &written)
{
    QString digits = written;
    digits.remove(u'-').remove(u'.');
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    qsizetype last = digits.size();
    while (last > first && digits[last - 1] == u'0')
        --last;
    return last - first;
}

// A written score is plain decimal text of at most fifteen significant digits,
// reads back as the value it was written for, is written again the same when
// read back, and zero has the one text "0".
void checkWritten(const QString &written, double intended, const char *property, const QString &text,
                  const Call &call)
{
    static const QRegularExpression plain(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(-?[0-9]+(\.[0-9]+)?)")));
    const QString context =
        QStringLiteral("wrote \"%1\" for %2; %3").arg(written).arg(intended, 0, 'g', 17).arg(call.describe());
    fuzz::require(plain.match(written).hasMatch(), "a score is written as plain decimal text", text, context);
    fuzz::require(significantDigitsOf(written) <= significantDigits, "a score has at most fifteen significant digits",
                  text, context);
    intended = heldFinite(intended);
    if (intended == 0) {
        fuzz::require(written == QLatin1String("0"), "zero is written as \"0\"", text, context);
    } else if (std::fabs(intended) >= std::numeric_limits<double>::min()) {
        const double read = numericValue(written);
        fuzz::require(std::fabs(read - intended) <= readBackTolerance * std::fabs(intended), property, text, context);
        fuzz::require(scoreText(read) == written, "a score read back is written the same", text, context);
    }
}

void checkSteps(const QString &text, const Call &call)
{
    const double before = numericValue(text);
    const QString stepped = steppedScore(text, call.step, call.direction);
    const bool steps = call.direction != StepDirection::Still;
    const double intended = call.direction == StepDirection::Up ? before + call.step : before - call.step;
    if (steps)
        checkWritten(stepped, intended, "a step writes the stepped value", text, call);
    else
        fuzz::require(stepped == text, "a still step keeps the score", text, call.describe());
}

void checkClamp(const QString &text)
{
    const double before = numericValue(text);
    const std::optional<QString> floored = flooredScore(text);
    fuzz::require(floored.has_value() == (before <= 0 && text != QLatin1String("0")),
                  "the floor rewrites exactly the scores of 0 or less", text);
    const QString afterFloor = floored.value_or(text);
    fuzz::require(!flooredScore(afterFloor), "a floored score needs no second floor", text);

    const std::optional<QString> bounded = boundedScore(afterFloor);
    fuzz::require(bounded.has_value() == (numericValue(afterFloor) >= ScoreUpperBound),
                  "the bound rewrites exactly the scores at or above it", text);
    const QString settled = bounded.value_or(afterFloor);
    fuzz::require(!boundedScore(settled) && !flooredScore(settled), "a clamped score stays as it is", text);
    const double value = numericValue(settled);
    fuzz::require(value >= 0 && value < ScoreUpperBound, "a clamped score lies in 0..bound", text);
}

void checkText(const QString &text, const Call &call)
{
    const double before = numericValue(text);
    checkSteps(text, call);
    checkWritten(awardedScore(text, call.award), before + call.award, "an award writes the sum", text, call);
    checkWritten(accruedScore(text, call.rate, call.minutes), call.rate * call.minutes + before,
                 "accrual writes the gain added to the score", text, call);
    checkClamp(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    Call call;
    call.step = input.ConsumeIntegral<int>();
    call.direction = StepDirection(input.ConsumeIntegralInRange<int>(0, 2));
    call.award = input.ConsumeIntegral<int>();
    call.rate = input.ConsumeBool() ? std::bit_cast<double>(input.ConsumeIntegral<uint64_t>())
                                    : double(input.ConsumeIntegralInRange<int>(-50, 50));
    call.minutes = input.ConsumeIntegral<int>();
    const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    fuzz::forEachReading(bytes.data(), bytes.size(), [&call](const QString &text) { checkText(text, call); });
    return 0;
}
