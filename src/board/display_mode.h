// The three ways a post can be shown, cycled by the display switch.
#pragma once

namespace vantor {

enum class DisplayMode { NamesAndStatus, TagsAndEmblems, GeneralDetails };

// Which parts of a post are shown; parts that share a place never together.
struct DisplayVisibility {
    bool mainName, viceName, statusCaption, tagCaption, tagPicture, detailsMainName, mainDetails,
        detailsViceName, viceDetails;
    friend bool operator==(const DisplayVisibility &, const DisplayVisibility &) = default;
};

DisplayMode nextDisplayMode(DisplayMode mode);

// What a post shows in `mode`; NamesAndStatus is also what initialisation leaves.
DisplayVisibility displayModeVisibility(DisplayMode mode);

} // namespace vantor
