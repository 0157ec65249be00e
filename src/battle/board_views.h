// What each view of the board shows, as the battle hands it out: plain values
// the widgets draw, and nothing they would have to work out themselves.
#pragma once

#include "battle/battle_board.h"

#include <QColor>
#include <QString>

namespace vantor {

// How a box's text is drawn beside the text itself.
enum class TextCue {
    Plain,
    Armed,      // a due time that counts down: bold
    Unreadable, // typed text the board could not read: a warning colour
};

struct BoxView {
    QString text;
    TextCue cue = TextCue::Plain;
    QString tooltip;
    bool enabled = true;
};

struct PostView {
    QString caption;   // the post's name
    bool shown = true; // the East vanguard of a restoration faction is absent
    PostGenerals generals; // of the army holding the post
    QString statusWord;
    QString tag;
    int tagPicture = 0; // 0, 1: the West and East emblems; 2..5: the status icons in tag order
    QColor colour;
    BoxView time;       // enabled while a general awaits placement
    QString countdown;  // the tooltip of every part but the time box
    bool marked = false; // switched by the clock, or its typed time read, a moment ago
    QString accessibleName;        // where the post is and how it stands
    QString accessibleDescription; // who holds it, and when a general is due
};

struct ForecastView {
    bool shown = false; // with 戦果表示 only
    QString caption;
    QColor colour;
    QString message;
};

struct OptionsView {
    bool autoPlace = true;
    bool noticeBox = true;
    bool noticeBoxEnabled = true;
    bool battleResults = false;
};

} // namespace vantor
