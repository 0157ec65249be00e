#include "report/notice_sound.h"

#include <array>

namespace vantor {

namespace {

struct KindSound {
    const char *eventId;
    unsigned int messageBeepType;
};

constexpr std::array<KindSound, 5> kindSounds{{
    {"dialog-error", 16},
    {"dialog-question", 32},
    {"dialog-warning", 48},
    {"dialog-information", 64},
    {"bell", 0xFFFFFFFFu},
}};

} // namespace

NoticeSound noticeSoundFor(int kind)
{
    if (kind < 0 || kind >= int(kindSounds.size()))
        return {QString(), true, 0};
    const KindSound &sound = kindSounds[kind];
    return {QString::fromLatin1(sound.eventId), false, int(sound.messageBeepType)};
}

} // namespace vantor
