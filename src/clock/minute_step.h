// How far the wall clock moved between two readings of the minute of day, for the
// counts that grow with it (the elapsed battle time, the points gained per minute).
#pragma once

namespace vantor {

// Minutes from `last` to `now` (both 0..1439), across midnight. The readings are
// taken every few seconds, so a step of 1380 minutes or more is not most of a day
// gone by but the wall clock set back by an hour or less (a correction, a change
// of summer time); it counts as no time at all rather than as a day. The caller
// moves its last minute to `now` either way.
int minutesSince(int last, int now);

} // namespace vantor
