#include "app/command_line.h"
#include "app/desktop_look.h"
#include "app/main_window.h"
#include "app/system_desktop.h"
#include "battle/battle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto exitCode = vantor::answerCommandLineEarly(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    if (const auto exitCode = vantor::answerCommandLine(QApplication::arguments()))
        return *exitCode;
    vantor::setUpDesktopLook(app);

    vantor::SystemDesktop desktop;
    vantor::Battle battle(desktop);
    vantor::MainWindow window(battle, desktop);
    desktop.setMainWindow(&window);
    window.chooseAndBuild();
    window.show();
    window.activateWindow();
    return app.exec();
}
