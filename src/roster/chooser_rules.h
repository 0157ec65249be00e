// The rules that keep the faction chooser's choice consistent. Both lists hold the
// fourteen houses followed by the great battle's entry "東西対抗大合戦" at index 14;
// after the great battle is confirmed they hold all sixteen factions instead.
#pragma once

#include "roster/faction.h"

namespace vantor {

inline constexpr int BattleEntryIndex = 14;
inline constexpr int NothingSelected = -1;

// The great battle on both sides forces its colours and rules out restoration.
bool bothOnBattleEntry(int west, int east);

// Why the chooser will not take a pair, so that it can tell the user what to
// change; the first that holds, None for a pair it takes.
enum class OkRefusal {
    None,
    SideNotChosen,   // a list with nothing selected
    SameHouse,       // one house on both sides
    BattleOnOneSide, // the great battle against a house
};
OkRefusal chooserRefusal(int west, int east);

// Both sides selected, and either both the great battle or two different houses.
bool chooserAllowsOk(int west, int east);

} // namespace vantor
