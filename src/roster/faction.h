// The sides of a battle: fourteen houses, and the West and East armies themselves
// for the great East–West battle. A Faction is an index into this table; the
// current choice of the two sides is held by the faction chooser.
#pragma once

#include <QString>

namespace vantor {

using Faction = int;

inline constexpr Faction HouseCount = 14;
inline constexpr Faction WestArmyFaction = 14; // "西軍" of the great battle
inline constexpr Faction EastArmyFaction = 15; // "東軍" of the great battle
inline constexpr Faction FactionCount = 16;

enum class ColourScheme { DefaultColours, BattleColours };

struct FactionChoice {
    Faction WestFaction = 4; // 徳川家
    Faction EastFaction = 2; // 北条家
    ColourScheme Colours = ColourScheme::DefaultColours;
    int RestorationFaction = 0;

    friend bool operator==(const FactionChoice &, const FactionChoice &) = default;
};

// Empty for any index outside the table, "nothing selected" (-1) included.
QString factionName(Faction faction);
QString factionTag(Faction faction);

} // namespace vantor
