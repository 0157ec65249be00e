// How the board reads a number out of a text box or a caption: the leading number
// of the text counts, anything after it is ignored, and a text without one counts
// as 0. Both functions are total: any text gives a finite value at once.
#pragma once

#include <QChar>
#include <QStringView>
#include <QtGlobal>

namespace vantor {

// What a character typed into a box stands for. A Japanese input method in
// full-width mode types "１：３０" or "－５０"; its digits, colon, plus, minus,
// full stop and the ideographic space read as their ASCII forms. The minus is
// either U+FF0D or U+2212, as the two common mappings of the JIS minus sign give
// it. The prolonged sound mark "ー" that the minus key types in kana mode stays
// a letter: it belongs to words, and no box has a use for a negative number.
// Every other character, ASCII included, stands for itself.
QChar asciiForm(QChar typed);

// Each character is read by its ASCII form. Leading blanks are skipped; then an
// optional sign, digits with an optional decimal point and an optional exponent.
// Values beyond the double range are held at the largest finite value of their
// sign.
double numericValue(QStringView text);

// Whether the text is one number and nothing else, blanks around it aside.
// "1,200" and "12abc" count by their leading number all the same; the player
// is shown that the rest was not read.
bool isPlainNumber(QStringView text);

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4), saturated to the
// 64-bit range.
qint64 roundHalfEven(double value);

// The two together: the whole number a box holds.
qint64 wholeValue(QStringView text);

} // namespace vantor
