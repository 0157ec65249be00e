#include "app/faction_chooser.h"

#include "app/artwork.h"
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

namespace vantor {

namespace {

// Rows as tall as the font's em, as the design font drew them, rather than its
// full line: the designed list then holds its fifteen entries whole.
class EmTallRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontInfo(option.font).pixelSize());
        return size;
    }
};

} // namespace

FactionChooser::FactionChooser(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("勢力選択"));
    setFont(gothicFont(9));
    setBackground(this, QColor(NeutralGrey));
    setFixedSize(px(7095), px(5265));

    titleCaption = new QLabel(QStringLiteral("勢力選択"), this);
    titleCaption->setGeometry(twipsRect(2160, 240, 2775, 255));
    titleCaption->setAlignment(Qt::AlignCenter);
    titleCaption->setFont(gothicFont(9, true));

    westFrame = new QGroupBox(QStringLiteral("西軍"), this);
    westFrame->setGeometry(twipsRect(240, 720, 3255, 3375));
    eastFrame = new QGroupBox(QStringLiteral("東軍"), this);
    eastFrame->setGeometry(twipsRect(3600, 720, 3255, 3375));
    QGroupBox *frames[2] = {westFrame, eastFrame};
    for (int i = 0; i < 2; ++i) {
        factionLists[i] = new QListWidget(frames[i]);
        factionLists[i]->setGeometry(twipsRect(240, 240, 2775, 2760));
        factionLists[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        factionLists[i]->setUniformItemSizes(true); // every entry is one line of the same font
        factionLists[i]->setItemDelegate(new EmTallRows(factionLists[i]));

        connect(factionLists[i], &QListWidget::currentRowChanged, this, &FactionChooser::onFactionPicked);
        // A Ctrl+click would empty the selection while the entry stays current:
        // a side is always the entry the list shows selected.
        connect(factionLists[i], &QListWidget::itemSelectionChanged, this, [list = factionLists[i]] {
            if (list->selectedItems().isEmpty() && list->currentItem())
                list->currentItem()->setSelected(true);
        });
    }
    restorationCheck = new QCheckBox(QStringLiteral("御家復興勢力"), eastFrame);
    restorationCheck->setGeometry(twipsRect(240, 3000, 1575, 255));

    schemeFrame = new QGroupBox(QStringLiteral("陣営色設定"), this);
    schemeFrame->setGeometry(twipsRect(240, 4200, 3975, 975));
    setBackground(schemeFrame, QColor(NeutralGrey));
    schemeOptions[0] = new QRadioButton(QStringLiteral("デフォルトカラー"), schemeFrame);
    schemeOptions[0]->setGeometry(twipsRect(240, 240, 2535, 255));
    schemeOptions[1] = new QRadioButton(QStringLiteral("東西対抗大合戦カラー"), schemeFrame);
    schemeOptions[1]->setGeometry(twipsRect(240, 600, 2415, 255));
    for (QRadioButton *option : schemeOptions)
        connect(option, &QRadioButton::clicked, this, &FactionChooser::onSchemePicked);

    okButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton->setGeometry(twipsRect(4680, 4560, 1815, 495));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &FactionChooser::acceptChoice);

    resetToStart();
}

FactionChoice FactionChooser::choice() const
{
    return FactionChoice{factionLists[0]->currentRow(), factionLists[1]->currentRow(),
                         schemeOptions[1]->isChecked() ? ColourScheme::BattleColours : ColourScheme::DefaultColours,
                         restorationCheck->isChecked() ? 1 : 0};
}

QImage FactionChooser::emblem(Faction faction, int pixels) const
{
    return factionEmblem(faction, pixels);
}

void FactionChooser::resetToStart()
{
    fillLists(HouseCount + 1);
    schemeOptions[0]->setChecked(true);
    paintScheme();
    restorationCheck->setChecked(false);
}

void FactionChooser::fillLists(int entries)
{
    for (QListWidget *list : factionLists) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int i = 0; i < entries; ++i)
            list->addItem(i == BattleEntryIndex && entries == HouseCount + 1 ? QStringLiteral("東西対抗大合戦")
                                                                              : factionName(i));
    }
    if (entries == HouseCount + 1) {
        factionLists[0]->setCurrentRow(4);
        factionLists[1]->setCurrentRow(2);
    } else {
        factionLists[0]->setCurrentRow(WestArmyFaction);
        factionLists[1]->setCurrentRow(EastArmyFaction);
    }
    onFactionPicked();
}

void FactionChooser::onFactionPicked()
{
    const int west = factionLists[0]->currentRow();
    const int east = factionLists[1]->currentRow();
    if (bothOnBattleEntry(west, east)) {
        schemeOptions[1]->setChecked(true);
        paintScheme();
        restorationCheck->setChecked(false);
        restorationCheck->setEnabled(false);
    } else {
        restorationCheck->setEnabled(true);
    }
    okButton->setEnabled(chooserAllowsOk(west, east));
}

void FactionChooser::onSchemePicked()
{
    if (bothOnBattleEntry(factionLists[0]->currentRow(), factionLists[1]->currentRow()))
        schemeOptions[1]->setChecked(true);
    paintScheme();
}

void FactionChooser::paintScheme()
{
    const ColourScheme scheme = schemeOptions[1]->isChecked() ? ColourScheme::BattleColours : ColourScheme::DefaultColours;
    setBackground(westFrame, armyColour(Army::West, StatusKind::Present, scheme));
    setBackground(eastFrame, armyColour(Army::East, StatusKind::Present, scheme));
    setBackground(restorationCheck, armyColour(Army::East, StatusKind::Present, scheme));
}

void FactionChooser::acceptChoice()
{
    if (!okButton->isEnabled())
        return;
    if (bothOnBattleEntry(factionLists[0]->currentRow(), factionLists[1]->currentRow()))
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
