#include "roster/chooser_rules.h"

namespace vantor {

bool bothOnBattleEntry(int west, int east)
{
    return west == BattleEntryIndex && east == BattleEntryIndex;
}

OkRefusal chooserRefusal(int west, int east)
{
    if (west == NothingSelected || east == NothingSelected)
        return OkRefusal::SideNotChosen;
    if (west == east && east != BattleEntryIndex)
        return OkRefusal::SameHouse;
    if (west != east && (west == BattleEntryIndex || east == BattleEntryIndex))
        return OkRefusal::BattleOnOneSide;
    return OkRefusal::None;
}

bool chooserAllowsOk(int west, int east)
{
    return chooserRefusal(west, east) == OkRefusal::None;
}

} // namespace vantor
