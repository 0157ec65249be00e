#include "app/form1.h"
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

    vantor::Form1 window;
    window.Form_Load();
    window.show();
    window.activateWindow();
    return app.exec();
}
