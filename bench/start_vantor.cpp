// Vantor's own start, step for step as its main(), with marks between the
// steps: the faction chooser's first painted frame, then (OK pressed on it)
// the main window's first painted frame, after which the program ends.
#include "start_marks.h"

#include "app/form1.h"
#include "app/form2.h"
#include "app/japanese_ui.h"

#include <QApplication>
#include <QPushButton>

namespace {

// Notes the first frame of the chooser and of the main window; presses OK on
// the chooser once it has been seen, and quits once the main window has been.
class FirstFrames : public QObject {
public:
    explicit FirstFrames(vantor::bench::StartMarks &marks) : m_marks(marks) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        if (event->type() == QEvent::Show && watched == window && qobject_cast<vantor::Form2 *>(window))
            m_marks.mark("chooser-shown");
        if (event->type() != QEvent::Paint)
            return false;
        if (auto *chooser = qobject_cast<vantor::Form2 *>(window); chooser && !m_chooserSeen) {
            m_chooserSeen = true;
            QMetaObject::invokeMethod(
                this, [this, chooser] {
                    m_marks.mark("chooser-painted");
                    chooser->Command1->click();
                },
                Qt::QueuedConnection);
        } else if (qobject_cast<vantor::Form1 *>(window) && !m_mainSeen) {
            m_mainSeen = true;
            QMetaObject::invokeMethod(
                this, [this] {
                    m_marks.mark("window-painted");
                    QCoreApplication::exit(0); // quit() would first try to close the windows
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    vantor::bench::StartMarks &m_marks;
    bool m_chooserSeen = false;
    bool m_mainSeen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    vantor::bench::StartMarks marks;
    marks.mark("main");
    QApplication app(argc, argv);
    marks.mark("application");
    FirstFrames firstFrames(marks);
    app.installEventFilter(&firstFrames);
    vantor::setUpJapaneseUi(app);
    marks.mark("japanese-ui");

    vantor::Form1 window;
    marks.mark("form1-built");
    window.Form_Load();
    marks.mark("form-load-done");
    window.show();
    const int result = app.exec();
    marks.print();
    return result;
}
