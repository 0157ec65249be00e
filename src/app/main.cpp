#include "app/form1.h"
#include "app/japanese_ui.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vantor::setUpJapaneseUi(app);

    vantor::Form1 window;
    window.Form_Load();
    window.show();
    window.activateWindow();
    return app.exec();
}
