#include "app/faction_chooser.h"

#include "app/desktop_look.h"
#include "app/twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace vantor;

namespace {

const QColor Blue(0x8080FF);
const QColor Red(0xFF8080);

template <typename T = QWidget>
T *control(const QWidget &dialog, const QString &name)
{
    T *found = dialog.findChild<T *>(name);
    if (!found)
        qFatal("the chooser has no control named %s", qPrintable(name));
    return found;
}

// The dialog and its controls, found by name as the rest of the program would.
struct Chooser {
    FactionChooser dialog;
    QListWidget *lists[2] = {control<QListWidget>(dialog, "westList"), control<QListWidget>(dialog, "eastList")};
    QCheckBox *restoration = control<QCheckBox>(dialog, "restorationCheck");
    QRadioButton *options[2] = {control<QRadioButton>(dialog, "defaultColoursOption"),
                                control<QRadioButton>(dialog, "battleColoursOption")};
    QPushButton *ok = control<QPushButton>(dialog, "okButton");
    QLabel *note = control<QLabel>(dialog, "okNote");
    QGroupBox *westFrame = control<QGroupBox>(dialog, "westFrame");
    QGroupBox *eastFrame = control<QGroupBox>(dialog, "eastFrame");

    void pick(int west, int east) { lists[0]->setCurrentRow(west), lists[1]->setCurrentRow(east); }
};

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

// What a screen reader calls each stop of the keys: the lists have no caption
// to lend them a name.
const QHash<QString, QString> SpokenNames{{"westList", "西軍の勢力"}, {"eastList", "東軍の勢力"},
                                          {"restorationCheck", "御家復興勢力"},
                                          {"defaultColoursOption", "デフォルトカラー"},
                                          {"battleColoursOption", "東西対抗大合戦カラー"}, {"okButton", "ＯＫ"}};

// Whether the list draws its chosen entry in the highlight colour.
bool highlightsItsChoice(const QListWidget *list)
{
    const QRect entry = list->visualItemRect(list->currentItem());
    const QImage drawn = list->viewport()->grab(entry).toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(drawn.constBits());
    const QRgb highlight = list->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    return std::find(pixels, pixels + drawn.width() * drawn.height(), highlight) != pixels + drawn.width() * drawn.height();
}

// Start values everywhere: the lists in their fifteen-entry form on 徳川家 and
// 北条家, default colours painted, restoration unticked and available, OK allowed.
void verifyStartState(const Chooser &c)
{
    QCOMPARE(c.dialog.choice(), FactionChoice{});
    QCOMPARE(entries(c.lists[0]), fifteenEntries());
    QCOMPARE(entries(c.lists[1]), fifteenEntries());
    QCOMPARE(c.lists[0]->currentItem()->text(), QStringLiteral("徳川家"));
    QCOMPARE(c.lists[1]->currentItem()->text(), QStringLiteral("北条家"));
    QVERIFY(c.options[0]->isChecked());
    QVERIFY(!c.options[1]->isChecked());
    QVERIFY(!c.restoration->isChecked());
    QVERIFY(c.restoration->isEnabled());
    QVERIFY(c.ok->isEnabled());
    QVERIFY(c.note->text().isEmpty());
    QVERIFY(c.ok->toolTip().isEmpty());
    QCOMPARE(back(c.westFrame), Blue);
    QCOMPARE(back(c.eastFrame), Red);
    QCOMPARE(back(c.restoration), Red);
}

// Moves the chooser away from its start values in every field it has.
void chooseSomethingElse(Chooser &c)
{
    c.options[1]->click();
    c.pick(0, 13);
    c.restoration->click();
    QCOMPARE(c.dialog.choice(), (FactionChoice{0, 13, ColourScheme::BattleColours, 1}));
}

} // namespace

class FactionChooserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpDesktopLook(*qApp); }

    // In the program's own look and font, the designed lists show every entry
    // whole: none hides behind a scroll bar or below the fold, none is cut.
    void everyEntryShowsWhole()
    {
        Chooser c;
        c.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        for (const QListWidget *list : c.lists) {
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

    // OK is allowed exactly when no note says why not.
    void selectionRule_data()
    {
        QTest::addColumn<QString>("first"); // what the user chose before the pair
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::addColumn<bool>("checkEnabled");
        QTest::addColumn<bool>("checkTicked");
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<QString>("whyNoOk");

        const QString allowed;
        const QString sameHouse = QStringLiteral("西軍と東軍に同じ勢力は選べません");
        const QString oneSided = QStringLiteral("東西対抗大合戦は両軍とも選んでください");
        const QString unchosen = QStringLiteral("両軍の勢力を選んでください");
        QTest::newRow("two houses") << "" << 0 << 13 << true << false << false << allowed;
        QTest::newRow("two houses with restoration") << "restoration" << 5 << 6 << true << true << false << allowed;
        QTest::newRow("two houses under battle colours with restoration")
            << "colours restoration" << 13 << 0 << true << true << true << allowed;
        QTest::newRow("same house keeps the restoration tick")
            << "restoration" << 3 << 3 << true << true << false << sameHouse;
        QTest::newRow("battle entry on the West only") << "" << 14 << 2 << true << false << false << oneSided;
        QTest::newRow("battle entry on the East only") << "restoration" << 4 << 14 << true << true << false << oneSided;
        QTest::newRow("battle entry on both sides clears restoration")
            << "restoration" << 14 << 14 << false << false << true << allowed;
        QTest::newRow("battle entry on both sides under battle colours")
            << "colours" << 14 << 14 << false << false << true << allowed;
        // Restoration is available again, still unticked; the battle colours
        // stay until the user changes them.
        QTest::newRow("leaving the battle entry on one side")
            << "restoration great battle" << 14 << 7 << true << false << true << oneSided;
        QTest::newRow("nothing on the West") << "" << -1 << 2 << true << false << false << unchosen;
        QTest::newRow("nothing on the East") << "restoration" << 4 << -1 << true << true << false << unchosen;
    }

    void selectionRule()
    {
        QFETCH(QString, first);
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(bool, checkEnabled);
        QFETCH(bool, checkTicked);
        QFETCH(bool, battleColours);
        QFETCH(QString, whyNoOk);

        Chooser c;
        if (first.contains(QLatin1String("colours")))
            c.options[1]->click();
        if (first.contains(QLatin1String("restoration")))
            c.restoration->click();
        if (first.contains(QLatin1String("great battle")))
            c.pick(14, 14);
        c.pick(west, east);

        QCOMPARE(c.restoration->isEnabled(), checkEnabled);
        QCOMPARE(c.restoration->isChecked(), checkTicked);
        QCOMPARE(c.options[1]->isChecked(), battleColours);
        QCOMPARE(c.options[0]->isChecked(), !battleColours);
        QCOMPARE(back(c.westFrame), battleColours ? Red : Blue);
        QCOMPARE(back(c.eastFrame), battleColours ? Blue : Red);
        QCOMPARE(back(c.restoration), battleColours ? Blue : Red);
        // What is drawn, not only what the palette holds: a check box fills
        // from another colour role than a frame.
        const QImage drawn = c.restoration->grab().toImage();
        QCOMPARE(drawn.pixelColor(drawn.width() - 2, drawn.height() / 2), battleColours ? Blue : Red);

        QCOMPARE(c.ok->isEnabled(), whyNoOk.isEmpty());
        QCOMPARE(c.ok->toolTip(), whyNoOk);
        QCOMPARE(c.note->text().remove(QLatin1Char('\n')), whyNoOk);
        // The note is read whole, in the room left beside the designed controls.
        const QSize text = c.note->fontMetrics().size(0, c.note->text());
        QVERIFY2(c.note->contentsRect().height() >= text.height() && c.note->contentsRect().width() >= text.width(),
                 qPrintable(c.note->text()));
        for (const char *designed : {"eastFrame", "schemeFrame", "okButton"})
            QVERIFY2(!c.note->geometry().intersects(control(c.dialog, designed)->geometry()), designed);
    }

    void ctrlClickCannotEmptyASide()
    {
        Chooser c;
        c.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        QListWidget *west = c.lists[0];
        const QRect entry = west->visualItemRect(west->item(4));
        QTest::mouseClick(west->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
        QCOMPARE(west->selectedItems().size(), 1);
        QCOMPARE(west->selectedItems().constFirst(), west->item(4));
        QCOMPARE(c.dialog.choice().WestFaction, 4);
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

        Chooser c;
        c.pick(west, east);
        for (int option : clicks)
            c.options[option]->click();

        QCOMPARE(c.options[1]->isChecked(), battleColours);
        QCOMPARE(c.options[0]->isChecked(), !battleColours);
        QCOMPARE(c.dialog.choice().Colours, battleColours ? ColourScheme::BattleColours : ColourScheme::DefaultColours);
        QCOMPARE(back(c.westFrame), battleColours ? Red : Blue);
        QCOMPARE(back(c.eastFrame), battleColours ? Blue : Red);
        QCOMPARE(back(c.restoration), battleColours ? Blue : Red);
    }

    void okOnTheBattleEntryRefillsWithSixteenFactions()
    {
        Chooser c;
        c.restoration->click();
        c.pick(14, 14);
        c.ok->click();

        QCOMPARE(c.dialog.result(), int(QDialog::Accepted));
        QStringList sixteen;
        for (int i = 0; i < 16; ++i)
            sixteen << factionName(i);
        QCOMPARE(entries(c.lists[0]), sixteen);
        QCOMPARE(entries(c.lists[1]), sixteen);
        QCOMPARE(c.dialog.choice(), (FactionChoice{14, 15, ColourScheme::BattleColours, 0}));
        QCOMPARE(back(c.westFrame), Red);
        QCOMPARE(back(c.eastFrame), Blue);
    }

    void okOnTwoHousesKeepsTheChoice()
    {
        Chooser c;
        chooseSomethingElse(c);
        c.ok->click();
        QCOMPARE(c.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(entries(c.lists[0]), fifteenEntries());
        QCOMPARE(c.dialog.choice(), (FactionChoice{0, 13, ColourScheme::BattleColours, 1}));
    }

    // Tab skips what is greyed and enters the colour pair at the option that is
    // on; only the list with the keys highlights its choice; Return takes an
    // allowed choice from a list, and Escape closes as the close command does.
    void keyboard_data()
    {
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::addColumn<QString>("tabStops");
        QTest::newRow("two houses") << 4 << 2 << "westList eastList restorationCheck defaultColoursOption okButton";
        QTest::newRow("great battle") << 14 << 14 << "westList eastList battleColoursOption okButton";
        QTest::newRow("same house") << 3 << 3 << "westList eastList restorationCheck defaultColoursOption";
    }

    void keyboard()
    {
        QFETCH(int, west);
        QFETCH(int, east);
        QFETCH(QString, tabStops);
        const QStringList stops = tabStops.split(QLatin1Char(' '));

        Chooser c;
        c.pick(west, east);
        const FactionChoice picked = c.dialog.choice();
        c.dialog.show();
        c.dialog.activateWindow(); // a bare X server has no window manager to do it
        QVERIFY(QTest::qWaitForWindowActive(&c.dialog));
        for (int i = 0; i <= stops.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QCOMPARE(focus->objectName(), stops[i % stops.size()]);
            QCOMPARE(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name),
                     SpokenNames.value(focus->objectName()));
            for (const QListWidget *list : c.lists)
                QVERIFY2(highlightsItsChoice(list) == (list == focus), qPrintable(list->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), c.lists[0]);

        QTest::keyClick(c.lists[0], Qt::Key_Return);
        if (stops.contains(QStringLiteral("okButton"))) {
            QCOMPARE(c.dialog.result(), int(QDialog::Accepted));
            QVERIFY(!c.dialog.isVisible());
            QCOMPARE(c.dialog.choice().WestFaction, picked.WestFaction);
            return;
        }
        QTest::mouseClick(c.ok, Qt::LeftButton);
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(c.dialog.choice(), picked);
        QTest::keyClick(c.lists[0], Qt::Key_Escape);
        QVERIFY(!c.dialog.isVisible());
        QCOMPARE(c.dialog.result(), int(QDialog::Rejected));
        verifyStartState(c);
    }

    void closingWithoutOkDiscardsTheChoice_data()
    {
        QTest::addColumn<bool>("battleConfirmedBefore");
        QTest::newRow("after a choice of houses") << false;
        QTest::newRow("after the great battle") << true;
    }

    void closingWithoutOkDiscardsTheChoice()
    {
        QFETCH(bool, battleConfirmedBefore);

        Chooser c;
        if (battleConfirmedBefore) {
            c.pick(14, 14);
            c.ok->click();
            QCOMPARE(c.lists[0]->count(), 16);
        } else {
            chooseSomethingElse(c);
        }
        c.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        c.dialog.close();

        QVERIFY(!c.dialog.isVisible());
        QCOMPARE(c.dialog.result(), int(QDialog::Rejected));
        verifyStartState(c);
    }

    void startsAndResetsToTheStartValues()
    {
        Chooser c;
        QCOMPARE(c.dialog.windowTitle(), QStringLiteral("勢力選択"));
        verifyStartState(c);
        chooseSomethingElse(c);
        c.dialog.resetToStart();
        verifyStartState(c);

        c.pick(14, 14);
        c.ok->click();
        c.dialog.resetToStart();
        verifyStartState(c);
    }
};

QTEST_MAIN(FactionChooserTest)
#include "tst_faction_chooser.moc"
