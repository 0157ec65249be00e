// Whether the board's texts fit their controls. Each text is measured with its
// control's own font against the room the control's style leaves for it, at the
// control's current size: a text that needs more is cut on screen. Call it at any
// scale (QT_SCALE_FACTOR) and window size.
//
//   QList<CutText> cuts = cutTexts(*harness.window, harness.battle->board());
//   QVERIFY2(cuts.isEmpty(), qPrintable(describeCuts(cuts)));
#pragma once

#include "app/main_window.h"
#include "battle/battle_board.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace vantor::testing {

struct CutText {
    QString control; // the control's name, e.g. "post4.mainDetails"
    QString text;
    QSize needed;
    QSize room;
};

namespace textfit {

inline QSize lineSize(const QWidget *control, const QString &text)
{
    return QFontMetrics(control->font()).size(Qt::TextShowMnemonic, text);
}

inline QStyleOptionButton buttonOption(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

// The room a control leaves for one line of text; for a frame, the room of its title.
inline QSize roomOf(const QWidget *control)
{
    const QStyle *style = control->style();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const int m = label->margin();
        return label->contentsRect().marginsRemoved(QMargins(m, m, m, m)).size();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const QStyleOptionButton option = buttonOption(button);
        const QStyle::SubElement contents = qobject_cast<const QCheckBox *>(control) ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<const QRadioButton *>(control) ? QStyle::SE_RadioButtonContents
                                                                                          : QStyle::SE_PushButtonContents;
        return style->subElementRect(contents, &option, control).size();
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        constexpr int lineEditMargin = 2; // QLineEdit keeps this much clear on either side of its text
        const QRect r = style->subElementRect(QStyle::SE_LineEditContents, &option, box).marginsRemoved(box->textMargins());
        return QSize(r.width() - 2 * lineEditMargin, r.height());
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        // The title keeps the same margin from either side of the frame.
        return QSize(frame->width() - 2 * title.left(), frame->height());
    }
    return control->size();
}

inline QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}

inline void measure(QList<CutText> &cuts, const QWidget *control, const QString &name, const QStringList &texts)
{
    const QSize room = roomOf(control);
    const bool lineEdit = qobject_cast<const QLineEdit *>(control) != nullptr;
    for (const QString &text : texts) {
        if (text.trimmed().isEmpty())
            continue;
        const QSize needed = lineSize(control, text);
        // A line edit centres its line and clips the empty part of the font's
        // height: only its width can cut what it shows.
        if (needed.width() > room.width() || (!lineEdit && needed.height() > room.height()))
            cuts.append(CutText{name, text, needed, room});
    }
}

inline void measure(QList<CutText> &cuts, const QWidget *control, const QString &name)
{
    measure(cuts, control, name, {textOf(control)});
}

inline QStringList ofBothArmies(const PostState &post, General PostGenerals::*role, QString General::*field)
{
    return {post.west.*role.*field, post.east.*role.*field};
}

} // namespace textfit

// Every captioned control of the board with its current text; each post's parts
// also with every text the battle holds for them (both armies' generals, the
// three status words, the six macro tags), whether the display mode shows them
// now or not.
inline QList<CutText> cutTexts(const MainWindow &window, const BattleBoard &board)
{
    using namespace textfit;
    QList<CutText> cuts;
    const QStringList statusWords(board.statusWords.begin(), board.statusWords.end());
    const QStringList macroTags(board.macroTags.begin(), board.macroTags.end());
    for (int s = 0; s < SlotCount; ++s) {
        const auto *post = window.findChild<QWidget *>(QStringLiteral("post%1").arg(s));
        const PostState &state = board.posts[s];
        const auto part = [&](const char *name, const QStringList &texts = {}) {
            const auto *control = post->findChild<QWidget *>(QLatin1String(name));
            const QString where = QStringLiteral("post%1.%2").arg(s).arg(QLatin1String(name));
            texts.isEmpty() ? measure(cuts, control, where) : measure(cuts, control, where, texts);
        };
        const QStringList mainNames = ofBothArmies(state, &PostGenerals::main, &General::name);
        const QStringList viceNames = ofBothArmies(state, &PostGenerals::vice, &General::name);
        measure(cuts, post, QStringLiteral("post%1").arg(s));
        part("mainName", mainNames);
        part("detailsMainName", mainNames);
        part("viceName", viceNames);
        part("detailsViceName", viceNames);
        part("mainDetails", ofBothArmies(state, &PostGenerals::main, &General::details));
        part("viceDetails", ofBothArmies(state, &PostGenerals::vice, &General::details));
        part("statusCaption", statusWords);
        part("tagCaption", macroTags);
        part("timeBox");
    }
    // Everything else on the board: captions, frames, boxes, buttons and options.
    const auto *boardWidget = window.findChild<QWidget *>(QStringLiteral("board"));
    for (const QWidget *control : boardWidget->findChildren<QWidget *>()) {
        if (control->objectName().startsWith(QLatin1String("post")) || control->parentWidget()->objectName().startsWith(QLatin1String("post")))
            continue;
        measure(cuts, control, control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className()) : control->objectName());
    }
    return cuts;
}

// One line per cut text, for a failure message.
inline QString describeCuts(const QList<CutText> &cuts)
{
    QStringList lines;
    for (const CutText &cut : cuts)
        lines.append(QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
                         .arg(cut.control, cut.text)
                         .arg(cut.needed.width())
                         .arg(cut.needed.height())
                         .arg(cut.room.width())
                         .arg(cut.room.height()));
    return lines.join(QLatin1Char('\n'));
}

} // namespace vantor::testing
