// The built-in rosters: for every faction, the general who commands each post and
// a one-line note on him. A faction's rows are seen from its own army: rows 0..8
// are its nine commanders in West slot order, rows 9..17 its garrison commanders
// of the opposing army's posts in mirrored order, row 18 belongs to no post. A
// house names its generals; the West and East armies of the great battle name
// only the role ("西軍左後詰将").
#pragma once

#include "roster/faction.h"

#include <QString>

namespace vantor {

// army 0 reads the row at the slot (West), any other value at 17 - slot (East);
// role 0 is the main general, 1 the vice general. Cells without a general give
// the empty text, a faction outside the table gives "武将".
QString rosterName(Faction faction, int army, int slot, int role);

// "侍48/薙刀/奉行" for a commander, "侍44/槍" for a garrison commander; empty for
// cells without a general, for the two armies and for a faction outside the table.
QString rosterInfo(Faction faction, int army, int slot, int role);

} // namespace vantor
