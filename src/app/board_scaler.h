// Scales a board of controls built at its designed size to the room its host
// widget gives it: one factor for both directions, so the designed proportions
// hold, with the board centred and the host's own background around it.
//
// Each control is placed once at its designed place; every step sets its place
// afresh from that, so rounding never piles up, and scales the size of its font
// while leaving the rest of the font (bold, narrowing) to the control. Text is
// laid out again at the new size, real text rather than a stretched picture.
// Font sizes are whole pixels, the size text is drawn at anyway: small steps of
// a dragged window edge then only move controls.
#pragma once

#include <QObject>
#include <QRect>
#include <vector>

class QFont;
class QWidget;

namespace vantor {

inline constexpr qreal SmallestBoardScale = 0.6;

// The font at a scale of the board: its designed point size scaled and rounded
// down to whole pixels, the designed size itself at scale 1.
QFont fontAtScale(QFont font, qreal designedPointSize, qreal scale, qreal dpi);

// Edges are scaled rather than sizes, so controls that touch at the designed
// size still touch.
QRect scaledRect(QRect designed, qreal scale);

class BoardScaler : public QObject {
    Q_OBJECT
public:
    // `board` is a child of `host`, at its designed size.
    BoardScaler(QWidget *host, QWidget *board);

    // Puts `control` at its designed place in its parent and keeps it there,
    // scaled; a control with a font of its own has its font scaled too.
    void place(QWidget *control, QRect designed);

    qreal scale() const { return m_scale; }
    // The room the board takes at a scale.
    QSize sizeAt(qreal scale) const;
    // The scale at which the board fills as much of `room` as it can.
    qreal scaleFor(QSize room) const;

signals:
    // Every control placed has its new place and font.
    void scaleChanged(qreal scale);
    // The scale or the pixel density of the host's screen changed: pictures
    // drawn for the old ones want drawing again.
    void pixelSizeChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control {
        QWidget *widget;
        QRect designed;
        qreal pointSize; // of its designed font, or 0 when it takes its parent's
        int pixelSize;   // the font's size now
    };
    void fitHost();
    void applyScale(qreal scale);

    QWidget *m_host;
    QWidget *m_board;
    QSize m_designedSize;
    std::vector<Control> m_controls;
    qreal m_boardPointSize;
    int m_boardPixelSize;
    qreal m_scale = 1.0;
};

} // namespace vantor
