// How the program looks on any desktop. The window was designed for the Japanese
// Gothic font "ＭＳ ゴシック", which most systems lack: the name is mapped onto a
// Japanese Gothic that is installed. Qt's own texts (button captions, context
// menus) are shown in Japanese. And the layout was made for classic controls:
// frames carry their caption in the border, and buttons and boxes are flat and
// quick to draw. Every window carries Vantor's icon and names its desktop
// entry, so that the taskbar shows it as the menu does.
#pragma once

#include <QFont>

class QApplication;

namespace vantor {

inline constexpr const char16_t *DesignFontFamily = u"ＭＳ ゴシック";

void setUpDesktopLook(QApplication &app);
QFont gothicFont(double pointSize, bool bold = false);
// The font made just narrow enough (never below three quarters of its width) for
// text to fit in width pixels.
QFont narrowedToFit(QFont font, const QString &text, int width);

} // namespace vantor
