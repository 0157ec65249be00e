// The three ways a post can be shown, cycled by the display switch.
#pragma once

namespace vantor {

enum class DisplayMode { NamesAndStatus, TagsAndEmblems, GeneralDetails };

enum class Shown { Keep, Show, Hide };

struct DisplayVisibility {
    Shown mainName, viceName, statusCaption, tagCaption, pictureBox, tagPicture, detailsMainName,
        mainGeneralDetails, detailsViceName, viceGeneralDetails;
    friend bool operator==(const DisplayVisibility &, const DisplayVisibility &) = default;
};

DisplayMode nextDisplayMode(DisplayMode mode);

// What the switch into `mode` shows and hides on every post; NamesAndStatus is
// also what initialisation leaves.
DisplayVisibility displayModeVisibility(DisplayMode mode);

} // namespace vantor
