// The two armies' gain per minute and the 21-cell bar that shows the balance.
#pragma once

#include "board/post_status.h"
#include "roster/faction.h"

#include <QColor>
#include <array>

namespace vantor {

inline constexpr int BalanceCells = 21;

struct Rates {
    int west = 0;
    int east = 0;
    friend bool operator==(const Rates &, const Rates &) = default;
};

// The weights of the posts each army has taken from the other, less those it
// has lost; at most one of the two is above 0 and neither passes 21.
Rates ratesFromStatuses(const std::array<int, SlotCount> &statuses);

// West cells fill from the left, East cells from the right; the rest stay grey.
std::array<QColor, BalanceCells> balanceCells(Rates rates, ColourScheme scheme);

} // namespace vantor
