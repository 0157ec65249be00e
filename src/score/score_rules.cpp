#include "score/score_rules.h"

#include "clock/numeric_text.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace vantor {

namespace {

// The most a double holds faithfully: sums such as 2.3 - 1 come out as 1.3, not
// as the binary remainder 1.2999999999999998.
constexpr int SignificantDigits = 15;

QString zero()
{
    return QStringLiteral("0");
}

} // namespace

QString scoreText(double value)
{
    if (std::isnan(value) || value == 0)
        return zero(); // also keeps -0 from showing its sign
    if (std::isinf(value))
        value = value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();

    // "d.dddddddddddddde±x": the value rounded to its significant digits, which
    // are then set around the point in plain decimal notation.
    char buffer[32];
    const auto written = std::to_chars(buffer, std::end(buffer), std::fabs(value), std::chars_format::scientific,
                                       SignificantDigits - 1);
    Q_ASSERT(written.ec == std::errc());
    const std::string_view scientific(buffer, written.ptr - buffer);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.front() + std::string(scientific.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    const char *exponentAt = scientific.data() + e + 1;
    int exponent = 0;
    std::from_chars(exponentAt + (*exponentAt == '+'), written.ptr, exponent);
    const int integerDigits = exponent + 1;

    std::string text = value < 0 ? "-" : "";
    if (integerDigits <= 0)
        text += "0." + std::string(-integerDigits, '0') + digits;
    else if (std::size_t(integerDigits) >= digits.size())
        text += digits + std::string(integerDigits - digits.size(), '0');
    else
        text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString steppedScore(const QString &text, int step, StepDirection direction)
{
    switch (direction) {
    case StepDirection::Up:
        return scoreText(numericValue(text) + step);
    case StepDirection::Down:
        return scoreText(numericValue(text) - step);
    case StepDirection::Still:
        break;
    }
    return text;
}

QString awardedScore(const QString &text, int award)
{
    return scoreText(numericValue(text) + award);
}

QString accruedScore(const QString &text, double rate, int minutes)
{
    return scoreText(rate * minutes + numericValue(text));
}

std::optional<QString> flooredScore(const QString &text)
{
    if (numericValue(text) <= 0 && text != QLatin1String("0"))
        return zero();
    return std::nullopt;
}

std::optional<QString> boundedScore(const QString &text)
{
    if (numericValue(text) >= ScoreUpperBound)
        return zero();
    return std::nullopt;
}

std::array<Award, 5> westAwards()
{
    return {{
        {u"中備副将討ち取り(戦果150)", 150},
        {u"後詰副将討ち取り(戦果200)", 200},
        {u"小荷駄武将討ち取り(戦果500)", 500},
        {u"四天王討ち取り(戦果600)", 600},
        {u"軍師討ち取り(戦果700)", 700},
    }};
}

std::array<Award, 5> eastAwards()
{
    return westAwards();
}

} // namespace vantor
