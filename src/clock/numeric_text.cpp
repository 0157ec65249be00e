#include "clock/numeric_text.h"

#include <algorithm>
#include <charconv>
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

QChar asciiForm(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'０' && c <= u'９')
        return QChar(u'0' + (c - u'０'));
    switch (c) {
    case u'：':
        return QLatin1Char(':');
    case u'＋':
        return QLatin1Char('+');
    case u'－':
    case u'−':
        return QLatin1Char('-');
    case u'．':
        return QLatin1Char('.');
    case u'\u3000':
        return QLatin1Char(' ');
    default:
        return typed;
    }
}

namespace {

struct Scanned {
    double value = 0;
    qsizetype end = 0; // where the number ends, or 0 when there is none
};

Scanned scanNumber(QStringView text)
{
    const qsizetype n = text.size();
    const auto at = [text](qsizetype i) { return asciiForm(text[i]); };
    qsizetype i = 0;
    while (i < n && (at(i) == QLatin1Char(' ') || at(i) == QLatin1Char('\t')))
        ++i;

    bool negative = false;
    if (i < n && (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')))
        negative = at(i++) == QLatin1Char('-');

    // The number is held as its significant digits times a power of ten. Only the
    // first forty significant digits are kept, far more than a double can tell
    // apart, so that the copy stays small whatever the text; later digits of the
    // integer part only raise the power.
    constexpr std::size_t keptDigits = 40;
    std::string digits;
    long long power = 0;
    const auto take = [&](QChar c, bool inFraction) {
        if (digits.empty() && c == QLatin1Char('0')) {
            if (inFraction)
                --power;
        } else if (digits.size() < keptDigits) {
            digits += char(c.unicode());
            if (inFraction)
                --power;
        } else if (!inFraction) {
            ++power;
        }
    };

    qsizetype integerDigits = 0;
    for (; i < n && isDigit(at(i)); ++i, ++integerDigits)
        take(at(i), false);
    qsizetype fractionDigits = 0;
    if (i < n && at(i) == QLatin1Char('.')) {
        for (++i; i < n && isDigit(at(i)); ++i, ++fractionDigits)
            take(at(i), true);
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return {};

    if (i < n && (at(i) == QLatin1Char('e') || at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        int sign = 1;
        if (j < n && (at(j) == QLatin1Char('+') || at(j) == QLatin1Char('-')))
            sign = at(j++) == QLatin1Char('-') ? -1 : 1;
        long long e = 0;
        const qsizetype exponentDigits = j;
        for (; j < n && isDigit(at(j)); ++j) {
            if (e < 100000)
                e = e * 10 + (at(j).unicode() - '0');
        }
        power += sign * e;
        if (j > exponentDigits)
            i = j;
    }
    if (digits.empty())
        return {0.0, i};

    // from_chars, unlike strtod, reads a point as the decimal separator whatever
    // C locale the application took from its environment.
    power = std::clamp(power, -100000LL, 100000LL);
    const std::string number = digits + 'e' + std::to_string(power);
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range)
        value = power + qsizetype(digits.size()) > 0 ? std::numeric_limits<double>::max() : 0.0;
    return {negative ? -value : value, i};
}

} // namespace

double numericValue(QStringView text)
{
    return scanNumber(text).value;
}

bool isPlainNumber(QStringView text)
{
    const qsizetype end = scanNumber(text).end;
    if (end == 0)
        return false;
    for (qsizetype i = end; i < text.size(); ++i)
        if (asciiForm(text[i]) != QLatin1Char(' ') && asciiForm(text[i]) != QLatin1Char('\t'))
            return false;
    return true;
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
