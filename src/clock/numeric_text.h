// How the board reads a number out of a text box or a caption: the leading number
// of the text counts, anything after it is ignored, and a text without one counts
// as 0. Both functions are total: any text gives a finite value at once.
#pragma once

#include <QStringView>
#include <QtGlobal>

namespace vantor {

// Leading blanks are skipped; then an optional sign, digits with an optional
// decimal point and an optional exponent. Values beyond the double range are
// held at the largest finite value of their sign.
double numericValue(QStringView text);

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4), saturated to the
// 64-bit range.
qint64 roundHalfEven(double value);

// The two together: the whole number a box holds.
qint64 wholeValue(QStringView text);

} // namespace vantor
