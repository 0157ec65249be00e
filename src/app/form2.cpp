#include "app/form2.h"

#include "app/artwork.h"
#include "app/control_writes.h"
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

namespace vantor {

Form2::Form2(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("勢力選択"));
    setFont(gothicFont(9));
    setBackground(this, QColor(NeutralGrey));
    setFixedSize(px(7095), px(5265));

    Label1 = new QLabel(QStringLiteral("勢力選択"), this);
    Label1->setGeometry(twipsRect(2160, 240, 2775, 255));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(gothicFont(9, true));

    Frame1 = new QGroupBox(QStringLiteral("西軍"), this);
    Frame1->setGeometry(twipsRect(240, 720, 3255, 3375));
    Frame2 = new QGroupBox(QStringLiteral("東軍"), this);
    Frame2->setGeometry(twipsRect(3600, 720, 3255, 3375));
    QGroupBox *frames[2] = {Frame1, Frame2};
    for (int i = 0; i < 2; ++i) {
        List1[i] = new QListWidget(frames[i]);
        List1[i]->setGeometry(twipsRect(240, 240, 2775, 2760));
        List1[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        List1[i]->setUniformItemSizes(true); // every entry is one line of the same font

        connect(List1[i], &QListWidget::currentRowChanged, this, &Form2::List1_Click);
        // A Ctrl+click would empty the selection while the entry stays current:
        // a side is always the entry the list shows selected.
        connect(List1[i], &QListWidget::itemSelectionChanged, this, [list = List1[i]] {
            if (list->selectedItems().isEmpty() && list->currentItem())
                list->currentItem()->setSelected(true);
        });
    }
    Check1 = new QCheckBox(QStringLiteral("御家復興勢力"), Frame2);
    Check1->setGeometry(twipsRect(240, 3000, 1575, 255));

    Frame3 = new QGroupBox(QStringLiteral("陣営色設定"), this);
    Frame3->setGeometry(twipsRect(240, 4200, 3975, 975));
    setBackground(Frame3, QColor(NeutralGrey));
    Option1[0] = new QRadioButton(QStringLiteral("デフォルトカラー"), Frame3);
    Option1[0]->setGeometry(twipsRect(240, 240, 2535, 255));
    Option1[1] = new QRadioButton(QStringLiteral("東西対抗大合戦カラー"), Frame3);
    Option1[1]->setGeometry(twipsRect(240, 600, 2415, 255));
    for (QRadioButton *option : Option1)
        connect(option, &QRadioButton::clicked, this, &Form2::Option1_Click);

    Command1 = new QPushButton(QStringLiteral("ＯＫ"), this);
    Command1->setGeometry(twipsRect(4680, 4560, 1815, 495));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    resetToStart();
}

FactionChoice Form2::choice() const
{
    return FactionChoice{List1[0]->currentRow(), List1[1]->currentRow(),
                         Option1[1]->isChecked() ? ColourScheme::BattleColours : ColourScheme::DefaultColours,
                         Check1->isChecked() ? 1 : 0};
}

QImage Form2::emblem(Faction faction) const
{
    return factionEmblem(faction);
}

void Form2::resetToStart()
{
    fillLists(HouseCount + 1);
    Option1[0]->setChecked(true);
    paintScheme();
    Check1->setChecked(false);
}

void Form2::fillLists(int entries)
{
    for (QListWidget *list : List1) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int i = 0; i < entries; ++i)
            list->addItem(i == BattleEntryIndex && entries == HouseCount + 1 ? QStringLiteral("東西対抗大合戦")
                                                                              : factionName(i));
    }
    if (entries == HouseCount + 1) {
        List1[0]->setCurrentRow(4);
        List1[1]->setCurrentRow(2);
    } else {
        List1[0]->setCurrentRow(WestArmyFaction);
        List1[1]->setCurrentRow(EastArmyFaction);
    }
    List1_Click();
}

void Form2::List1_Click()
{
    const int west = List1[0]->currentRow();
    const int east = List1[1]->currentRow();
    if (bothOnBattleEntry(west, east)) {
        Option1[1]->setChecked(true);
        paintScheme();
        Check1->setChecked(false);
        Check1->setEnabled(false);
    } else {
        Check1->setEnabled(true);
    }
    Command1->setEnabled(chooserAllowsOk(west, east));
}

void Form2::Option1_Click()
{
    if (bothOnBattleEntry(List1[0]->currentRow(), List1[1]->currentRow()))
        Option1[1]->setChecked(true);
    paintScheme();
}

void Form2::paintScheme()
{
    const ColourScheme scheme = Option1[1]->isChecked() ? ColourScheme::BattleColours : ColourScheme::DefaultColours;
    setBackground(Frame1, armyColour(Army::West, StatusKind::Present, scheme));
    setBackground(Frame2, armyColour(Army::East, StatusKind::Present, scheme));
    setBackground(Check1, armyColour(Army::East, StatusKind::Present, scheme));
}

void Form2::Command1_Click()
{
    if (!Command1->isEnabled())
        return;
    if (bothOnBattleEntry(List1[0]->currentRow(), List1[1]->currentRow()))
        fillLists(FactionCount);
    accept();
}

void Form2::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void Form2::reject()
{
    resetToStart();
    QDialog::reject();
}

} // namespace vantor
