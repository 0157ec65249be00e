#include "app/main_window.h"
#include "app/command_line.h"
#include "app/desktop_look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto exitCode = vantor::answerCommandLineEarly(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    if (const auto exitCode = vantor::answerCommandLine(QApplication::arguments()))
        return *exitCode;
    vantor::setUpDesktopLook(app);

    vantor::MainWindow window;
    window.buildBoard();
    window.show();
    window.activateWindow();
    return app.exec();
}
