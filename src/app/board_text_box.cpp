#include "app/board_text_box.h"

#include "board/text_contrast.h"

#include <QKeyEvent>

namespace vantor {

BoardTextBox::BoardTextBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &BoardTextBox::edited);
}

void BoardTextBox::display(const BoxView &view)
{
    if (text() != view.text)
        setText(view.text);
    // Qt would pass the focus of a greyed-out box on down the tab chain, where a
    // stray key edits whatever comes next: what holds the box takes it instead.
    if (!view.enabled && hasFocus())
        parentWidget()->setFocus();
    setEnabled(view.enabled);
    if (toolTip() != view.tooltip)
        setToolTip(view.tooltip);
    if (view.cue == m_cue)
        return;
    const bool wasUnreadable = m_cue == TextCue::Unreadable;
    m_cue = view.cue;
    if (font().bold() != (m_cue == TextCue::Armed)) {
        QFont bold = font();
        bold.setBold(m_cue == TextCue::Armed);
        setFont(bold);
    }
    if (m_cue == TextCue::Unreadable) {
        QPalette warning = palette();
        warning.setColor(QPalette::Text, QColor(UnreadableTextColour));
        setPalette(warning);
    } else if (wasUnreadable) {
        setPalette(QPalette()); // back to what the box inherits
    }
}

bool BoardTextBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto pressed = static_cast<QKeyEvent *>(event)->keyCombination();
        if (pressed == ResetKey || pressed == DisplaySwitchKey || pressed == CopyReportKey) {
            event->ignore(); // left to the window's shortcut
            return true;
        }
    }
    return QLineEdit::event(event);
}

} // namespace vantor
