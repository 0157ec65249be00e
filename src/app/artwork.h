// The program's pictures, drawn from shapes at first use rather than shipped as
// bitmaps: the faction emblems, the four status icons of the posts and the
// picture of the About box. At their designed size each is drawn once and then
// handed out as a shared copy, so asking again is cheap. They are drawn just as
// well for the device pixels they cover on a scaled board or a high-density
// screen, so they stay as sharp as the text beside them.
#pragma once

#include "roster/faction.h"

#include <QImage>
#include <QPixmap>

class QEvent;

namespace vantor {

inline constexpr int EmblemSize = 21;
inline constexpr int StatusIconCount = 4;
inline constexpr int AboutPictureWidth = 61;
inline constexpr int AboutPictureHeight = 88;

// Crest of a faction, `pixels` square; a blank window-grey square for an index
// outside the table, so a post never shows a stale picture.
QImage factionEmblem(Faction faction, int pixels = EmblemSize);

// Icons, `pixels` square, that travel with the tags "＄買取" (0), "＄売却" (1),
// "＄勧誘" (2) and "＄党員" (3); a blank window-grey square for any other number.
QImage statusIcon(int icon, int pixels = EmblemSize);

// The About picture for a screen of the given device pixel ratio.
QImage aboutPicture(qreal devicePixelRatio = 1.0);

// A picture drawn at device pixels, tagged so that it is shown one image pixel
// to one screen pixel.
QPixmap forScreen(const QImage &image, qreal devicePixelRatio);

// The window moved to a screen of other pixel density, or the density changed:
// pictures drawn for the old one must be drawn again.
bool changesPixelDensity(const QEvent *event);

} // namespace vantor
