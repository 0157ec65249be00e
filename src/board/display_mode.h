// The three ways a post can be shown, cycled by the display switch: names and
// status (0), names with macro tag and emblem (1), general details (2).
#pragma once

namespace vantor {

enum class Shown { Keep, Show, Hide };

struct DisplayVisibility {
    Shown Label1, Label2, Label3, Label7, Picture1, Image1, Label8, Label9, Label10, Label11;
    friend bool operator==(const DisplayVisibility &, const DisplayVisibility &) = default;
};

int nextDisplayMode(int mode);

// What the switch into `mode` shows and hides on every post; mode 0 is also what
// initialisation leaves.
DisplayVisibility displayModeVisibility(int mode);

} // namespace vantor
