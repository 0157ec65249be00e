// The state behind the main window: every per-post list has nineteen entries, one
// per slot and entry 18 that belongs to no post; every name table has nineteen rows
// of three columns (main general, vice general, never filled). The window's own
// controls show this state; the rules that change it live beside this header.
#pragma once

#include "board/post_status.h"

#include <QString>
#include <array>

namespace vantor {

using SlotInts = std::array<int, SlotListSize>;
using SlotTexts = std::array<QString, SlotListSize>;
using NameTable = std::array<std::array<QString, 3>, SlotListSize>;

struct BattleBoard {
    NameTable WestGeneralNames;
    NameTable EastGeneralNames;
    std::array<QString, 5> StatusWords;
    SlotInts SlotStatus{};
    SlotInts PlaceMinute{};
    SlotInts PlaceArmed{};
    int UserInputArmed = 0;
    std::array<QString, 7> MacroTags;
    int DisplayMode = 0;
    int ElapsedMinutes = 0;
    int LastTickMinute = 0;
    int ElapsedValid = 0;
    int Text2ChangeArmed = 0;
    int LastMouseButton = 0;
    SlotInts SavedFlag{};
    SlotTexts SavedTimeText;
    SlotInts SavedPlaceMinute{};
    SlotInts SavedPlaceArmed{};
    NameTable WestGeneralInfo;
    NameTable EastGeneralInfo;
    int WestRate = 0;
    int EastRate = 0;
    int ScoresSettled = 0;
    int ScoreAccrualMinute = 0;
    int ScoreChangeSuppressed = 0;

    // The schedule a post kept when its general was placed by hand, for a right
    // click that takes the placement back.
    void forgetSavedSchedule(int slot)
    {
        SavedFlag[slot] = 0;
        SavedTimeText[slot].clear();
        SavedPlaceMinute[slot] = 0;
        SavedPlaceArmed[slot] = 0;
    }

    const NameTable &namesOf(Army army) const { return army == Army::West ? WestGeneralNames : EastGeneralNames; }
    const NameTable &infoOf(Army army) const { return army == Army::West ? WestGeneralInfo : EastGeneralInfo; }
};

} // namespace vantor
