// Mouse input on the posts: which controls step a post, with which button, and
// how a double click is counted.
#include "support/main_window_harness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

QWidget *control(PostControls &p, const QString &name)
{
    const QHash<QString, QWidget *> byName{
        {"frame", p.frame},   {"timeBox", p.timeBox},   {"mainName", p.mainName},   {"viceName", p.viceName},
        {"statusCaption", p.statusCaption},   {"tagCaption", p.tagCaption}, {"detailsMainName", p.detailsMainName},   {"mainGeneralDetails", p.mainGeneralDetails},
        {"detailsViceName", p.detailsViceName}, {"viceGeneralDetails", p.viceGeneralDetails}, {"pictureBox", p.pictureBox}, {"tagPicture", p.tagPicture}};
    return byName.value(name);
}

// What the toolkit delivers for a double click: the second press arrives as
// the double-click event itself.
void doubleClick(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button);
    QTest::mouseRelease(widget, button);
    QTest::mouseDClick(widget, button);
    QTest::mouseRelease(widget, button);
}

// A click the window routes to whatever visible control lies under the point.
void clickThroughWindow(MainWindow &window, QWidget *target, Qt::MouseButton button)
{
    const QPoint at = target->mapTo(&window, target->rect().center());
    QTest::mouseClick(window.windowHandle(), button, {}, at);
}

void showForm(MainWindowHarness &h, int displayMode)
{
    for (int m = 0; m < displayMode; ++m)
        h.window->switchDisplayMode();
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
}

int stepsOffSlot(const BattleBoard &board, int slot)
{
    int others = 0;
    for (int s = 0; s < SlotCount; ++s)
        others += s == slot ? 0 : board.posts[s].status;
    return others;
}

class PressSpy : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        return false;
    }
};

} // namespace

class MainWindowPostInput : public QObject {
    Q_OBJECT
private slots:
    void everyControlStepsItsPost_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("displayMode");
        QTest::addColumn<int>("slot");
        QTest::newRow("frame(12)") << "frame" << 0 << 12;
        QTest::newRow("mainName(4)") << "mainName" << 0 << 4;
        QTest::newRow("viceName(0)") << "viceName" << 0 << 0;
        QTest::newRow("statusCaption(17)") << "statusCaption" << 0 << 17;
        QTest::newRow("tagCaption(9)") << "tagCaption" << 1 << 9;
        QTest::newRow("tagPicture(8)") << "tagPicture" << 1 << 8;
        QTest::newRow("detailsMainName(13)") << "detailsMainName" << 2 << 13;
        QTest::newRow("mainGeneralDetails(1)") << "mainGeneralDetails" << 2 << 1;
        QTest::newRow("detailsViceName(16)") << "detailsViceName" << 2 << 16;
        QTest::newRow("viceGeneralDetails(7)") << "viceGeneralDetails" << 2 << 7;
        QTest::newRow("pictureBox(5)") << "pictureBox" << 0 << 5;
    }

    void everyControlStepsItsPost()
    {
        QFETCH(QString, name);
        QFETCH(int, displayMode);
        QFETCH(int, slot);
        MainWindowHarness h;
        showForm(h, displayMode);
        QWidget *w = control(h.post(slot), name);
        if (name == "pictureBox")
            w->show(); // no display mode shows the picture box, yet it belongs to the post's input
        QVERIFY(w->isVisible());

        const struct {
            Qt::MouseButton button;
            int status;
        } presses[] = {{Qt::LeftButton, 1}, {Qt::RightButton, 0}, {Qt::MiddleButton, 1}};
        for (const auto &press : presses) {
            QTest::mouseClick(w, press.button);
            QCOMPARE(int(h.board().posts[slot].status), press.status);
            QCOMPARE(h.board().lastMouseButton, press.button);
            QCOMPARE(h.board().userInputArmed, true);
        }
        QCOMPARE(stepsOffSlot(h.board(), slot), 0);
    }

    void hiddenControlsTakeNoInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("displayMode");
        for (const char *name : {"tagCaption", "tagPicture", "pictureBox", "detailsMainName", "mainGeneralDetails", "detailsViceName", "viceGeneralDetails"})
            QTest::addRow("%s in mode 0", name) << QString::fromLatin1(name) << 0;
        QTest::newRow("statusCaption in mode 1") << "statusCaption" << 1;
        for (const char *name : {"mainName", "viceName", "statusCaption", "tagCaption", "tagPicture"})
            QTest::addRow("%s in mode 2", name) << QString::fromLatin1(name) << 2;
    }

    void hiddenControlsTakeNoInput()
    {
        QFETCH(QString, name);
        QFETCH(int, displayMode);
        MainWindowHarness h;
        showForm(h, displayMode);
        QWidget *hidden = control(h.post(4), name);
        QVERIFY(!hidden->isVisible());
        PressSpy spy;
        hidden->installEventFilter(&spy);

        clickThroughWindow(*h.window, hidden, Qt::LeftButton);

        QCOMPARE(spy.presses, 0);
        // The frame or a visible label beneath took the press: one step, not two.
        QCOMPARE(h.board().posts[4].status, OwnFighting);
    }

    void restorationPostIgnoresClicks()
    {
        MainWindowHarness h;
        h.choose = [](FactionChooser &chooser) { chooser.restorationCheck->setChecked(true); };
        h.window->chooseFactions();
        showForm(h, 0);
        for (int slot : {9, 10, 11}) {
            PostControls &p = h.post(slot);
            QVERIFY(!p.frame->isVisible());
            for (const char *name : {"frame", "mainName", "viceName", "statusCaption", "tagCaption", "detailsMainName", "mainGeneralDetails", "detailsViceName",
                                     "viceGeneralDetails", "pictureBox", "tagPicture"}) {
                QTest::mouseClick(control(p, QString::fromLatin1(name)), Qt::LeftButton);
                doubleClick(control(p, QString::fromLatin1(name)), Qt::RightButton);
            }
            clickThroughWindow(*h.window, p.mainName, Qt::LeftButton);
        }
        QCOMPARE(stepsOffSlot(h.board(), -1), 0);
        QCOMPARE(h.board().lastMouseButton, Qt::NoButton);
    }

    void doubleClicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slot");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        // Scores start at 1000 with the battle results shown.
        QTest::newRow("left on frame(12): the second step credits West")
            << "frame" << 12 << Qt::LeftButton << 0 << 2 << "1300" << "1000";
        QTest::newRow("right on frame(12): the second step debits East")
            << "frame" << 12 << Qt::RightButton << 0 << 4 << "1000" << "700";
        QTest::newRow("left on mainName(0)") << "mainName" << 0 << Qt::LeftButton << 0 << 2 << "1000" << "1400";
        QTest::newRow("left on mainName(13) from 3") << "mainName" << 13 << Qt::LeftButton << 3 << 5 << "1000" << "1300";
        QTest::newRow("right on viceName(4) from 2") << "viceName" << 4 << Qt::RightButton << 2 << 0 << "1000" << "700";
        QTest::newRow("left on statusCaption(0): second step without points")
            << "statusCaption" << 0 << Qt::LeftButton << 0 << 2 << "1000" << "1000";
        QTest::newRow("left on statusCaption(13) from 3") << "statusCaption" << 13 << Qt::LeftButton << 3 << 5 << "1000" << "1000";
        QTest::newRow("right on statusCaption(0): back, then forward")
            << "statusCaption" << 0 << Qt::RightButton << 0 << 0 << "1000" << "1000";
        QTest::newRow("right on statusCaption(4) from 2: points back once")
            << "statusCaption" << 4 << Qt::RightButton << 2 << 2 << "1000" << "700";
    }

    void doubleClicks()
    {
        QFETCH(QString, name);
        QFETCH(int, slot);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, west);
        QFETCH(QString, east);
        MainWindowHarness h;
        showForm(h, 0);
        h.window->battleResultsCheck->setChecked(true);
        h.window->westScoreBox->setText("1000");
        h.window->eastScoreBox->setText("1000");
        h.board().posts[slot].status = PostStatus(from);

        doubleClick(control(h.post(slot), name), button);

        QCOMPARE(int(h.board().posts[slot].status), to);
        QCOMPARE(h.window->westScoreBox->text(), west);
        QCOMPARE(h.window->eastScoreBox->text(), east);
        QCOMPARE(h.board().lastMouseButton, button);
    }

    void doubleClickRemembersTheLastPressOnAnyPost()
    {
        MainWindowHarness h;
        showForm(h, 0);
        QTest::mouseClick(h.post(3).frame, Qt::RightButton);
        doubleClick(h.post(7).frame, Qt::LeftButton);
        QCOMPARE(h.board().posts[3].status, OwnAwaiting);
        QCOMPARE(h.board().posts[7].status, RivalAwaiting);

        // A double-click event reaching post 7 now uses the right button pressed on post 3.
        QTest::mouseClick(h.post(3).viceName, Qt::RightButton);
        QTest::mouseDClick(h.post(7).mainName, Qt::LeftButton);
        QTest::mouseRelease(h.post(7).mainName, Qt::LeftButton);
        QCOMPARE(h.board().posts[3].status, RivalFighting);
        QCOMPARE(h.board().posts[7].status, OwnFighting);
    }

    void timeBoxPressDoesNotStep()
    {
        MainWindowHarness h;
        showForm(h, 0);
        QLineEdit *box = h.post(4).timeBox;
        QTest::mouseClick(h.post(4).mainName, Qt::RightButton);
        QVERIFY(box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        doubleClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::MiddleButton);
        QCOMPARE(h.board().posts[4].status, OwnAwaiting);
        QCOMPARE(h.board().lastMouseButton, Qt::RightButton);
        QCOMPARE(h.board().posts[4].placeArmed, true);
        QCOMPARE(box->text(), QStringLiteral("13:00"));
    }

    void disabledTimeBoxPressDoesNotStep()
    {
        MainWindowHarness h;
        showForm(h, 0);
        QLineEdit *box = h.post(4).timeBox;
        QVERIFY(!box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(h.board().posts[4].status, OwnPresent);
    }

    void extraMouseButtonsAreIgnored()
    {
        MainWindowHarness h;
        showForm(h, 0);
        QTest::mousePress(h.post(4).mainName, Qt::LeftButton);
        QTest::mouseRelease(h.post(4).mainName, Qt::LeftButton);
        for (Qt::MouseButton extra : {Qt::BackButton, Qt::ForwardButton}) {
            QTest::mousePress(h.post(4).mainName, extra);
            QTest::mouseRelease(h.post(4).mainName, extra);
        }
        QCOMPARE(h.board().posts[4].status, OwnFighting);
        QCOMPARE(h.board().lastMouseButton, Qt::LeftButton);
    }
};

QTEST_MAIN(MainWindowPostInput)
#include "tst_main_window_posts.moc"
