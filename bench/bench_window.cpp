// The battle's calls on a live window (offscreen unless QT_QPA_PLATFORM says
// otherwise), driven through the widget-test harness: a fixed fake clock and
// answered boxes, so every run does the same work. Each call includes the
// window's redraw of what it changed; "and its repaint" adds the painting.
#include "bench_timing.h"

#include "support/window_harness.h"
#include "app/desktop_look.h"

#include <QApplication>
#include <QPushButton>

using namespace vantor;
using namespace vantor::bench;
using vantor::testing::WindowHarness;

namespace {

constexpr int Batches = 101;

// Left presses step every post round the ring; every fourth round is a right
// press that steps back.
void pressNext(Battle &battle, int i)
{
    battle.pressPost(i % SlotCount, (i / SlotCount) % 4 == 3 ? Qt::RightButton : Qt::LeftButton);
}

void armEveryPost(WindowHarness &h)
{
    h.desktop.set(12, 0);
    h.battle->reset();
    h.battle->setBattleResults(true);
    for (int s = 0; s < SlotCount; ++s) {
        h.battle->pressPost(s, Qt::LeftButton);
        h.battle->pressPost(s, Qt::LeftButton);
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
    WindowHarness h;
    MainWindow &window = *h.window;
    Battle &battle = *h.battle;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    header(qPrintable(QStringLiteral("Battle calls with the window's redraw (%1)").arg(QGuiApplication::platformName())));
    const auto pressAndPaint = [&](int i) {
        pressNext(battle, i);
        QCoreApplication::sendPostedEvents();
    };
    report("pressPost, 戦果表示 off", perCall([&](int i) { pressNext(battle, i); }, Batches, 180));
    report("pressPost and its repaint, 戦果表示 off", perCall(pressAndPaint, Batches, 180));
    battle.setBattleResults(true);
    report("pressPost, 戦果表示 on", perCall([&](int i) { pressNext(battle, i); }, Batches, 180));
    report("pressPost and its repaint, 戦果表示 on", perCall(pressAndPaint, Batches, 180));

    armEveryPost(h);
    report("tick, 18 posts armed, same minute", perCall([&](int) { battle.tick(); }, Batches, 100));
    report("tick, 18 posts armed, minute advanced", perCall(
                                                       [&](int) {
                                                           h.desktop.advanceMinutes(1);
                                                           battle.tick();
                                                       },
                                                       Batches, 50, [&] { armEveryPost(h); }));
    report("report (clipboard export)", perCall([&](int) { h.find<QPushButton>(QStringLiteral("copyReportButton"))->click(); }, Batches, 20));
    report("switchDisplayMode (display switch)", perCall([&](int) { battle.switchDisplayMode(); }, Batches, 30));
    report("reset (初期化)", perCall([&](int) { battle.reset(); }, Batches, 10));

    // A dragged corner moves a few pixels a step and often leaves the fonts'
    // whole-pixel sizes as they were; a jump between the smallest and a large
    // scale changes every font and picture.
    battle.switchDisplayMode(); // emblems and tags shown
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
