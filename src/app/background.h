// A control's background colour, with its text in black or white, whichever
// stands out more from it.
#pragma once

#include "board/text_contrast.h"

#include <QPalette>
#include <QWidget>

namespace vantor {

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

} // namespace vantor
