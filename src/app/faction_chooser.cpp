#include "app/faction_chooser.h"

#include "app/background.h"
#include "app/desktop_look.h"
#include "app/twips.h"
#include "board/post_display.h"
#include "roster/chooser_rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>

#include <iterator>

namespace vantor {

namespace {

class ChooserRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Rows as tall as the font's em, as the design font drew them, rather than
    // its full line: the designed list then holds its fifteen entries whole.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontInfo(option.font).pixelSize());
        return size;
    }

    // Both sides' choices stay in view, but only the list that has the keys
    // shows its choice in the highlight colour, with the style's focus
    // rectangle round it; the other shows it in the classic face grey, as
    // classic lists do when they lose the keys.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem look = option;
        if (option.widget && !option.widget->hasFocus()) {
            look.palette.setColor(QPalette::Highlight, QColor(ClassicFaceGrey));
            look.palette.setColor(QPalette::HighlightedText, readableTextColour(QColor(ClassicFaceGrey)));
        }
        QStyledItemDelegate::paint(painter, look, index);
    }

private:
    static constexpr QRgb ClassicFaceGrey = 0xC0C0C0;
};

// Two short lines that fit above ＯＫ; its tooltip gives them as one.
QString refusalNote(OkRefusal refusal)
{
    switch (refusal) {
    case OkRefusal::SideNotChosen:
        return QStringLiteral("両軍の勢力を\n選んでください");
    case OkRefusal::SameHouse:
        return QStringLiteral("西軍と東軍に\n同じ勢力は選べません");
    case OkRefusal::BattleOnOneSide:
        return QStringLiteral("東西対抗大合戦は\n両軍とも選んでください");
    case OkRefusal::None:
        break;
    }
    return {};
}

} // namespace

FactionChooser::FactionChooser(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("勢力選択"));
    setFont(gothicFont(9));
    setBackground(this, QColor(NeutralGrey));
    setFixedSize(px(7095), px(5265));

    m_titleCaption = new QLabel(QStringLiteral("勢力選択"), this);
    m_titleCaption->setObjectName(QStringLiteral("titleCaption"));
    m_titleCaption->setGeometry(twipsRect(2160, 240, 2775, 255));
    m_titleCaption->setAlignment(Qt::AlignCenter);
    m_titleCaption->setFont(gothicFont(9, true));

    m_westFrame = new QGroupBox(QStringLiteral("西軍"), this);
    m_westFrame->setObjectName(QStringLiteral("westFrame"));
    m_westFrame->setGeometry(twipsRect(240, 720, 3255, 3375));
    m_eastFrame = new QGroupBox(QStringLiteral("東軍"), this);
    m_eastFrame->setObjectName(QStringLiteral("eastFrame"));
    m_eastFrame->setGeometry(twipsRect(3600, 720, 3255, 3375));
    QGroupBox *frames[2] = {m_westFrame, m_eastFrame};
    const QString listNames[2] = {QStringLiteral("westList"), QStringLiteral("eastList")};
    // The lists have no caption of their own to be read out.
    const QString spokenNames[2] = {QStringLiteral("西軍の勢力"), QStringLiteral("東軍の勢力")};
    for (int i = 0; i < 2; ++i) {
        QListWidget *list = m_lists[i] = new QListWidget(frames[i]);
        list->setObjectName(listNames[i]);
        list->setAccessibleName(spokenNames[i]);
        list->setGeometry(twipsRect(240, 240, 2775, 2760));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true); // every entry is one line of the same font
        list->setItemDelegate(new ChooserRows(list));

        connect(list, &QListWidget::currentRowChanged, this, &FactionChooser::onFactionPicked);
        // A Ctrl+click would empty the selection while the entry stays current:
        // a side is always the entry the list shows selected.
        connect(list, &QListWidget::itemSelectionChanged, this, [list] {
            if (list->selectedItems().isEmpty() && list->currentItem())
                list->currentItem()->setSelected(true);
        });
    }
    m_restorationCheck = new QCheckBox(QStringLiteral("御家復興勢力"), m_eastFrame);
    m_restorationCheck->setObjectName(QStringLiteral("restorationCheck"));
    m_restorationCheck->setGeometry(twipsRect(240, 3000, 1575, 255));

    m_schemeFrame = new QGroupBox(QStringLiteral("陣営色設定"), this);
    m_schemeFrame->setObjectName(QStringLiteral("schemeFrame"));
    m_schemeFrame->setGeometry(twipsRect(240, 4200, 3975, 975));
    setBackground(m_schemeFrame, QColor(NeutralGrey));
    m_schemeOptions[0] = new QRadioButton(QStringLiteral("デフォルトカラー"), m_schemeFrame);
    m_schemeOptions[0]->setObjectName(QStringLiteral("defaultColoursOption"));
    m_schemeOptions[0]->setGeometry(twipsRect(240, 240, 2535, 255));
    m_schemeOptions[1] = new QRadioButton(QStringLiteral("東西対抗大合戦カラー"), m_schemeFrame);
    m_schemeOptions[1]->setObjectName(QStringLiteral("battleColoursOption"));
    m_schemeOptions[1]->setGeometry(twipsRect(240, 600, 2415, 255));
    for (QRadioButton *option : m_schemeOptions)
        connect(option, &QRadioButton::clicked, this, &FactionChooser::onSchemePicked);

    // The free corner between the colour frame, the East frame and ＯＫ; the
    // lines are centred over ＯＫ.
    m_okNote = new QLabel(this);
    m_okNote->setObjectName(QStringLiteral("okNote"));
    m_okNote->setGeometry(twipsRect(4320, 4110, 2535, 420));
    m_okNote->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);

    m_okButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(twipsRect(4680, 4560, 1815, 495));
    // Return takes the choice from wherever the keys are; QDialog ignores it
    // while OK is greyed.
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &FactionChooser::acceptChoice);

    // West to East, then what qualifies the choice, then ＯＫ.
    QWidget *const tabStops[] = {m_lists[0], m_lists[1], m_restorationCheck, m_schemeOptions[0], m_schemeOptions[1],
                                 m_okButton};
    for (int i = 1; i < int(std::size(tabStops)); ++i)
        setTabOrder(tabStops[i - 1], tabStops[i]);

    resetToStart();
}

FactionChoice FactionChooser::choice() const
{
    return FactionChoice{m_lists[0]->currentRow(), m_lists[1]->currentRow(),
                         m_schemeOptions[1]->isChecked() ? ColourScheme::BattleColours : ColourScheme::DefaultColours,
                         m_restorationCheck->isChecked() ? 1 : 0};
}

void FactionChooser::resetToStart()
{
    fillLists(HouseCount + 1);
    m_schemeOptions[0]->setChecked(true);
    showScheme();
    m_restorationCheck->setChecked(false);
}

void FactionChooser::fillLists(int entries)
{
    for (QListWidget *list : m_lists) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int i = 0; i < entries; ++i)
            list->addItem(i == BattleEntryIndex && entries == HouseCount + 1 ? QStringLiteral("東西対抗大合戦")
                                                                              : factionName(i));
    }
    if (entries == HouseCount + 1) {
        m_lists[0]->setCurrentRow(4);
        m_lists[1]->setCurrentRow(2);
    } else {
        m_lists[0]->setCurrentRow(WestArmyFaction);
        m_lists[1]->setCurrentRow(EastArmyFaction);
    }
    onFactionPicked();
}

void FactionChooser::onFactionPicked()
{
    const int west = m_lists[0]->currentRow();
    const int east = m_lists[1]->currentRow();
    if (bothOnBattleEntry(west, east)) {
        m_schemeOptions[1]->setChecked(true);
        showScheme();
        m_restorationCheck->setChecked(false);
        m_restorationCheck->setEnabled(false);
    } else {
        m_restorationCheck->setEnabled(true);
    }
    const OkRefusal refusal = chooserRefusal(west, east);
    m_okButton->setEnabled(refusal == OkRefusal::None);
    const QString note = refusalNote(refusal);
    m_okNote->setText(note);
    m_okButton->setToolTip(QString(note).remove(QLatin1Char('\n')));
}

void FactionChooser::onSchemePicked()
{
    if (bothOnBattleEntry(m_lists[0]->currentRow(), m_lists[1]->currentRow()))
        m_schemeOptions[1]->setChecked(true);
    showScheme();
}

void FactionChooser::showScheme()
{
    const bool battle = m_schemeOptions[1]->isChecked();
    const ColourScheme scheme = battle ? ColourScheme::BattleColours : ColourScheme::DefaultColours;
    setBackground(m_westFrame, armyColour(Army::West, StatusKind::Present, scheme));
    setBackground(m_eastFrame, armyColour(Army::East, StatusKind::Present, scheme));
    setBackground(m_restorationCheck, armyColour(Army::East, StatusKind::Present, scheme));
    // Tab enters the pair at the option that is on, as in classic dialogs, and
    // the arrow keys move between them; Qt would keep the stop on whichever
    // was focused last, even when the rules turned the other on.
    m_schemeOptions[battle ? 1 : 0]->setFocusPolicy(Qt::StrongFocus);
    m_schemeOptions[battle ? 0 : 1]->setFocusPolicy(Qt::ClickFocus);
}

void FactionChooser::acceptChoice()
{
    if (!m_okButton->isEnabled())
        return;
    if (bothOnBattleEntry(m_lists[0]->currentRow(), m_lists[1]->currentRow()))
        fillLists(FactionCount);
    accept();
}

void FactionChooser::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void FactionChooser::reject()
{
    resetToStart();
    QDialog::reject();
}

} // namespace vantor
