// The desktop the program really runs on: the local wall clock, the desktop's
// event sounds (the freedesktop sound theme through libcanberra on Linux,
// MessageBeep on Windows), the taskbar's call for attention, and Qt's message
// boxes and dialogs over the main window.
#pragma once

#include "battle/desktop.h"

#include <QPointer>
#include <QWidget>

namespace vantor {

class SystemDesktop : public Desktop {
public:
    // Boxes open over this window, and it is the window the taskbar flashes.
    void setMainWindow(QWidget *window) { m_window = window; }

    QTime timeOfDay() const override;
    void playNoticeSound(int kind) override;
    void callForAttention() override;
    bool confirm(const QString &title, const QString &text) override;
    void inform(const QString &title, const QString &text, std::function<void()> closed) override;
    void runDialog(QDialog &dialog) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace vantor
