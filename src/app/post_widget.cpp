#include "app/post_widget.h"

#include "app/board_layout.h"
#include "app/board_scaler.h"
#include "app/board_text_box.h"
#include "app/desktop_look.h"
#include "board/text_contrast.h"

#include <QLabel>
#include <QMouseEvent>

namespace vantor {

namespace {

// The longest details of any roster, which the details' face must fit whole.
const QString LongestDetails = QStringLiteral("侍45/二刀手槍/与力");

} // namespace

PostWidget::PostWidget(int slot, QWidget *parent)
    : QGroupBox(parent)
    , m_slot(slot)
{
    setObjectName(QStringLiteral("post%1").arg(slot));
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
    setToolTip(view.countdown);
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
    m_mainDetails->setVisible(shown.mainGeneralDetails);
    m_detailsViceName->setVisible(shown.detailsViceName);
    m_viceDetails->setVisible(shown.viceGeneralDetails);
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
    emit pressed(m_slot, event->button());
}

void PostWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second step of a double click on the status word always steps forward.
    const bool onStatus = m_statusCaption->isVisible()
                          && m_statusCaption->geometry().contains(event->position().toPoint());
    emit doubleClicked(m_slot, onStatus);
}

} // namespace vantor
