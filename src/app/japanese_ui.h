// The window was designed for the Japanese Gothic font "ＭＳ ゴシック", which most
// systems lack; the name is mapped onto a Japanese Gothic that is installed, and
// Qt's own texts (button captions, context menus) are shown in Japanese.
#pragma once

#include <QFont>

class QApplication;

namespace vantor {

inline constexpr const char16_t *DesignFontFamily = u"ＭＳ ゴシック";

void setUpJapaneseUi(QApplication &app);
QFont gothicFont(double pointSize, bool bold = false);

} // namespace vantor
