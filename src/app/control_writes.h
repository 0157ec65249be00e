// Small writes to controls that the handlers share. Each skips a write that
// would change nothing, so a redraw of an unchanged post costs little.
#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace vantor {

// The strong blue and red of a fighting post would swallow black names; text on a
// dark background is drawn white.
inline void setBackground(QWidget *widget, QColor colour)
{
    // Labels and frames fill from the Window colour, check boxes from Button.
    if (widget->autoFillBackground() && widget->palette().color(widget->backgroundRole()) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    const bool dark = 299 * colour.red() + 587 * colour.green() + 114 * colour.blue() < 100000;
    palette.setColor(widget->foregroundRole(), dark ? Qt::white : Qt::black);
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
