// Small writes to controls that the handlers share. Each skips a write that
// would change nothing, so a redraw of an unchanged post costs little.
#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace vantor {

inline void setBackground(QWidget *widget, QColor colour)
{
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
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
