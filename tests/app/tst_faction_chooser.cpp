#include "app/faction_chooser.h"

#include "app/desktop_look.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace vantor;

namespace {

const QColor Blue(0x8080FF);
const QColor Red(0xFF8080);

QColor back(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList fifteenEntries()
{
    QStringList texts;
    for (int i = 0; i < 14; ++i)
        texts << factionName(i);
    return texts << QStringLiteral("東西対抗大合戦");
}

// Start values everywhere: the lists in their fifteen-entry form on 徳川家 and
// 北条家, default colours painted, restoration unticked and available, OK allowed.
void verifyStartState(const FactionChooser &dialog)
{
    QCOMPARE(dialog.choice(), FactionChoice{});
    QCOMPARE(entries(dialog.factionLists[0]), fifteenEntries());
    QCOMPARE(entries(dialog.factionLists[1]), fifteenEntries());
    QCOMPARE(dialog.factionLists[0]->currentItem()->text(), QStringLiteral("徳川家"));
    QCOMPARE(dialog.factionLists[1]->currentItem()->text(), QStringLiteral("北条家"));
    QVERIFY(dialog.schemeOptions[0]->isChecked());
    QVERIFY(!dialog.schemeOptions[1]->isChecked());
    QVERIFY(!dialog.restorationCheck->isChecked());
    QVERIFY(dialog.restorationCheck->isEnabled());
    QVERIFY(dialog.okButton->isEnabled());
    QCOMPARE(back(dialog.westFrame), Blue);
    QCOMPARE(back(dialog.eastFrame), Red);
    QCOMPARE(back(dialog.restorationCheck), Red);
}

// Moves the chooser away from its start values in every field it has.
void chooseSomethingElse(FactionChooser &dialog)
{
    dialog.schemeOptions[1]->click();
    dialog.factionLists[0]->setCurrentRow(0);
    dialog.factionLists[1]->setCurrentRow(13);
    dialog.restorationCheck->click();
    QCOMPARE(dialog.choice(), (FactionChoice{0, 13, ColourScheme::BattleColours, 1}));
}

} // namespace

class FactionChooserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpDesktopLook(*qApp); }

    void startsWithTheStartValues()
    {
        FactionChooser dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("勢力選択"));
        verifyStartState(dialog);
    }

    // In the program's own look and font, the designed lists show every entry
    // whole: none hides behind a scroll bar or below the fold, none is cut.
    void everyEntryShowsWhole()
    {
        FactionChooser dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const QListWidget *list : dialog.factionLists) {
            QCOMPARE(list->size(), twipsRect(0, 0, 2775, 2760).size());
            QCOMPARE(list->verticalScrollBar()->maximum(), 0);
            // A glyph fills at most the font's em.
            const int em = QFontInfo(list->font()).pixelSize();
            for (int row = 0; row < list->count(); ++row) {
                const QRect item = list->visualItemRect(list->item(row));
                QVERIFY2(list->viewport()->rect().contains(item), qPrintable(list->item(row)->text()));
                QVERIFY(item.height() >= em);
            }
        }
    }

    void selectionRule_data()
    {
        QTest::addColumn<bool>("battleColoursFirst");
        QTest::addColumn<bool>("restorationFirst");
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::addColumn<bool>("checkEnabled");
        QTest::addColumn<bool>("checkTicked");
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<bool>("okEnabled");

        QTest::newRow("two houses") << false << false << 0 << 13 << true << false << false << true;
        QTest::newRow("two houses with restoration") << false << true << 5 << 6 << true << true << false << true;
        QTest::newRow("two houses under battle colours with restoration")
            << true << true << 13 << 0 << true << true << true << true;
        QTest::newRow("same house keeps the restoration tick") << false << true << 3 << 3 << true << true << false
                                                               << false;
        QTest::newRow("battle entry on the West only") << false << false << 14 << 2 << true << false << false
                                                       << false;
        QTest::newRow("battle entry on the East only") << false << true << 4 << 14 << true << true << false << false;
        QTest::newRow("battle entry on both sides clears restoration")
            << false << true << 14 << 14 << false << false << true << true;
        QTest::newRow("battle entry on both sides under battle colours")
            << true << false << 14 << 14 << false << false << true << true;
        QTest::newRow("nothing on the West") << false << false << -1 << 2 << true << false << false << false;
        QTest::newRow("nothing on the East") << false << true << 4 << -1 << true << true << false << false;
    }

    void selectionRule()
    {
        QFETCH(bool, battleColoursFirst);
        QFETCH(bool, restorationFirst);
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(bool, checkEnabled);
        QFETCH(bool, checkTicked);
        QFETCH(bool, battleColours);
        QFETCH(bool, okEnabled);

        FactionChooser dialog;
        if (battleColoursFirst)
            dialog.schemeOptions[1]->click();
        if (restorationFirst)
            dialog.restorationCheck->click();
        dialog.factionLists[0]->setCurrentRow(west);
        dialog.factionLists[1]->setCurrentRow(east);

        QCOMPARE(dialog.restorationCheck->isEnabled(), checkEnabled);
        QCOMPARE(dialog.restorationCheck->isChecked(), checkTicked);
        QCOMPARE(dialog.schemeOptions[1]->isChecked(), battleColours);
        QCOMPARE(dialog.schemeOptions[0]->isChecked(), !battleColours);
        QCOMPARE(dialog.okButton->isEnabled(), okEnabled);
        QCOMPARE(back(dialog.westFrame), battleColours ? Red : Blue);
        QCOMPARE(back(dialog.eastFrame), battleColours ? Blue : Red);
        QCOMPARE(back(dialog.restorationCheck), battleColours ? Blue : Red);
        // What is drawn, not only what the palette holds: a check box fills
        // from another colour role than a frame.
        const QImage drawn = dialog.restorationCheck->grab().toImage();
        QCOMPARE(drawn.pixelColor(drawn.width() - 2, drawn.height() / 2), battleColours ? Blue : Red);
    }

    void ctrlClickCannotEmptyASide()
    {
        FactionChooser dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget *west = dialog.factionLists[0];
        const QRect entry = west->visualItemRect(west->item(4));
        QTest::mouseClick(west->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
        QCOMPARE(west->selectedItems().size(), 1);
        QCOMPARE(west->selectedItems().constFirst(), west->item(4));
        QCOMPARE(dialog.choice().WestFaction, 4);
    }

    // Leaving the battle entry on one side makes restoration available again,
    // still unticked, and the battle colours stay until the user changes them.
    void leavingTheBattleEntryFreesRestoration()
    {
        FactionChooser dialog;
        dialog.factionLists[0]->setCurrentRow(14);
        dialog.factionLists[1]->setCurrentRow(14);
        dialog.factionLists[1]->setCurrentRow(7);
        QVERIFY(dialog.restorationCheck->isEnabled());
        QVERIFY(!dialog.restorationCheck->isChecked());
        QVERIFY(dialog.schemeOptions[1]->isChecked());
        QVERIFY(!dialog.okButton->isEnabled());
    }

    void colourOptionRule_data()
    {
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("battleColours");

        QTest::newRow("houses, battle colours") << 4 << 2 << QList<int>{1} << true;
        QTest::newRow("houses, battle then default") << 4 << 2 << QList<int>{1, 0} << false;
        QTest::newRow("houses, default again") << 4 << 2 << QList<int>{0} << false;
        QTest::newRow("same house, battle colours") << 3 << 3 << QList<int>{1} << true;
        QTest::newRow("battle entry undoes default") << 14 << 14 << QList<int>{0} << true;
        QTest::newRow("battle entry undoes default twice") << 14 << 14 << QList<int>{0, 1, 0} << true;
        QTest::newRow("battle entry on one side allows default") << 14 << 2 << QList<int>{1, 0} << false;
    }

    void colourOptionRule()
    {
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, battleColours);

        FactionChooser dialog;
        dialog.factionLists[0]->setCurrentRow(west);
        dialog.factionLists[1]->setCurrentRow(east);
        for (int option : clicks)
            dialog.schemeOptions[option]->click();

        QCOMPARE(dialog.schemeOptions[1]->isChecked(), battleColours);
        QCOMPARE(dialog.schemeOptions[0]->isChecked(), !battleColours);
        QCOMPARE(dialog.choice().Colours,
                 battleColours ? ColourScheme::BattleColours : ColourScheme::DefaultColours);
        QCOMPARE(back(dialog.westFrame), battleColours ? Red : Blue);
        QCOMPARE(back(dialog.eastFrame), battleColours ? Blue : Red);
        QCOMPARE(back(dialog.restorationCheck), battleColours ? Blue : Red);
    }

    void okOnTheBattleEntryRefillsWithSixteenFactions()
    {
        FactionChooser dialog;
        dialog.restorationCheck->click();
        dialog.factionLists[0]->setCurrentRow(14);
        dialog.factionLists[1]->setCurrentRow(14);
        dialog.okButton->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QStringList sixteen;
        for (int i = 0; i < 16; ++i)
            sixteen << factionName(i);
        QCOMPARE(entries(dialog.factionLists[0]), sixteen);
        QCOMPARE(entries(dialog.factionLists[1]), sixteen);
        QCOMPARE(dialog.factionLists[0]->currentItem()->text(), QStringLiteral("西軍"));
        QCOMPARE(dialog.factionLists[1]->currentItem()->text(), QStringLiteral("東軍"));
        QCOMPARE(dialog.choice(), (FactionChoice{14, 15, ColourScheme::BattleColours, 0}));
        QCOMPARE(back(dialog.westFrame), Red);
        QCOMPARE(back(dialog.eastFrame), Blue);
    }

    void okOnTwoHousesKeepsTheChoice()
    {
        FactionChooser dialog;
        chooseSomethingElse(dialog);
        dialog.okButton->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(entries(dialog.factionLists[0]), fifteenEntries());
        QCOMPARE(dialog.choice(), (FactionChoice{0, 13, ColourScheme::BattleColours, 1}));
    }

    void okIsRefusedWhileNotAllowed()
    {
        FactionChooser dialog;
        dialog.factionLists[0]->setCurrentRow(2);
        dialog.factionLists[1]->setCurrentRow(2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.choice(), (FactionChoice{2, 2, ColourScheme::DefaultColours, 0}));
    }

    void closingWithoutOkDiscardsTheChoice_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("battleConfirmedBefore");
        QTest::newRow("close command") << QStringLiteral("close") << false;
        QTest::newRow("Escape key") << QStringLiteral("escape") << false;
        QTest::newRow("reject") << QStringLiteral("reject") << false;
        QTest::newRow("close command after the great battle") << QStringLiteral("close") << true;
    }

    void closingWithoutOkDiscardsTheChoice()
    {
        QFETCH(QString, how);
        QFETCH(bool, battleConfirmedBefore);

        FactionChooser dialog;
        if (battleConfirmedBefore) {
            dialog.factionLists[0]->setCurrentRow(14);
            dialog.factionLists[1]->setCurrentRow(14);
            dialog.okButton->click();
            QCOMPARE(dialog.factionLists[0]->count(), 16);
        } else {
            chooseSomethingElse(dialog);
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (how == QLatin1String("close"))
            dialog.close();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.reject();

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        verifyStartState(dialog);
    }

    void resetToStartUndoesEveryField()
    {
        FactionChooser dialog;
        chooseSomethingElse(dialog);
        dialog.resetToStart();
        verifyStartState(dialog);

        dialog.factionLists[0]->setCurrentRow(14);
        dialog.factionLists[1]->setCurrentRow(14);
        dialog.okButton->click();
        dialog.resetToStart();
        verifyStartState(dialog);
    }
};

QTEST_MAIN(FactionChooserTest)
#include "tst_faction_chooser.moc"
