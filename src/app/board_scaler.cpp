#include "app/board_scaler.h"

#include "app/artwork.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// Text is drawn at whole pixels. Rounding down keeps every caption inside the
// box that was scaled with it.
int pixelSizeAt(qreal pointSize, qreal scale, qreal dpi)
{
    return std::max(1, int(std::floor(pointSize * dpi / 72.0 * scale + 1e-6)));
}

} // namespace

QFont fontAtScale(QFont font, qreal designedPointSize, qreal scale, qreal dpi)
{
    const int pixels = pixelSizeAt(designedPointSize, scale, dpi);
    // Back at the designed size a font is the designed one to the last bit.
    font.setPointSizeF(pixels == pixelSizeAt(designedPointSize, 1.0, dpi) ? designedPointSize : pixels * 72.0 / dpi);
    return font;
}

QRect scaledRect(QRect designed, qreal scale)
{
    const auto at = [scale](int v) { return qRound(v * scale); };
    const int left = at(designed.left());
    const int top = at(designed.top());
    return QRect(left, top, at(designed.left() + designed.width()) - left, at(designed.top() + designed.height()) - top);
}

BoardScaler::BoardScaler(QWidget *host, QWidget *board)
    : QObject(host)
    , m_host(host)
    , m_board(board)
    , m_designedSize(board->size())
    , m_boardPointSize(board->font().pointSizeF())
    , m_boardPixelSize(pixelSizeAt(m_boardPointSize, 1.0, board->logicalDpiY()))
{
    host->installEventFilter(this);
}

void BoardScaler::place(QWidget *control, QRect designed)
{
    control->setGeometry(designed);
    const qreal pointSize = control->testAttribute(Qt::WA_SetFont) ? control->font().pointSizeF() : 0;
    m_controls.push_back({control, designed, pointSize, pixelSizeAt(pointSize, 1.0, m_board->logicalDpiY())});
}

QSize BoardScaler::sizeAt(qreal scale) const
{
    return QSize(qRound(m_designedSize.width() * scale), qRound(m_designedSize.height() * scale));
}

qreal BoardScaler::scaleFor(QSize room) const
{
    return std::max(SmallestBoardScale, std::min(qreal(room.width()) / m_designedSize.width(),
                                                  qreal(room.height()) / m_designedSize.height()));
}

bool BoardScaler::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host) {
        if (event->type() == QEvent::Resize)
            fitHost();
        else if (changesPixelDensity(event))
            emit pixelSizeChanged();
    }
    return QObject::eventFilter(watched, event);
}

void BoardScaler::fitHost()
{
    const qreal scale = scaleFor(m_host->size());
    if (scale != m_scale) {
        applyScale(scale);
        emit scaleChanged(scale);
        emit pixelSizeChanged();
    }
    const QSize size = sizeAt(scale);
    const QPoint centred(std::max(0, (m_host->width() - size.width()) / 2),
                         std::max(0, (m_host->height() - size.height()) / 2));
    m_board->setGeometry(QRect(centred, size));
}

void BoardScaler::applyScale(qreal scale)
{
    m_scale = scale;
    const qreal dpi = m_board->logicalDpiY();
    // The board's own font first: the controls that take their parent's font
    // follow it, and those with fonts of their own are set after.
    const int boardPixels = pixelSizeAt(m_boardPointSize, scale, dpi);
    if (boardPixels != m_boardPixelSize) {
        m_boardPixelSize = boardPixels;
        m_board->setFont(fontAtScale(m_board->font(), m_boardPointSize, scale, dpi));
    }
    for (Control &control : m_controls) {
        if (control.pointSize > 0) {
            const int pixels = pixelSizeAt(control.pointSize, scale, dpi);
            if (pixels != control.pixelSize) {
                control.pixelSize = pixels;
                control.widget->setFont(fontAtScale(control.widget->font(), control.pointSize, scale, dpi));
            }
        }
        control.widget->setGeometry(scaledRect(control.designed, scale));
    }
}

} // namespace vantor
