#include "board/post_display.h"

#include <array>

namespace vantor {

QColor armyColour(Army army, StatusKind kind, ColourScheme scheme)
{
    const bool blue = (army == Army::West) == (scheme == ColourScheme::DefaultColours);
    switch (kind) {
    case StatusKind::Present:
        return QColor(blue ? 0x8080FF : 0xFF8080);
    case StatusKind::Fighting:
        return QColor(blue ? 0x0000FF : 0xFF0000);
    case StatusKind::Awaiting:
        return QColor(blue ? 0xC0C0FF : 0xFFC0C0);
    }
    return QColor(NeutralGrey);
}

PostLook postLook(int slot, int status, ColourScheme scheme)
{
    const Army holder = holdingArmy(slot, status);
    const StatusKind kind = statusKind(status);
    int tag = 0;
    switch (kind) {
    case StatusKind::Present:
        tag = holder == Army::West ? 0 : 1;
        break;
    case StatusKind::Fighting:
        tag = holder == Army::West ? 5 : 4;
        break;
    case StatusKind::Awaiting:
        tag = holder == Army::West ? 2 : 3;
        break;
    }
    return PostLook{holder, armyColour(holder, kind, scheme), int(kind), tag, kind};
}

QString schemeTag(int entry, ColourScheme scheme)
{
    static const std::array<const char16_t *, 4> defaultOrder{u"＄買取", u"＄売却", u"＄勧誘", u"＄党員"};
    return QString::fromUtf16(defaultOrder[statusIconForTag(entry, scheme)]);
}

int statusIconForTag(int entry, ColourScheme scheme)
{
    const int icon = entry - 2;
    // The battle colours exchange the first pair and the second pair.
    return scheme == ColourScheme::DefaultColours ? icon : icon ^ 1;
}

} // namespace vantor
