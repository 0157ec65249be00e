// A box of the board the player types into: a post's time, the elapsed time or
// a score. It shows the text the battle holds with its cue (a due time that
// counts down in bold, unreadable text in a warning colour) and reports what the
// player types; the battle's own writes are never reported back as edits.
#pragma once

#include "battle/board_views.h"

#include <QKeyCombination>
#include <QLineEdit>

namespace vantor {

// The window's commands that stay the window's while a box has the keyboard,
// over the box's own undo and copy.
inline constexpr QKeyCombination ResetKey = Qt::CTRL | Qt::Key_N;
inline constexpr QKeyCombination DisplaySwitchKey = Qt::CTRL | Qt::Key_Z;
inline constexpr QKeyCombination CopyReportKey = Qt::CTRL | Qt::Key_C;

class BoardTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit BoardTextBox(QWidget *parent = nullptr);

    void display(const BoxView &view);
    TextCue cue() const { return m_cue; }

signals:
    void edited(const QString &text);

protected:
    bool event(QEvent *event) override;

private:
    TextCue m_cue = TextCue::Plain;
};

} // namespace vantor
