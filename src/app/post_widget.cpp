#include "app/post_widget.h"

#include "app/board_layout.h"
#include "app/board_scaler.h"
#include "app/board_text_box.h"
#include "app/desktop_look.h"
#include "board/text_contrast.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace vantor {

namespace {

// The longest details of any roster, which the details' face must fit whole.
const QString LongestDetails = QStringLiteral("侍45/二刀手槍/与力");

// Qt's accessible for a frame offers SetFocus and ignores it; a post's takes it,
// so that an assistive tool can bring the keyboard to a post.
QAccessibleInterface *postAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("vantor::PostWidget") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

PostWidget::PostWidget(int slot, QWidget *parent)
    : QGroupBox(parent)
    , m_slot(slot)
{
    setObjectName(QStringLiteral("post%1").arg(slot));
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(postAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setAutoFillBackground(true);
    // Parts made later are drawn over earlier ones: the status word and the
    // vice general's details lie under the tag, and the emblem over everything.
    m_statusCaption = caption(QStringLiteral("statusCaption"), layout::StatusCaption, layout::PlainFontSize);
    m_viceDetails = caption(QStringLiteral("viceDetails"), layout::ViceDetails, layout::DetailsFontSize);
    m_mainName = caption(QStringLiteral("mainName"), layout::MainName, layout::NameFontSize, true);
    m_detailsMainName = caption(QStringLiteral("detailsMainName"), layout::MainName, layout::NameFontSize, true);
    m_mainDetails = caption(QStringLiteral("mainDetails"), layout::MainDetails, layout::DetailsFontSize);
    m_viceName = caption(QStringLiteral("viceName"), layout::ViceName, layout::NameFontSize, true);
    m_detailsViceName = caption(QStringLiteral("detailsViceName"), layout::DetailsViceName, layout::NameFontSize, true);
    m_tagCaption = caption(QStringLiteral("tagCaption"), layout::TagCaption, layout::PlainFontSize);
    m_tagPicture = caption(QStringLiteral("tagPicture"), layout::TagPicture, 0);
    for (QLabel *details : {m_mainDetails, m_viceDetails})
        details->setFont(narrowedToFit(details->font(), LongestDetails, layout::MainDetails.width()));

    m_timeBox = new BoardTextBox(this);
    m_timeBox->setObjectName(QStringLiteral("timeBox"));
    m_timeBox->setAccessibleName(QStringLiteral("配置予定時刻"));
    m_timeBox->setFont(gothicFont(layout::TimeFontSize));
    m_timeBox->setAlignment(Qt::AlignCenter);
    // A greyed-out time box would hand its presses to the post, which steps.
    m_timeBox->setAttribute(Qt::WA_NoMousePropagation);
    // Only the player's click puts the keyboard into a post's time: neither Tab
    // nor a focus Qt moves on lands there, text selected for the next stray key.
    m_timeBox->setFocusPolicy(Qt::ClickFocus);
    m_timeBox->setEnabled(false);
    m_timeBox->setGeometry(layout::TimeBox);
    m_parts.push_back({m_timeBox, layout::TimeBox, layout::TimeFontSize});
    connect(m_timeBox, &BoardTextBox::edited, this, [this](const QString &text) { emit timeEdited(m_slot, text); });
    m_timeBox->installEventFilter(this);
    // One post of the board is its stop in the Tab chain (the window moves it);
    // any post takes the focus from a click.
    setFocusPolicy(Qt::ClickFocus);
    setDisplayMode(DisplayMode::NamesAndStatus);
}

QLabel *PostWidget::caption(const QString &name, QRect designed, qreal pointSize, bool bold)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(designed);
    if (pointSize > 0)
        label->setFont(gothicFont(pointSize, bold));
    // Every part of a post is the post to the mouse and shows its tooltip.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_parts.push_back({label, designed, pointSize});
    return label;
}

void PostWidget::display(const PostView &view, const QPixmap &tagPicture)
{
    if (title() != view.caption)
        setTitle(view.caption);
    setEnabled(view.shown);
    setVisible(view.shown);
    if (view.colour != m_colour) {
        m_colour = view.colour;
        // One palette for the post: its parts show its colour and take its text colour.
        QPalette colours = palette();
        colours.setColor(QPalette::Window, view.colour);
        colours.setColor(QPalette::WindowText, readableTextColour(view.colour));
        setPalette(colours);
    }
    if (toolTip() != view.countdown)
        setToolTip(view.countdown);
    if (accessibleName() != view.accessibleName)
        setAccessibleName(view.accessibleName);
    if (accessibleDescription() != view.accessibleDescription)
        setAccessibleDescription(view.accessibleDescription);
    m_mainName->setText(view.generals.main.name);
    m_detailsMainName->setText(view.generals.main.name);
    m_viceName->setText(view.generals.vice.name);
    m_detailsViceName->setText(view.generals.vice.name);
    m_mainDetails->setText(view.generals.main.details);
    m_viceDetails->setText(view.generals.vice.details);
    m_statusCaption->setText(view.statusWord);
    m_tagCaption->setText(view.tag);
    setTagPicture(tagPicture);
    m_timeBox->display(view.time);
    if (view.marked != m_marked) {
        m_marked = view.marked;
        update();
    }
}

void PostWidget::setTagPicture(const QPixmap &picture)
{
    if (m_tagPicture->pixmap().cacheKey() != picture.cacheKey())
        m_tagPicture->setPixmap(picture);
}

void PostWidget::setDisplayMode(DisplayMode mode)
{
    const DisplayVisibility shown = displayModeVisibility(mode);
    m_mainName->setVisible(shown.mainName);
    m_viceName->setVisible(shown.viceName);
    m_statusCaption->setVisible(shown.statusCaption);
    m_tagCaption->setVisible(shown.tagCaption);
    m_tagPicture->setVisible(shown.tagPicture);
    m_detailsMainName->setVisible(shown.detailsMainName);
    m_mainDetails->setVisible(shown.mainDetails);
    m_detailsViceName->setVisible(shown.detailsViceName);
    m_viceDetails->setVisible(shown.viceDetails);
}

void PostWidget::setScale(qreal scale)
{
    const qreal dpi = logicalDpiY();
    for (const Part &part : m_parts) {
        part.widget->setGeometry(scaledRect(part.designed, scale));
        if (part.pointSize == 0)
            continue;
        const QFont scaled = fontAtScale(part.widget->font(), part.pointSize, scale, dpi);
        if (scaled != part.widget->font())
            part.widget->setFont(scaled);
    }
}

QSize PostWidget::tagPictureSize() const
{
    return m_tagPicture->size();
}

void PostWidget::mousePressEvent(QMouseEvent *event)
{
    m_keyboardCue = false;
    emit pressed(m_slot, event->button());
}

void PostWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Posts answer the left, right and middle buttons only.
    if (!(event->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)))
        return;
    // The second step of a double click on the status word always steps forward.
    const bool onStatus = m_statusCaption->isVisible()
                          && m_statusCaption->geometry().contains(event->position().toPoint());
    emit doubleClicked(m_slot, onStatus);
}

bool PostWidget::event(QEvent *event)
{
    // A frame keeps Space for a check box in its title, which a post has none
    // of: its keys are the post's.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return QWidget::event(event);
    return QGroupBox::event(event);
}

void PostWidget::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const auto step = [&](Qt::MouseButton button) {
        m_keyboardCue = true;
        update();
        emit pressed(m_slot, button);
    };
    switch (event->key()) {
    case Qt::Key_Left:
        emit focusMoved(m_slot, -1, 0);
        return;
    case Qt::Key_Right:
        emit focusMoved(m_slot, 1, 0);
        return;
    case Qt::Key_Up:
        emit focusMoved(m_slot, 0, -1);
        return;
    case Qt::Key_Down:
        emit focusMoved(m_slot, 0, 1);
        return;
    case Qt::Key_Space:
        if (modifiers == Qt::NoModifier)
            return step(Qt::LeftButton);
        if (modifiers == Qt::ShiftModifier)
            return step(Qt::RightButton);
        if (modifiers == Qt::ControlModifier)
            return step(Qt::MiddleButton);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier)
            return step(Qt::LeftButton);
        break;
    case Qt::Key_Backspace:
        if (modifiers == Qt::NoModifier)
            return step(Qt::RightButton);
        break;
    case Qt::Key_F2:
        return editTime(nullptr);
    default:
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9 && modifiers == Qt::NoModifier)
            return editTime(event);
        break;
    }
    QGroupBox::keyPressEvent(event);
}

// Into the time box, its text selected so that the first key replaces it; a
// post that awaits no general has no time to edit.
void PostWidget::editTime(QKeyEvent *firstKey)
{
    if (!m_timeBox->isEnabled())
        return;
    m_timeBox->setFocus(Qt::OtherFocusReason);
    m_timeBox->selectAll();
    if (firstKey) {
        QKeyEvent typed(QEvent::KeyPress, firstKey->key(), firstKey->modifiers(), firstKey->text());
        QCoreApplication::sendEvent(m_timeBox, &typed);
    }
}

bool PostWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Enter or Escape in the time box hands the keyboard back to the post.
    if (watched == m_timeBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            m_keyboardCue = true;
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void PostWidget::focusInEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::MouseFocusReason)
        m_keyboardCue = true;
    update();
    emit focused(m_slot);
    QGroupBox::focusInEvent(event);
}

void PostWidget::focusOutEvent(QFocusEvent *event)
{
    update();
    QGroupBox::focusOutEvent(event);
}

void PostWidget::paintEvent(QPaintEvent *)
{
    // The frame as a frame draws it, but for the style's own focus mark on the
    // title: a post shows the keyboard's focus with its frame below, and only
    // once the keyboard is in use.
    QStyleOptionGroupBox frame;
    initStyleOption(&frame);
    frame.state &= ~QStyle::State_HasFocus;
    QStylePainter(this).drawComplexControl(QStyle::CC_GroupBox, frame);

    const bool focusFrame = hasFocus() && m_keyboardCue;
    if (!m_marked && !focusFrame)
        return;
    // Drawn in the post's text colour, which stands out from its background,
    // and around the post's name, which stays whole.
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    const QRect title = style()->subControlRect(QStyle::CC_GroupBox, &frame, QStyle::SC_GroupBoxLabel, this);
    painter.setClipRegion(QRegion(rect()).subtracted(title.adjusted(-2, 0, 2, 0)));
    if (m_marked) {
        // A post the clock has just switched, or whose typed time was just read.
        painter.setPen(QPen(ink, 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (focusFrame) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

} // namespace vantor
