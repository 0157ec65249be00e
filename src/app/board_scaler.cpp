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
int pixelSizeAt(const QFont &designed, qreal scale, qreal dpi)
{
    return std::max(1, int(std::floor(designed.pointSizeF() * dpi / 72.0 * scale + 1e-6)));
}

} // namespace

BoardScaler::BoardScaler(QWidget *host, QWidget *board)
    : QObject(host)
    , m_host(host)
    , m_board(board)
    , m_designedSize(board->size())
{
    const auto fontIndex = [this](const QFont &font) {
        const auto known = std::find(m_fonts.cbegin(), m_fonts.cend(), font);
        if (known != m_fonts.cend())
            return int(known - m_fonts.cbegin());
        m_fonts.push_back(font);
        return int(m_fonts.size()) - 1;
    };
    fontIndex(board->font());
    const QList<QWidget *> controls = board->findChildren<QWidget *>();
    m_controls.reserve(controls.size());
    for (QWidget *control : controls)
        m_controls.push_back(
            {control, control->geometry(), control->testAttribute(Qt::WA_SetFont) ? fontIndex(control->font()) : -1});

    const qreal dpi = board->logicalDpiY();
    for (const QFont &font : m_fonts)
        m_appliedPixelSizes.push_back(pixelSizeAt(font, 1.0, dpi));
    m_scaledFonts = m_fonts;
    m_fontChanged.assign(m_fonts.size(), false);
    host->installEventFilter(this);
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
    for (std::size_t f = 0; f < m_fonts.size(); ++f) {
        const int pixels = pixelSizeAt(m_fonts[f], scale, dpi);
        m_fontChanged[f] = pixels != m_appliedPixelSizes[f];
        if (!m_fontChanged[f])
            continue;
        m_appliedPixelSizes[f] = pixels;
        // Back at the designed size a font is the designed one to the last bit.
        m_scaledFonts[f] = m_fonts[f];
        if (pixels != pixelSizeAt(m_fonts[f], 1.0, dpi))
            m_scaledFonts[f].setPointSizeF(pixels * 72.0 / dpi);
    }

    // The board's own font first: the controls that take their parent's font
    // follow it, and those with fonts of their own are set after.
    if (m_fontChanged[0])
        m_board->setFont(m_scaledFonts[0]);
    for (const Control &control : m_controls) {
        if (control.font >= 0 && m_fontChanged[control.font])
            control.widget->setFont(m_scaledFonts[control.font]);
        control.widget->setGeometry(scaled(control.geometry));
    }
}

QRect BoardScaler::scaled(QRect designed) const
{
    // Edges are scaled rather than sizes, so controls that touch at the designed
    // size still touch.
    const auto at = [this](int v) { return qRound(v * m_scale); };
    const int left = at(designed.left());
    const int top = at(designed.top());
    return QRect(left, top, at(designed.left() + designed.width()) - left, at(designed.top() + designed.height()) - top);
}

} // namespace vantor
