// The record of one battle: one entry per post and the battle-wide values of the
// clock, the scores, the options and the guard flags. The texts of the boxes are
// part of it: a score is what its box holds and a typed time is what the player
// typed, so they are the board's data, not a picture of it. Battle keeps the
// one record and is the only writer; the rules that change it live in board/,
// clock/ and score/.
#pragma once

#include "board/display_mode.h"
#include "board/post_status.h"
#include "clock/end_forecast.h"
#include "roster/faction.h"

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
    QString timeText;        // the due time, or what the player typed over it
    bool timeTextUnreadable = false; // a typed time that could not be read, until the box is written again
    int placeMinute = 0;     // minute of day the next main general is due
    bool placeArmed = false; // counting down to placeMinute; off while a typed time waits to be read back
    QString countdown;       // the tooltip of every part of the post
    bool marked = false;     // switched by the clock, or its typed time read, a moment ago
    std::optional<SavedSchedule> savedSchedule;
    PostGenerals west;
    PostGenerals east;

    const PostGenerals &generalsOf(Army army) const { return army == Army::West ? west : east; }
};

struct ScoreBox {
    QString text = QStringLiteral("0");
    // The player has typed this text and it has not settled yet: "" or "-" on
    // the way to "250" or "-50" is left as typed until then.
    bool typing = false;
    // Settled text that is more than a number ("1,200" counts as 1), until the
    // box is written again.
    bool unreadable = false;
};

struct BattleBoard {
    // The factions the board was built with. While 勢力選択 has the chooser open
    // again, its half-made choice reaches nothing here.
    FactionChoice choice;
    std::array<PostState, SlotCount> posts;
    std::array<QString, 3> statusWords;
    std::array<QString, 6> macroTags;
    DisplayMode displayMode = DisplayMode::NamesAndStatus;
    QString clockText;
    QString elapsedText = QStringLiteral("00:00");
    // Typed text that could not be read: the box runs on from the last good
    // elapsed time, marked, until the player types again.
    bool elapsedTextUnreadable = false;
    int elapsedMinutes = 0;
    int lastTickMinute = 0;
    bool elapsedValid = false;
    Qt::MouseButton lastMouseButton = Qt::NoButton;
    int westRate = 0;
    int eastRate = 0;
    std::array<ScoreBox, 2> scores; // West, East
    bool scoresSettled = false;
    int scoreAccrualMinute = 0;
    EndForecast forecast;
    bool autoPlace = true;     // 主将配置時刻がきたら自動で健在に変更
    bool noticeBox = true;     // MsgBoxでお知らせ
    bool battleResults = false; // 戦果表示

    // Guard flags: a write to a box runs its change reaction at once, inside the
    // writer, and the reaction looks at its flag first.
    bool userInputArmed = false;        // post time boxes and the status step
    bool elapsedEditArmed = false;      // the elapsed-time box
    bool scoreChangeSuppressed = false; // the score boxes

    ScoreBox &score(Army army) { return scores[army == Army::West ? 0 : 1]; }
    const ScoreBox &score(Army army) const { return scores[army == Army::West ? 0 : 1]; }

    std::array<int, SlotCount> statuses() const
    {
        std::array<int, SlotCount> all{};
        for (int s = 0; s < SlotCount; ++s)
            all[s] = posts[s].status;
        return all;
    }
};

} // namespace vantor
