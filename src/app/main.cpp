#include "app/main_window.h"
#include "app/desktop_look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vantor::setUpDesktopLook(app);

    vantor::MainWindow window;
    window.buildBoard();
    window.show();
    window.activateWindow();
    return app.exec();
}
