#include "board/text_contrast.h"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// The light a colour gives off, 0 for black to 1 for white: each sRGB channel
// undone to linear light, weighted by how bright the eye finds it.
double relativeLuminance(QColor colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QRgb rgb = colour.rgb();
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

} // namespace

double contrastRatio(QColor a, QColor b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableTextColour(QColor background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace vantor
