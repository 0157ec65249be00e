// The window is laid out in twips, 1/1440 inch: at 96 logical dots per inch
// fifteen twips make one logical pixel (Qt scales logical pixels for high DPI).
#pragma once

#include <QRect>

namespace vantor {

constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace vantor
