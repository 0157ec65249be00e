// Names and captions are drawn on the post colours, from the pale shades to the
// strong blue and red of a fighting post. Their text takes black or white,
// whichever stands out more from the background by the WCAG contrast ratio.
#pragma once

#include <QColor>

namespace vantor {

// The WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrastRatio(QColor a, QColor b);

// Black or white, whichever has the higher contrast ratio on the background;
// black where both are alike.
QColor readableTextColour(QColor background);

// Typed text the board cannot read, on the white of its text box: a dark red at
// 8.4:1, where the box's usual black stands at 21:1.
inline constexpr QRgb UnreadableTextColour = 0xA00000;

} // namespace vantor
