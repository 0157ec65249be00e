#include "app/form1.h"
#include "app/desktop_look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vantor::setUpDesktopLook(app);

    vantor::Form1 window;
    window.Form_Load();
    window.show();
    window.activateWindow();
    return app.exec();
}
