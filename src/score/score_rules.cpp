#include "score/score_rules.h"

#include "clock/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vantor {

namespace {

constexpr int AddButton = 1;
constexpr int SubtractButton = 2;

QString zero()
{
    return QStringLiteral("0");
}

std::array<Award, 5> awardsWithSupplyCaption(const char16_t *supplyCaption)
{
    return {{
        {u"中備副将討ち取り(戦果150)", 150},
        {u"後詰副将討ち取り(戦果200)", 200},
        {supplyCaption, 500},
        {u"四天王討ち取り(戦果600)", 600},
        {u"軍師討ち取り(戦果700)", 700},
    }};
}

} // namespace

QString scoreText(double value)
{
    if (std::isnan(value) || value == 0)
        return zero(); // also keeps -0 from showing its sign
    if (std::isinf(value))
        value = value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();

    // The longest shortest-round-trip fixed text of a double is a sign, "0."
    // and 324 more digits for the smallest subnormal, or 309 integer digits.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    Q_ASSERT(result.ec == std::errc());
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString steppedScore(const QString &text, int step, int button)
{
    QString stepped = text;
    if (button == AddButton)
        stepped = scoreText(numericValue(text) + step);
    else if (button == SubtractButton)
        stepped = scoreText(numericValue(text) - step);
    return flooredScore(stepped).value_or(stepped);
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
    return awardsWithSupplyCaption(u"小荷駄武討ち取り(戦果500)");
}

std::array<Award, 5> eastAwards()
{
    return awardsWithSupplyCaption(u"小荷駄武将討ち取り(戦果500)");
}

} // namespace vantor
