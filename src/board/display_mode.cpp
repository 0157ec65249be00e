#include "board/display_mode.h"

namespace vantor {

int nextDisplayMode(int mode)
{
    return mode >= 2 ? 0 : mode + 1;
}

DisplayVisibility displayModeVisibility(int mode)
{
    constexpr Shown S = Shown::Show;
    constexpr Shown H = Shown::Hide;
    switch (mode) {
    case 1:
        // The picture box keeps whatever it had: nothing ever shows it.
        return {S, S, H, S, Shown::Keep, S, H, H, H, H};
    case 2:
        return {H, H, H, H, H, H, S, S, S, S};
    default:
        return {S, S, S, H, H, H, H, H, H, H};
    }
}

} // namespace vantor
