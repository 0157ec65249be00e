// One post of the board: a frame with the post's name, its generals' names and
// details, its status word, macro tag and emblem, and its time box. It draws the
// post as the battle hands it out and reports what the player does on it: a
// press or double click anywhere on the post (the time box excepted, which is
// the player's to type in) and the text typed into the time box.
#pragma once

#include "battle/board_views.h"
#include "board/display_mode.h"

#include <QGroupBox>
#include <vector>

class QLabel;

namespace vantor {

class BoardTextBox;

class PostWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit PostWidget(int slot, QWidget *parent = nullptr);

    int slot() const { return m_slot; }
    void display(const PostView &view, const QPixmap &tagPicture);
    void setTagPicture(const QPixmap &picture);
    void setDisplayMode(DisplayMode mode);
    // Lays the parts out for the board at `scale`, fonts included.
    void setScale(qreal scale);
    // The room the emblem or status icon is drawn in, in logical pixels.
    QSize tagPictureSize() const;

signals:
    void pressed(int slot, Qt::MouseButton button);
    void doubleClicked(int slot, bool onStatusCaption);
    void timeEdited(int slot, const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Part {
        QWidget *widget;
        QRect designed;
        qreal pointSize; // 0 for the picture
    };
    QLabel *caption(const QString &name, QRect designed, qreal pointSize, bool bold = false);

    int m_slot;
    QLabel *m_statusCaption;
    QLabel *m_viceDetails;
    QLabel *m_mainName;
    QLabel *m_detailsMainName;
    QLabel *m_mainDetails;
    QLabel *m_viceName;
    QLabel *m_detailsViceName;
    QLabel *m_tagCaption;
    QLabel *m_tagPicture;
    BoardTextBox *m_timeBox;
    std::vector<Part> m_parts;
    QColor m_colour;
};

} // namespace vantor
