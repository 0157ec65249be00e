// What the battle and its window ask of the desktop they run on: the time of
// day, the notice sound, the taskbar's call for attention, and the boxes and
// dialogs that ask or tell the player something. The program hands the real
// desktop to both at construction; a test hands in its own, which sets the time
// and answers and counts the boxes.
#pragma once

#include <QString>
#include <QTime>

#include <functional>

class QDialog;

namespace vantor {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Local time of day; the only reading of the wall clock.
    virtual QTime timeOfDay() const = 0;

    // A notice sound by kind: 0 error, 1 question, 2 warning, 3 information,
    // 4 the simple beep, any other the plain beep.
    virtual void playNoticeSound(int kind) = 0;

    // Draws the player's eye to the board while another program has the focus.
    virtual void callForAttention() = 0;

    // OK and Cancel with the question icon; true only for OK. Returns once the
    // player has answered.
    virtual bool confirm(const QString &title, const QString &text) = 0;

    // A notice with the information icon and one OK button. It returns at once,
    // the board going on underneath; `closed` runs when the player closes it.
    virtual void inform(const QString &title, const QString &text, std::function<void()> closed) = 0;

    // Shows a dialog modally and returns when it is hidden or closed.
    virtual void runDialog(QDialog &dialog) = 0;
};

} // namespace vantor
