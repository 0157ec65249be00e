// The notice sound of the main window: played when a general's placement time
// arrives and the user asked to be told by sound rather than by a message box.
#pragma once

#include "report/notice_sound.h"

#include <functional>

namespace vantor {

void noticeBeep(int kind);

// While a sink is set, noticeBeep hands it the sound instead of playing it;
// an empty function goes back to playing.
void setNoticeSoundSink(std::function<void(const NoticeSound &)> sink);

} // namespace vantor
