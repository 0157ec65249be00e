// Any text a box can hold must read as a finite number, and the whole number
// drawn from it must be the nearest one, halves to even. Full-width typing reads
// as the ASCII it stands for.
#include "clock/numeric_text.h"
#include "fuzz_text.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace vantor;

namespace {

constexpr double saturation = 9.2e18;

void checkRounding(double value, const QString &text)
{
    const qint64 whole = roundHalfEven(value);
    if (std::isnan(value))
        return;
    if (value >= saturation) {
        fuzz::require(whole == std::numeric_limits<qint64>::max(), "large values saturate upwards", text);
        return;
    }
    if (value <= -saturation) {
        fuzz::require(whole == std::numeric_limits<qint64>::min(), "large negatives saturate downwards",
                      text);
        return;
    }
    fuzz::require(roundHalfEven(-value) == -whole, "rounding is symmetric about zero", text);
    // Beyond 2^53 every double is whole already; below it the distance is exact.
    if (std::fabs(value) >= 0x1p53) {
        fuzz::require(double(whole) == value, "whole doubles round to themselves", text);
        return;
    }
    const double distance = std::fabs(double(whole) - value);
    fuzz::require(distance <= 0.5, "rounding goes to the nearest whole number", text);
    if (distance == 0.5)
        fuzz::require(whole % 2 == 0, "halves round to even", text);
}

// A text that is nothing but a plain decimal number of moderate length must
// read exactly as a correctly rounded conversion reads it.
void checkPlainNumber(const QString &text, double value)
{
    static const QRegularExpression plain(QRegularExpression::anchoredPattern(
        QStringLiteral(R"([+-]?([0-9]{1,30}(\.[0-9]{0,30})?|\.[0-9]{1,30})([eE][+-]?[0-9]{1,3})?)")));
    if (!plain.match(text).hasMatch())
        return;
    bool ok = false;
    const double reference = text.toDouble(&ok);
    if (ok && std::isfinite(reference))
        fuzz::require(value == reference, "a plain number reads as its correctly rounded value", text);
    fuzz::require(isPlainNumber(text), "a plain decimal number is plain", text);
}

void checkText(const QString &text)
{
    const double value = numericValue(text);
    fuzz::require(std::isfinite(value), "every text reads as a finite number", text);
    fuzz::require(wholeValue(text) == roundHalfEven(value), "the whole value is the rounded reading", text);
    checkRounding(value, text);
    checkPlainNumber(text, value);

    // Only the leading number counts: what follows it and blanks before it
    // change nothing.
    fuzz::require(numericValue(text + u'z') == value, "trailing text is ignored", text);
    fuzz::require(numericValue(u' ' + text) == value, "a leading blank is skipped", text);
    fuzz::require(numericValue(u'\t' + text) == value, "a leading tab is skipped", text);

    // A plain number is all number: a letter after it is more than it reads.
    if (isPlainNumber(text)) {
        fuzz::require(!isPlainNumber(text + u'z'), "a letter after a number is not plain", text);
        fuzz::require(isPlainNumber(u' ' + text + u' '), "blanks around a number keep it plain", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::forEachReading(data, size, checkText);
    const fuzz::TypedTwins twins = fuzz::fullWidthTwins(data, size);
    fuzz::require(numericValue(twins.typed) == numericValue(twins.ascii), "full-width typing reads as ASCII",
                  twins.typed, twins.ascii);

    // The rounding is also fed raw doubles, NaN and the infinities among them.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkRounding(raw, QStringLiteral("raw double %1").arg(raw, 0, 'g', 17));
    }
    return 0;
}
