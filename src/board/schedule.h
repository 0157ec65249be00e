// When a fallen main general's successor is due at a post. A due time is a minute
// of day; the post stays due for the hour that begins at it, and once that hour is
// over the same time of the next day is awaited instead.
#pragma once

#include <QString>

namespace vantor {

// Whether `now` lies in the hour that begins at `placeMinute`, counted across
// midnight.
bool isDue(int placeMinute, int now);

// The countdown shown on a post's controls: the time left before the due time, or
// a note that it has passed while the due hour lasts. Its last minute (now 60
// minutes after the due time) already counts as passed although the post is no
// longer due.
QString placementTooltip(int placeMinute, int now);

} // namespace vantor
