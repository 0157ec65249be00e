#include "support/main_window_harness.h"

#include <QLabel>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

class MainWindowSmoke : public QObject {
    Q_OBJECT
private slots:
    void startsWithDefaultFactions()
    {
        MainWindowHarness h;
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Vantor　徳川家×北条家　合戦状況"));
        QCOMPARE(h.post(4).statusCaption->text(), QStringLiteral("健在"));
        QCOMPARE(h.board().userInputArmed, true);
    }
};

QTEST_MAIN(MainWindowSmoke)
#include "tst_main_window_smoke.moc"
