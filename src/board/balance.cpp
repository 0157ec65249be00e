#include "board/balance.h"

#include "board/post_display.h"

namespace vantor {

Rates ratesFromStatuses(const std::array<int, SlotCount> &statuses)
{
    int takenWest = 0;
    int takenEast = 0;
    for (int s = 0; s < SlotCount; ++s) {
        if (!isTaken(statuses[s]))
            continue;
        (armyOfSlot(s) == Army::West ? takenWest : takenEast) += postWeight(s);
    }
    return Rates{qMax(0, takenEast - takenWest), qMax(0, takenWest - takenEast)};
}

std::array<QColor, BalanceCells> balanceCells(Rates rates, ColourScheme scheme)
{
    std::array<QColor, BalanceCells> cells;
    cells.fill(QColor(NeutralGrey));
    const QColor west = armyColour(Army::West, StatusKind::Present, scheme);
    const QColor east = armyColour(Army::East, StatusKind::Present, scheme);
    for (int k = 0; k < qMin(rates.west, BalanceCells); ++k)
        cells[k] = west;
    for (int k = 0; k < qMin(rates.east, BalanceCells); ++k)
        cells[BalanceCells - 1 - k] = east;
    return cells;
}

} // namespace vantor
