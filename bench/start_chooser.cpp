// What the faction chooser costs on its own: the same start as Vantor's up to
// the Japanese set-up, then the chooser alone, without the main window's
// controls built first. Ends after the chooser's first painted frame.
#include "start_marks.h"

#include "app/faction_chooser.h"
#include "app/desktop_look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    vantor::bench::StartMarks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    marks.mark("application");
    vantor::setUpDesktopLook(app);
    marks.mark("desktop-look");
    vantor::FactionChooser chooser;
    marks.mark("chooser-built");
    vantor::bench::FirstEvent firstFrame(marks, "chooser-painted", QEvent::Paint, vantor::bench::anyWindow, vantor::bench::endNow);
    chooser.installEventFilter(&firstFrame);
    chooser.show();
    const int result = app.exec();
    marks.print();
    return result;
}
