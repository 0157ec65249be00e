// Scales a board of controls built at its designed size to the room its host
// widget gives it: one factor for both directions, so the designed proportions
// hold, with the board centred and the host's own background around it.
//
// Every control's designed position, size and font are recorded once; each step
// sets them afresh from those, so rounding never piles up, and text is laid out
// again at the new size (real text, never a stretched picture). Font sizes are
// rounded to whole pixels, the size text is drawn at anyway: small steps of a
// dragged window edge then only move controls.
#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <vector>

class QWidget;

namespace vantor {

inline constexpr qreal SmallestBoardScale = 0.6;

class BoardScaler : public QObject {
    Q_OBJECT
public:
    // `board` is a child of `host` and holds every control it will ever have.
    BoardScaler(QWidget *host, QWidget *board);

    qreal scale() const { return m_scale; }
    // The room the board takes at a scale.
    QSize sizeAt(qreal scale) const;
    // The scale at which the board fills as much of `room` as it can.
    qreal scaleFor(QSize room) const;

signals:
    // The scale or the pixel density of the host's screen changed: pictures
    // drawn for the old ones want drawing again.
    void pixelSizeChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control {
        QWidget *widget;
        QRect geometry;
        int font; // into m_fonts, or -1 when the control takes its parent's
    };
    void fitHost();
    void applyScale(qreal scale);
    QRect scaled(QRect designed) const;

    QWidget *m_host;
    QWidget *m_board;
    QSize m_designedSize;
    std::vector<Control> m_controls;
    // The designed fonts, the board's own first, and what each is now; kept
    // from step to step, so that a step allocates nothing.
    std::vector<QFont> m_fonts;
    std::vector<QFont> m_scaledFonts;
    std::vector<int> m_appliedPixelSizes;
    std::vector<bool> m_fontChanged;
    qreal m_scale = 1.0;
};

} // namespace vantor
