// What the faction chooser costs on its own: the same start as Vantor's up to
// the Japanese set-up, then the chooser alone, without the main window's
// controls built first. Ends after the chooser's first painted frame.
#include "start_marks.h"

#include "app/form2.h"
#include "app/japanese_ui.h"

#include <QApplication>

namespace {

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
                    m_marks.mark("chooser-painted");
                    QCoreApplication::exit(0);
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
    vantor::setUpJapaneseUi(app);
    marks.mark("japanese-ui");
    vantor::Form2 chooser;
    marks.mark("chooser-built");
    FirstFrame firstFrame(marks);
    chooser.installEventFilter(&firstFrame);
    chooser.show();
    const int result = app.exec();
    marks.print();
    return result;
}
