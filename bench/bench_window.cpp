// The window's handlers on a live window (offscreen unless QT_QPA_PLATFORM
// says otherwise), driven through the widget-test harness: a fixed fake
// clock and answered boxes, so every run does the same work.
#include "bench_timing.h"

#include "support/main_window_harness.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

using namespace vantor;
using namespace vantor::bench;
using vantor::testing::MainWindowHarness;

namespace {

constexpr int Batches = 101;

// Left presses step every post round the ring; every fourth round is a right
// press that steps back.
void pressNext(MainWindow &window, int i)
{
    window.changePost(i % SlotCount, false, (i / SlotCount) % 4 == 3 ? Qt::RightButton : Qt::LeftButton);
}

void armEveryPost(MainWindowHarness &h)
{
    h.clock.set(12, 0);
    h.window->resetBoard();
    h.window->battleResultsCheck->setChecked(true);
    for (int s = 0; s < SlotCount; ++s) {
        h.window->changePost(s, false, Qt::LeftButton);
        h.window->changePost(s, false, Qt::LeftButton);
    }
    QCoreApplication::sendPostedEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindowHarness h;
    MainWindow &window = *h.window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    header(qPrintable(QStringLiteral("Window handlers (%1)").arg(QGuiApplication::platformName())));
    report("changePost, 戦果表示 off", perCall([&](int i) { pressNext(window, i); }, Batches, 180));
    report("changePost and its repaint, 戦果表示 off", perCall(
                                                             [&](int i) {
                                                                 pressNext(window, i);
                                                                 QCoreApplication::sendPostedEvents();
                                                             },
                                                             Batches, 180));
    window.battleResultsCheck->setChecked(true);
    report("changePost, 戦果表示 on", perCall([&](int i) { pressNext(window, i); }, Batches, 180));
    report("changePost and its repaint, 戦果表示 on", perCall(
                                                            [&](int i) {
                                                                pressNext(window, i);
                                                                QCoreApplication::sendPostedEvents();
                                                            },
                                                            Batches, 180));
    report("updateForecast, 戦果表示 on", perCall([&](int) { window.updateForecast(); }, Batches, 500));

    armEveryPost(h);
    report("onClockTick, 18 posts armed, same minute", perCall([&](int) { window.onClockTick(); }, Batches, 100));
    report("onClockTick, 18 posts armed, minute advanced", perCall(
                                                                [&](int) {
                                                                    h.clock.advanceMinutes(1);
                                                                    window.onClockTick();
                                                                },
                                                                Batches, 50, [&] { armEveryPost(h); }));
    report("copyReport (clipboard export)", perCall([&](int) { window.copyReport(); }, Batches, 20));
    report("switchDisplayMode (display switch)", perCall([&](int) { window.switchDisplayMode(); }, Batches, 30));
    report("resetBoard (初期化)", perCall([&](int) { window.resetBoard(); }, Batches, 10));
    return 0;
}
