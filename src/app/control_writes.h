// Small writes to controls that the handlers share. Each skips a write that
// would change nothing, so a redraw of an unchanged post costs little.
#pragma once

#include "board/text_contrast.h"

#include <QLineEdit>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace vantor {

// Names stay readable on every post colour: black or white, whichever stands out
// more from the background.
inline void setBackground(QWidget *widget, QColor colour)
{
    // Labels and frames fill from the Window colour, check boxes from Button.
    if (widget->autoFillBackground() && widget->palette().color(widget->backgroundRole()) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    palette.setColor(widget->foregroundRole(), readableTextColour(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void setBold(QLineEdit *box, bool bold)
{
    if (box->font().bold() == bold)
        return;
    QFont font = box->font();
    font.setBold(bold);
    box->setFont(font);
}

// Typed text the board cannot read stays in its box, drawn in a warning colour,
// and the box's tooltip names the forms the box takes. The next write of the
// box's text, the player's or the program's, ends the warning.
inline void showUnreadable(QLineEdit *box, const QString &forms)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, QColor(UnreadableTextColour));
    box->setPalette(palette);
    box->setToolTip(forms);
}

inline bool showsUnreadable(const QLineEdit *box)
{
    return box->palette().color(QPalette::Text) == QColor(UnreadableTextColour);
}

// Back to the box's own look: its inherited palette and no tooltip of its own.
inline void showReadable(QLineEdit *box)
{
    if (!showsUnreadable(box))
        return;
    box->setPalette(QPalette());
    box->setToolTip(QString());
}

// A one-shot wait that begins anew.
inline void restartTimer(QTimer *timer)
{
    timer->stop();
    timer->start();
}

} // namespace vantor
