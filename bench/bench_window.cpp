// The window's handlers on a live window (offscreen unless QT_QPA_PLATFORM
// says otherwise), driven through the widget-test harness: a fixed fake
// clock and answered boxes, so every run does the same work.
#include "bench_timing.h"

#include "support/main_window_harness.h"
#include "app/desktop_look.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
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

// One step of a window resized to `room` for the board: relayout, and the
// repaint it causes.
void resizeStep(MainWindow &window, QSize chrome, QSize room)
{
    window.resize(room + chrome);
    QCoreApplication::sendPostedEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpDesktopLook(app);
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

    // A dragged corner moves a few pixels a step and often leaves the fonts'
    // whole-pixel sizes as they were; a jump between the smallest and a large
    // scale changes every font and picture.
    window.displaySwitchButton->click(); // emblems and tags shown
    const QSize chrome = window.size() - window.centralWidget()->size();
    report("resize step, corner dragged 3 px a step", perCall(
                                                          [&](int i) {
                                                              const int d = 3 * (i % 60);
                                                              resizeStep(window, chrome, QSize(720 + d, 504 + d * 7 / 10));
                                                          },
                                                          Batches, 60));
    report("resize step, corner dragged, relayout alone", perCall(
                                                              [&](int i) {
                                                                  const int d = 3 * (i % 60);
                                                                  window.resize(QSize(720 + d, 504 + d * 7 / 10) + chrome);
                                                              },
                                                              Batches, 60));
    report("resize step, 60 % and 175 % in turn", perCall(
                                                     [&](int i) {
                                                         resizeStep(window, chrome, i % 2 ? QSize(1260, 882) : QSize(432, 303));
                                                     },
                                                     Batches, 10));
    return 0;
}
