#include "clock/numeric_text.h"

#include <cmath>
#include <limits>
#include <string>

namespace vantor {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;

    // Collect the leading number as ASCII; only its shape is checked here,
    // the value comes from strtod. Very long digit runs are folded into the
    // exponent so that the copy stays small whatever the text.
    std::string number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += char(text[i++].unicode());

    constexpr int keptDigits = 40;
    int integerDigits = 0;
    long long droppedIntegerDigits = 0;
    while (i < n && isDigit(text[i])) {
        if (integerDigits < keptDigits)
            number += char(text[i].unicode());
        else
            ++droppedIntegerDigits;
        ++integerDigits;
        ++i;
    }
    int fractionDigits = 0;
    if (i < n && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        std::string fraction;
        while (j < n && isDigit(text[j])) {
            if (fractionDigits < keptDigits && droppedIntegerDigits == 0)
                fraction += char(text[j].unicode());
            ++fractionDigits;
            ++j;
        }
        if (integerDigits > 0 || fractionDigits > 0) {
            if (!fraction.empty())
                number += '.' + fraction;
            i = j;
        }
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return 0.0;

    long long exponent = droppedIntegerDigits;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        int sign = 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            sign = text[j++] == QLatin1Char('-') ? -1 : 1;
        if (j < n && isDigit(text[j])) {
            long long e = 0;
            while (j < n && isDigit(text[j])) {
                if (e < 100000)
                    e = e * 10 + (text[j].unicode() - '0');
                ++j;
            }
            exponent += sign * e;
        }
    }
    if (exponent > 100000)
        exponent = 100000;
    number += 'e' + std::to_string(exponent);

    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value))
        return value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    return value;
}

qint64 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();
    return qint64(std::nearbyint(value)); // the default rounding mode is to even
}

qint64 wholeValue(QStringView text)
{
    return roundHalfEven(numericValue(text));
}

} // namespace vantor
