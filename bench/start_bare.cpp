// The yardstick for start-up: a bare Qt window with one label, Japanese text
// included so both programs pay for a Japanese font. Ends after its first
// frame is painted.
#include "start_marks.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    vantor::bench::StartMarks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    marks.mark("application");
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("勢力選択"), &window));
    vantor::bench::FirstEvent firstFrame(marks, "window-painted", QEvent::Paint, vantor::bench::anyWindow, vantor::bench::endNow);
    window.installEventFilter(&firstFrame);
    window.show();
    const int result = app.exec();
    marks.print();
    return result;
}
