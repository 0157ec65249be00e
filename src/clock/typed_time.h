// Times the user types into a box: the elapsed battle time and the placement time
// of a post. Both boxes take hours and minutes written with one colon (1:5, 1:05,
// 12:5, 12:05); the elapsed box also takes a bare count of minutes of up to two
// characters. The full-width forms an input method types read as their ASCII
// forms ("１：３０" is 1:30). Anything else cannot be read and gives no value. A
// text longer than five characters is rejected unread, so any paste answers at
// once.
#pragma once

#include <QString>

#include <optional>

namespace vantor {

// Minutes of battle. A count above a day wraps to the time within the day, but a
// whole day (24:00) is kept, as the time limit of a battle is exactly one day.
std::optional<int> readElapsedText(const QString &text);

// A time of day 0..1439; 24:00 is midnight.
std::optional<int> readPlacementText(const QString &text);

// What a box keeps of the text the player typed or pasted: all of it but the
// C0 control characters and DEL. A line break or an escape pasted into a box
// would otherwise reach the game's chat through the report.
QString typedBoxText(QStringView typed);

// What each box accepts, for the player whose text cannot be read.
inline constexpr char16_t ElapsedTextForms[] = u"経過時間は 1:30 の形か、90 のような2桁までの分で入力してください";
inline constexpr char16_t PlacementTextForms[] = u"時刻は 12:30 や 9:05 の形で入力してください";

} // namespace vantor
