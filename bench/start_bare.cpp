// The yardstick for start-up: a bare Qt window with one label, Japanese text
// included so both programs pay for a Japanese font. Ends after its first
// frame is painted.
#include "start_marks.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Quits once the first frame of the window has been painted and flushed.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(vantor::bench::StartMarks &marks) : m_marks(marks) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                this, [this] {
                    m_marks.mark("window-painted");
                    QCoreApplication::exit(0); // quit() would first try to close the windows
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    vantor::bench::StartMarks &m_marks;
    bool m_seen = false;
};

} // namespace

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
    FirstFrame firstFrame(marks);
    window.installEventFilter(&firstFrame);
    window.show();
    const int result = app.exec();
    marks.print();
    return result;
}
