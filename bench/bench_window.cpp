// The window's handlers on a live window (offscreen unless QT_QPA_PLATFORM
// says otherwise), driven through the widget-test harness: a fixed fake
// clock and answered boxes, so every run does the same work.
#include "bench_timing.h"

#include "support/form1_harness.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

using namespace vantor;
using namespace vantor::bench;
using vantor::testing::Form1Harness;

namespace {

constexpr int Batches = 101;

// Left presses step every post round the ring; every fourth round is a right
// press that steps back.
void pressNext(Form1 &form, int i)
{
    form.hyouji_change(i % SlotCount, false, (i / SlotCount) % 4 == 3 ? Qt::RightButton : Qt::LeftButton);
}

void armEveryPost(Form1Harness &h)
{
    h.clock.set(12, 0);
    h.form->Command1_Click();
    h.form->Check3->setChecked(true);
    for (int s = 0; s < SlotCount; ++s) {
        h.form->hyouji_change(s, false, Qt::LeftButton);
        h.form->hyouji_change(s, false, Qt::LeftButton);
    }
    QCoreApplication::sendPostedEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1Harness h;
    Form1 &form = *h.form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    header(qPrintable(QStringLiteral("Window handlers (%1)").arg(QGuiApplication::platformName())));
    report("hyouji_change, 戦果表示 off", perCall([&](int i) { pressNext(form, i); }, Batches, 180));
    report("hyouji_change and its repaint, 戦果表示 off", perCall(
                                                             [&](int i) {
                                                                 pressNext(form, i);
                                                                 QCoreApplication::sendPostedEvents();
                                                             },
                                                             Batches, 180));
    form.Check3->setChecked(true);
    report("hyouji_change, 戦果表示 on", perCall([&](int i) { pressNext(form, i); }, Batches, 180));
    report("hyouji_change and its repaint, 戦果表示 on", perCall(
                                                            [&](int i) {
                                                                pressNext(form, i);
                                                                QCoreApplication::sendPostedEvents();
                                                            },
                                                            Batches, 180));
    report("nokori_time, 戦果表示 on", perCall([&](int) { form.nokori_time(); }, Batches, 500));

    armEveryPost(h);
    report("Timer1_Timer, 18 posts armed, same minute", perCall([&](int) { form.Timer1_Timer(); }, Batches, 100));
    report("Timer1_Timer, 18 posts armed, minute advanced", perCall(
                                                                [&](int) {
                                                                    h.clock.advanceMinutes(1);
                                                                    form.Timer1_Timer();
                                                                },
                                                                Batches, 50, [&] { armEveryPost(h); }));
    report("Command2_Click (clipboard export)", perCall([&](int) { form.Command2_Click(); }, Batches, 20));
    report("Command3_Click (display switch)", perCall([&](int) { form.Command3_Click(); }, Batches, 30));
    report("Command1_Click (初期化)", perCall([&](int) { form.Command1_Click(); }, Batches, 10));
    return 0;
}
