// What a post looks like in each status: the colour of its frame and labels, the
// status word, the macro tag and emblem, and whose roster names it shows.
#pragma once

#include "board/post_status.h"
#include "roster/faction.h"

#include <QColor>

namespace vantor {

inline constexpr QRgb NeutralGrey = 0xE0E0E0;

// Present, fighting and awaiting shades of an army under a colour scheme. Under
// the default colours the West army is blue and the East army red; the great
// battle's colours swap them.
QColor armyColour(Army army, StatusKind kind, ColourScheme scheme);

struct PostLook {
    Army namesFrom;      // whose names and information the post shows
    QColor colour;       // frame and its nine coloured controls
    int statusWordIndex; // into statusWords: 0 健在, 1 主将戦闘中, 2 主将配置待ち
    int tagIndex;        // into macroTags and the tag pictures
    StatusKind kind;     // present, fighting, or awaiting with a placement time
};

PostLook postLook(int slot, int status, ColourScheme scheme);

// The macro tags of entries 2..5 for a scheme; each travels with one status icon
// (statusIconForTag gives which of the four designed icons).
QString schemeTag(int entry, ColourScheme scheme);
int statusIconForTag(int entry, ColourScheme scheme);

} // namespace vantor
