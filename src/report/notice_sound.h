// Which sound a notice of a given kind makes. Kinds 0..4 are the error,
// question, warning, information and simple beep sounds; every other kind is
// the plain beep. Each sound carries both its sound-theme event id for Linux
// desktops and its MessageBeep type for Windows, so the player only plays.
#pragma once

#include <QString>

namespace vantor {

struct NoticeSound {
    QString eventId;
    bool plainBeep = false;
    int messageBeepType = 0;

    friend bool operator==(const NoticeSound &, const NoticeSound &) = default;
};

NoticeSound noticeSoundFor(int kind);

} // namespace vantor
