// One post of the board: a frame with the post's name, its generals' names and
// details, its status word, macro tag and emblem, and its time box. It draws the
// post as the battle hands it out and reports what the player does on it: a
// press or double click anywhere on the post (the time box excepted, which is
// the player's to type in), the text typed into the time box, and the keys that
// play the post: Space or Enter as a left click, Shift+Space or Backspace as a
// right click, Ctrl+Space as a middle click, F2 or a digit into the time box,
// and the arrow keys to the post beside it.
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
    // An arrow key: the post `columns` across and `rows` down wants the focus.
    void focusMoved(int slot, int columns, int rows);
    void focused(int slot);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Part {
        QWidget *widget;
        QRect designed;
        qreal pointSize; // 0 for the picture
    };
    QLabel *caption(const QString &name, QRect designed, qreal pointSize, bool bold = false);
    void editTime(QKeyEvent *firstKey);

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
    bool m_marked = false;
    // The focus frame shows once the keyboard is in use, not after a click.
    bool m_keyboardCue = false;
};

} // namespace vantor
