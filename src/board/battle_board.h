// The state behind the main window: one record per post and the battle-wide
// bookkeeping of the clock, the scores and the guard flags. The window's own
// controls show this state; the rules that change it live beside this header.
#pragma once

#include "board/display_mode.h"
#include "board/post_status.h"

#include <QString>
#include <QtCore/qnamespace.h>
#include <array>
#include <optional>

namespace vantor {

struct General {
    QString name;
    QString details;
};

// One army's roster at one post.
struct PostGenerals {
    General main;
    General vice;
};

// The schedule a post kept when its general was placed by hand, for a right
// click that takes the placement back.
struct SavedSchedule {
    QString timeText;
    int placeMinute = 0;
    bool placeArmed = false;
};

struct PostState {
    PostStatus status = OwnPresent;
    int placeMinute = 0;     // minute of day the next main general is due
    bool placeArmed = false; // off while a typed time waits to be read back
    std::optional<SavedSchedule> savedSchedule;
    PostGenerals west;
    PostGenerals east;

    const PostGenerals &generalsOf(Army army) const { return army == Army::West ? west : east; }
};

struct BattleBoard {
    std::array<PostState, SlotCount> posts;
    std::array<QString, 3> statusWords;
    std::array<QString, 6> macroTags;
    DisplayMode displayMode = DisplayMode::NamesAndStatus;
    int elapsedMinutes = 0;
    int lastTickMinute = 0;
    bool elapsedValid = false;
    Qt::MouseButton lastMouseButton = Qt::NoButton;
    int westRate = 0;
    int eastRate = 0;
    bool scoresSettled = false;
    int scoreAccrualMinute = 0;

    // Guard flags: a program write to a box runs its change reaction at once,
    // inside the writer, and the reaction looks at its flag first.
    bool userInputArmed = false;        // post time boxes and the status step
    bool elapsedEditArmed = false;      // the elapsed-time box
    bool scoreChangeSuppressed = false; // the score boxes

    std::array<int, SlotCount> statuses() const
    {
        std::array<int, SlotCount> all{};
        for (int s = 0; s < SlotCount; ++s)
            all[s] = posts[s].status;
        return all;
    }
};

} // namespace vantor
