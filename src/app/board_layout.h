// The board as it was designed, in twips, 1/1440 inch: where every control
// stands at the designed size and which font it takes. The window builds from
// this table, each post lays out its parts from it, and the scaler keeps every
// control at its designed place and size as the board grows and shrinks.
#pragma once

#include "app/twips.h"

#include <QRect>

namespace vantor::layout {

inline constexpr QRect Board = twipsRect(0, 0, 10800, 7560);

// Top strip
inline constexpr QRect WestScoreBox = twipsRect(240, 540, 1095, 360);
inline constexpr QRect EastScoreBox = twipsRect(9360, 540, 1095, 360);
inline constexpr QRect WestFactionCaption = twipsRect(1800, 480, 1575, 255);
inline constexpr QRect EastFactionCaption = twipsRect(7320, 480, 1575, 255);
inline constexpr QRect ClockFrame = twipsRect(3960, 120, 1335, 735);
inline constexpr QRect ClockCaption = twipsRect(120, 285, 1095, 255); // in its frame
inline constexpr QRect ElapsedFrame = twipsRect(5400, 120, 1335, 735);
inline constexpr QRect ElapsedBox = twipsRect(120, 240, 1095, 360); // in its frame
inline constexpr QRect WestRateCaption = twipsRect(0, 960, 255, 255);
inline constexpr QRect EastRateCaption = twipsRect(10440, 960, 255, 255);

// The 21 cells of the balance bar, 480 twips apart; the bar spans them all.
inline constexpr int BalanceCellLeft = 360;
inline constexpr int BalanceCellPitch = 480;
inline constexpr int BalanceCellWidth = 375;
inline constexpr QRect BalanceBar = twipsRect(BalanceCellLeft, 960, 20 * BalanceCellPitch + BalanceCellWidth, 255);

// The score step buttons of each army, 100, 10 and 1 from the left.
struct StepButton {
    int points;
    QRect west;
    QRect east;
};
inline constexpr StepButton StepButtons[] = {
    {100, twipsRect(240, 240, 495, 255), twipsRect(9360, 240, 495, 255)},
    {10, twipsRect(720, 240, 375, 255), twipsRect(9840, 240, 375, 255)},
    {1, twipsRect(1080, 240, 255, 255), twipsRect(10200, 240, 255, 255)},
};

// The posts: six columns of three, the armies' vanguards facing in the middle.
inline constexpr int PostColumns = 6;
inline constexpr int PostRows = 3;
constexpr int postColumn(int slot) { return slot / PostRows; }
constexpr int postRow(int slot) { return slot % PostRows; }
constexpr QRect postFrame(int slot)
{
    return twipsRect(120 + 1680 * postColumn(slot), 1320 + 1800 * postRow(slot), 1575, 1695);
}

// The first post `shown` that lies `columns` across and `rows` down from
// `slot` and on in that direction, or -1 past the board's edge.
template <typename Shown>
int postBeside(int slot, int columns, int rows, Shown shown)
{
    if (columns == 0 && rows == 0)
        return -1;
    for (int c = postColumn(slot) + columns, r = postRow(slot) + rows;
         c >= 0 && c < PostColumns && r >= 0 && r < PostRows; c += columns, r += rows)
        if (shown(c * PostRows + r))
            return c * PostRows + r;
    return -1;
}

// The parts of a post, in its frame. Parts that share a place are never shown
// together.
inline constexpr QRect MainName = twipsRect(120, 240, 1335, 255);
inline constexpr QRect MainDetails = twipsRect(120, 480, 1335, 255);
inline constexpr QRect ViceName = twipsRect(120, 600, 1335, 255);
inline constexpr QRect DetailsViceName = twipsRect(120, 720, 1335, 255);
inline constexpr QRect TagPicture = twipsRect(1080, 840, 315, 315);
inline constexpr QRect StatusCaption = twipsRect(120, 960, 1335, 255);
inline constexpr QRect ViceDetails = twipsRect(120, 960, 1335, 255);
inline constexpr QRect TagCaption = twipsRect(240, 960, 855, 255);
inline constexpr QRect TimeBox = twipsRect(120, 1320, 1335, 270);

// Bottom strip. The design puts 初期化 over the right half of the two option
// captions; it stands right and down just enough for both to be read whole.
inline constexpr QRect AutoPlaceCheck = twipsRect(360, 6720, 3615, 240);
inline constexpr QRect NoticeBoxCheck = twipsRect(360, 6960, 2295, 240);
inline constexpr QRect BattleResultsCheck = twipsRect(360, 7200, 1095, 240);
inline constexpr QRect ResetButton = twipsRect(2160, 6990, 2055, 495);
inline constexpr QRect ForecastFrame = twipsRect(4560, 6720, 1575, 615);
inline constexpr QRect ForecastCaption = twipsRect(240, 240, 1095, 255); // in its frame
inline constexpr QRect DisplaySwitchButton = twipsRect(7320, 6840, 1575, 495);
inline constexpr QRect CopyReportButton = twipsRect(9000, 6840, 1575, 495);
// The note that the report is on the clipboard, in the gap between the posts
// and the buttons, flush with the button's right edge.
inline constexpr QRect CopyReportNote = twipsRect(7320, 6630, 3255, 210);

// Font sizes in points, of the design font "ＭＳ ゴシック".
inline constexpr double PlainFontSize = 9;    // the board's own: captions, buttons, boxes
inline constexpr double NameFontSize = 9;     // generals' names, bold
inline constexpr double DetailsFontSize = 8.25;
inline constexpr double TimeFontSize = 11.25; // a post's time box

} // namespace vantor::layout
