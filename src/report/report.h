// The text report that players paste into the game's chat: the time, a map of
// both armies' posts drawn as symbols, a legend, and the generals still to be
// placed. The window gathers what the report needs into a snapshot, so the
// composing reads no controls and no clock.
#pragma once

#include "board/post_status.h"

#include <QString>

#include <array>

namespace vantor {

struct BoardSnapshot {
    QString westName;
    QString eastName;
    int restoration = 0;
    std::array<int, SlotCount> statuses{};
    std::array<QString, SlotCount> westMainNames;
    std::array<QString, SlotCount> eastMainNames;
    std::array<QString, SlotCount> captions;
    std::array<QString, SlotCount> timeTexts;
    QString nowText;
    QString elapsedText;
};

// Every line ends in CR LF, the last one included, because the game's chat
// and the Windows clipboard expect it.
QString composeReport(const BoardSnapshot &board);

} // namespace vantor
