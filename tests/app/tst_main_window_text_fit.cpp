// Every text the board shows fits its control whole, in the program's own look:
// each house's generals on either side, in every display mode, and every caption.
// The suite runs this at 100 %, 150 % and 200 % (QT_SCALE_FACTOR).
#include "support/text_fit.h"
#include "support/window_harness.h"

#include "app/desktop_look.h"
#include "roster/chooser_rules.h"

#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

class MainWindowTextFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpDesktopLook(*qApp); }

    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<int>("westRow");
        QTest::addColumn<int>("eastRow");
        QTest::addColumn<bool>("battleColours");

        // Each house once on either side; the schemes have tags of their own.
        for (int house = 0; house < HouseCount; ++house)
            QTest::addRow("%s against %s", qPrintable(factionName(house)), qPrintable(factionName((house + 1) % HouseCount)))
                << house << (house + 1) % HouseCount << (house % 2 == 1);
        QTest::newRow("great battle") << BattleEntryIndex << BattleEntryIndex << true;
    }
    void everyTextFitsItsControl()
    {
        QFETCH(int, westRow);
        QFETCH(int, eastRow);
        QFETCH(bool, battleColours);

        WindowHarness h;
        h.choose = [&](FactionChooser &chooser) {
            if (battleColours)
                chooser.findChild<QRadioButton *>(QStringLiteral("battleColoursOption"))->click();
            chooser.findChild<QListWidget *>(QStringLiteral("westList"))->setCurrentRow(westRow);
            chooser.findChild<QListWidget *>(QStringLiteral("eastList"))->setCurrentRow(eastRow);
        };
        h.window->chooseAndBuild();
        QVERIFY(h.battle->choice().WestFaction == westRow || h.battle->choice().WestFaction == WestArmyFaction);

        const QList<CutText> cuts = cutTexts(*h.window, h.battle->board());
        QVERIFY2(cuts.isEmpty(), qPrintable(describeCuts(cuts)));
    }
};

QTEST_MAIN(MainWindowTextFit)
#include "tst_main_window_text_fit.moc"
