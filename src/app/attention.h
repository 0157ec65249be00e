// Drawing the player's eye back to the window when a placement comes due while
// another program, the game most often, has the focus: the window's taskbar entry
// flashes until the player comes back to it.
#pragma once

#include <functional>

class QWidget;

namespace vantor {

// Does nothing while the window is the active one.
void callForAttention(QWidget *window);

// While a sink is set, callForAttention hands it the window instead of asking the
// desktop; an empty function goes back to asking.
void setAttentionSink(std::function<void(QWidget *)> sink);

} // namespace vantor
