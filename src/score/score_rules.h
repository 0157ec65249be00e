// Each army's battle score is the text of its score box; these rules read the
// value out of the text and give the text the box should hold next. They never
// touch a box: the window writes the result and its change reactions decide
// whether the write counts as an edit.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vantor {

// Scores at or above this are typing slips, reset to "0" when they settle.
inline constexpr double ScoreUpperBound = 100000;

// Plain decimal text without separators or exponent: "1350", "0.5", "-40".
// The value is rounded to fifteen significant digits, so the noise of binary
// fractions never shows; infinities are held at the largest finite value of
// their sign and NaN gives "0".
QString scoreText(double value);

// Which way a press of a step button moves its score: the left button adds the
// step, the right button subtracts it, and any other button keeps the score.
enum class StepDirection { Up, Down, Still };

// The result may lie below 0: the board shows it as the player's edit and then
// applies the floor.
QString steppedScore(const QString &text, int step, StepDirection direction);

QString awardedScore(const QString &text, int award);
QString accruedScore(const QString &text, double rate, int minutes);

// The two passes of the clamp. Each gives the text to write, or nothing when
// the box keeps its text; a box that already reads "0" keeps it, so a caller
// that writes only what it is given never raises a change that changes nothing.
std::optional<QString> flooredScore(const QString &text); // 0 or less -> "0"
std::optional<QString> boundedScore(const QString &text); // ScoreUpperBound or more -> "0"

struct Award {
    const char16_t *caption;
    int points;
};

// The award menus in menu order. Both armies' menus read alike.
std::array<Award, 5> westAwards();
std::array<Award, 5> eastAwards();

} // namespace vantor
