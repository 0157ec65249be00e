// The eighteen posts and the ring of six statuses each of them runs through.
// Slots 0..8 are the West army's posts, 9..17 the East army's in mirrored order:
// East slot s is the same post as West slot 17 - s.
#pragma once

#include <QString>
#include <optional>

namespace vantor {

inline constexpr int SlotCount = 18;

enum class Army { West, East };

// The status codes a post steps through, forward 0 -> 5 -> 0 by a left click.
enum PostStatus : int {
    OwnPresent = 0,
    OwnFighting = 1,
    RivalAwaiting = 2,
    RivalPresent = 3,
    RivalFighting = 4,
    OwnAwaiting = 5,
};

enum class StatusKind { Present, Fighting, Awaiting };
enum class PostLine { RearGuard, Middle, Vanguard };

inline constexpr int RightButton = 2;

Army armyOfSlot(int slot);
Army opposing(Army army);
int mirrorSlot(int slot);
QString postCaption(int slot);

Army holdingArmy(int slot, int status);
StatusKind statusKind(int status);
bool isTaken(int status); // the opposing army holds the post: 2, 3 and 4

// One step of the ring: the right button steps back, every other code forward.
int steppedStatus(int status, int button);
// Brings a stepped status back into 0..5.
int wrappedStatus(int status);

PostLine postLine(int slot);
int postWeight(int slot);        // 4, 2, 1 by line: the gain per minute a taken post is worth
int mainGeneralPoints(int slot); // 400, 300, 200 by line: the award for a fallen main general

// Battle-result points a step moves: a left click that fells a main general
// credits the army that felled it with the post's points; a right click that
// takes the fall back into the fight debits them again. Other steps move none.
struct ScoreChange {
    Army army;
    int points; // negative for a debit
};
std::optional<ScoreChange> mainGeneralScoreChange(int slot, int status, int button);

} // namespace vantor
