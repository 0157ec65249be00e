// The grid the rosters share and the words a house roster is written in. Notes on
// generals are kept as words of a small vocabulary, so a note can only be put
// together from known words, and its level is set by the grid, not by the data.
#pragma once

#include "roster/faction.h"

#include <optional>

namespace vantor {

// Rows 0..8 hold a commander and, in rows 0..5, a vice; rows 9..17 a garrison
// commander; row 18 and role 2 nobody.
enum class CellKind { Commander, Vice, Garrison };

inline std::optional<CellKind> cellKind(int row, int role)
{
    if (role == 0 && row >= 0 && row < 9)
        return CellKind::Commander;
    if (role == 0 && row >= 9 && row < 18)
        return CellKind::Garrison;
    if (role == 1 && row >= 0 && row < 6)
        return CellKind::Vice;
    return std::nullopt;
}

enum class GeneralClass : unsigned char { Samurai, Priest, Physician, Monk, Onmyoji, Ninja, Smith };

enum class Weapon : unsigned char {
    Spear,
    Sword,
    Dagger,
    Naginata,
    Musket,
    Bow,
    Club,
    Staff,
    Whip,
    Masakari,
    TwinSwords,
    Axe,
    TwinDaggers,
    SwordsAndSpear,
    Cudgel,
    UnknownWeapon,
};

enum class Rank : unsigned char { Magistrate, Elder, Inspector, Captain, Auxiliary, UnknownRank };

struct HouseGeneral {
    const char16_t *name;
    GeneralClass generalClass;
    Weapon weapon;
    std::optional<Rank> rank; // garrison commanders hold no rank
};

// house 0..13; nothing for a cell without a general.
std::optional<HouseGeneral> houseGeneral(Faction house, int row, int role);

} // namespace vantor
