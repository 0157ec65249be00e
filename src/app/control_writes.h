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

// A one-shot wait that begins anew.
inline void restartTimer(QTimer *timer)
{
    timer->stop();
    timer->start();
}

} // namespace vantor
