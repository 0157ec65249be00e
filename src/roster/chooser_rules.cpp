#include "roster/chooser_rules.h"

namespace vantor {

bool bothOnBattleEntry(int west, int east)
{
    return west == BattleEntryIndex && east == BattleEntryIndex;
}

bool chooserAllowsOk(int west, int east)
{
    if (west == NothingSelected || east == NothingSelected)
        return false;
    if (west == east && east != BattleEntryIndex)
        return false;
    if (west != east && east == BattleEntryIndex)
        return false;
    if (west == BattleEntryIndex && west != east)
        return false;
    return true;
}

} // namespace vantor
