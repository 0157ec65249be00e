// Vantor's own start, step for step as its main(), with marks between the
// steps: the faction chooser's first painted frame, then (OK pressed on it)
// the main window's first painted frame, after which the program ends.
#include "start_marks.h"

#include "app/desktop_look.h"
#include "app/faction_chooser.h"
#include "app/main_window.h"
#include "app/system_desktop.h"
#include "battle/battle.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    vantor::bench::StartMarks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    marks.mark("application");
    using vantor::bench::FirstEvent;
    const auto isChooser = [](QWidget *w) { return qobject_cast<vantor::FactionChooser *>(w) != nullptr; };
    const auto isBoard = [](QWidget *w) { return qobject_cast<vantor::MainWindow *>(w) != nullptr; };
    vantor::MainWindow *board = nullptr;
    FirstEvent chooserShown(marks, "chooser-shown", QEvent::Show, isChooser);
    FirstEvent chooserPainted(marks, "chooser-painted", QEvent::Paint, isChooser, [&board] {
        board->chooser().findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    FirstEvent boardPainted(marks, "window-painted", QEvent::Paint, isBoard, vantor::bench::endNow);
    for (QObject *watcher : {&chooserShown, &chooserPainted, &boardPainted})
        app.installEventFilter(watcher);
    vantor::setUpDesktopLook(app);
    marks.mark("desktop-look");

    vantor::SystemDesktop desktop;
    vantor::Battle battle(desktop);
    vantor::MainWindow window(battle, desktop);
    desktop.setMainWindow(&window);
    board = &window;
    marks.mark("window-built");
    window.chooseAndBuild();
    marks.mark("board-built");
    window.show();
    const int result = app.exec();
    marks.print();
    return result;
}
