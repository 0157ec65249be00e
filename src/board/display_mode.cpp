#include "board/display_mode.h"

namespace vantor {

DisplayMode nextDisplayMode(DisplayMode mode)
{
    switch (mode) {
    case DisplayMode::NamesAndStatus:
        return DisplayMode::TagsAndEmblems;
    case DisplayMode::TagsAndEmblems:
        return DisplayMode::GeneralDetails;
    case DisplayMode::GeneralDetails:
        break;
    }
    return DisplayMode::NamesAndStatus;
}

DisplayVisibility displayModeVisibility(DisplayMode mode)
{
    constexpr bool S = true;
    constexpr bool H = false;
    switch (mode) {
    case DisplayMode::TagsAndEmblems:
        return {S, S, H, S, S, H, H, H, H};
    case DisplayMode::GeneralDetails:
        return {H, H, H, H, H, S, S, S, S};
    case DisplayMode::NamesAndStatus:
        break;
    }
    return {S, S, S, H, H, H, H, H, H};
}

} // namespace vantor
