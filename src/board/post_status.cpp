#include "board/post_status.h"

#include <array>

namespace vantor {

Army armyOfSlot(int slot)
{
    return slot < 9 ? Army::West : Army::East;
}

Army opposing(Army army)
{
    return army == Army::West ? Army::East : Army::West;
}

int mirrorSlot(int slot)
{
    return 17 - slot;
}

QString postCaption(int slot)
{
    // Made once: every redraw of a post asks for its name.
    static const std::array<QString, SlotCount> captions = [] {
        const std::array<const char16_t *, 3> wings{u"左翼", u"中翼", u"右翼"};
        const std::array<const char16_t *, 3> lines{u"後詰", u"中備", u"先鋒"};
        std::array<QString, SlotCount> all;
        for (int s = 0; s < SlotCount; ++s) {
            const int westSlot = armyOfSlot(s) == Army::West ? s : mirrorSlot(s);
            all[s] = QString::fromUtf16(wings[westSlot % 3]) + QString::fromUtf16(lines[westSlot / 3]);
        }
        return all;
    }();
    return captions[slot];
}

Army holdingArmy(int slot, int status)
{
    return isTaken(status) ? opposing(armyOfSlot(slot)) : armyOfSlot(slot);
}

StatusKind statusKind(int status)
{
    switch (status) {
    case OwnFighting:
    case RivalFighting:
        return StatusKind::Fighting;
    case RivalAwaiting:
    case OwnAwaiting:
        return StatusKind::Awaiting;
    default:
        return StatusKind::Present;
    }
}

bool isTaken(int status)
{
    return status == RivalAwaiting || status == RivalPresent || status == RivalFighting;
}

int steppedStatus(int status, int button)
{
    return button == RightButton ? status - 1 : status + 1;
}

int wrappedStatus(int status)
{
    if (status >= 6)
        return OwnPresent;
    if (status <= -1)
        return OwnAwaiting;
    return status;
}

PostLine postLine(int slot)
{
    const int westSlot = armyOfSlot(slot) == Army::West ? slot : mirrorSlot(slot);
    return PostLine(westSlot / 3);
}

namespace {

// What a post of each line is worth: its gain per minute once taken, and the
// award for defeating its main general.
struct LineValues {
    int weight;
    int points;
};
constexpr std::array<LineValues, 3> lineValues{{{4, 400}, {2, 300}, {1, 200}}};

} // namespace

int postWeight(int slot)
{
    return lineValues[int(postLine(slot))].weight;
}

int mainGeneralPoints(int slot)
{
    return lineValues[int(postLine(slot))].points;
}

std::optional<ScoreChange> mainGeneralScoreChange(int slot, int status, int button)
{
    const StatusKind kind = statusKind(status);
    int sign = 0;
    if (kind == StatusKind::Awaiting && button == 1)
        sign = 1;
    else if (kind == StatusKind::Fighting && button == RightButton)
        sign = -1;
    if (sign == 0)
        return std::nullopt;
    // The own general fell at 2 (and 1 is the fight that fall is taken back to);
    // the rival general fell at 5 (and 4).
    const bool ownGeneralFell = status == RivalAwaiting || status == OwnFighting;
    const Army victor = ownGeneralFell ? opposing(armyOfSlot(slot)) : armyOfSlot(slot);
    return ScoreChange{victor, sign * mainGeneralPoints(slot)};
}

} // namespace vantor
