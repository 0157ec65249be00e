// The program's pictures, drawn from shapes at first use rather than shipped as
// bitmaps: the faction emblems, the four status icons of the posts and the
// picture of the About box. Each is drawn once and then handed out as a shared
// copy, so asking again is cheap.
#pragma once

#include "roster/faction.h"

#include <QImage>

namespace vantor {

inline constexpr int EmblemSize = 21;
inline constexpr int StatusIconCount = 4;
inline constexpr int AboutPictureWidth = 61;
inline constexpr int AboutPictureHeight = 88;

// 21 × 21 crest of a faction; a blank window-grey square for an index outside
// the table, so a post never shows a stale picture.
QImage factionEmblem(Faction faction);

// 21 × 21 icons that travel with the tags "＄買取" (0), "＄売却" (1), "＄勧誘" (2)
// and "＄党員" (3); a blank window-grey square for any other number.
QImage statusIcon(int icon);

QImage aboutPicture();

} // namespace vantor
