// Mouse input on the posts: which controls step a post, with which button, and
// how a double click is counted.
#include "support/form1_harness.h"

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
        {"Frame1", p.Frame1},   {"Text1", p.Text1},   {"Label1", p.Label1},   {"Label2", p.Label2},
        {"Label3", p.Label3},   {"Label7", p.Label7}, {"Label8", p.Label8},   {"Label9", p.Label9},
        {"Label10", p.Label10}, {"Label11", p.Label11}, {"Picture1", p.Picture1}, {"Image1", p.Image1}};
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
void clickThroughWindow(Form1 &form, QWidget *target, Qt::MouseButton button)
{
    const QPoint at = target->mapTo(&form, target->rect().center());
    QTest::mouseClick(form.windowHandle(), button, {}, at);
}

void showForm(Form1Harness &h, int displayMode)
{
    for (int m = 0; m < displayMode; ++m)
        h.form->Command3_Click();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
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

class Form1PostInput : public QObject {
    Q_OBJECT
private slots:
    void everyControlStepsItsPost_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("displayMode");
        QTest::addColumn<int>("slot");
        QTest::newRow("Frame1(12)") << "Frame1" << 0 << 12;
        QTest::newRow("Label1(4)") << "Label1" << 0 << 4;
        QTest::newRow("Label2(0)") << "Label2" << 0 << 0;
        QTest::newRow("Label3(17)") << "Label3" << 0 << 17;
        QTest::newRow("Label7(9)") << "Label7" << 1 << 9;
        QTest::newRow("Image1(8)") << "Image1" << 1 << 8;
        QTest::newRow("Label8(13)") << "Label8" << 2 << 13;
        QTest::newRow("Label9(1)") << "Label9" << 2 << 1;
        QTest::newRow("Label10(16)") << "Label10" << 2 << 16;
        QTest::newRow("Label11(7)") << "Label11" << 2 << 7;
        QTest::newRow("Picture1(5)") << "Picture1" << 0 << 5;
    }

    void everyControlStepsItsPost()
    {
        QFETCH(QString, name);
        QFETCH(int, displayMode);
        QFETCH(int, slot);
        Form1Harness h;
        showForm(h, displayMode);
        QWidget *w = control(h.post(slot), name);
        if (name == "Picture1")
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
        for (const char *name : {"Label7", "Image1", "Picture1", "Label8", "Label9", "Label10", "Label11"})
            QTest::addRow("%s in mode 0", name) << QString::fromLatin1(name) << 0;
        QTest::newRow("Label3 in mode 1") << "Label3" << 1;
        for (const char *name : {"Label1", "Label2", "Label3", "Label7", "Image1"})
            QTest::addRow("%s in mode 2", name) << QString::fromLatin1(name) << 2;
    }

    void hiddenControlsTakeNoInput()
    {
        QFETCH(QString, name);
        QFETCH(int, displayMode);
        Form1Harness h;
        showForm(h, displayMode);
        QWidget *hidden = control(h.post(4), name);
        QVERIFY(!hidden->isVisible());
        PressSpy spy;
        hidden->installEventFilter(&spy);

        clickThroughWindow(*h.form, hidden, Qt::LeftButton);

        QCOMPARE(spy.presses, 0);
        // The frame or a visible label beneath took the press: one step, not two.
        QCOMPARE(h.board().posts[4].status, OwnFighting);
    }

    void restorationPostIgnoresClicks()
    {
        Form1Harness h;
        h.choose = [](Form2 &chooser) { chooser.Check1->setChecked(true); };
        h.form->menu_seiryoku_Click();
        showForm(h, 0);
        for (int slot : {9, 10, 11}) {
            PostControls &p = h.post(slot);
            QVERIFY(!p.Frame1->isVisible());
            for (const char *name : {"Frame1", "Label1", "Label2", "Label3", "Label7", "Label8", "Label9", "Label10",
                                     "Label11", "Picture1", "Image1"}) {
                QTest::mouseClick(control(p, QString::fromLatin1(name)), Qt::LeftButton);
                doubleClick(control(p, QString::fromLatin1(name)), Qt::RightButton);
            }
            clickThroughWindow(*h.form, p.Label1, Qt::LeftButton);
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
        QTest::newRow("left on Frame1(12): the second step credits West")
            << "Frame1" << 12 << Qt::LeftButton << 0 << 2 << "1300" << "1000";
        QTest::newRow("right on Frame1(12): the second step debits East")
            << "Frame1" << 12 << Qt::RightButton << 0 << 4 << "1000" << "700";
        QTest::newRow("left on Label1(0)") << "Label1" << 0 << Qt::LeftButton << 0 << 2 << "1000" << "1400";
        QTest::newRow("left on Label1(13) from 3") << "Label1" << 13 << Qt::LeftButton << 3 << 5 << "1000" << "1300";
        QTest::newRow("right on Label2(4) from 2") << "Label2" << 4 << Qt::RightButton << 2 << 0 << "1000" << "700";
        QTest::newRow("left on Label3(0): second step without points")
            << "Label3" << 0 << Qt::LeftButton << 0 << 2 << "1000" << "1000";
        QTest::newRow("left on Label3(13) from 3") << "Label3" << 13 << Qt::LeftButton << 3 << 5 << "1000" << "1000";
        QTest::newRow("right on Label3(0): back, then forward")
            << "Label3" << 0 << Qt::RightButton << 0 << 0 << "1000" << "1000";
        QTest::newRow("right on Label3(4) from 2: points back once")
            << "Label3" << 4 << Qt::RightButton << 2 << 2 << "1000" << "700";
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
        Form1Harness h;
        showForm(h, 0);
        h.form->Check3->setChecked(true);
        h.form->Text3->setText("1000");
        h.form->Text4->setText("1000");
        h.board().posts[slot].status = PostStatus(from);

        doubleClick(control(h.post(slot), name), button);

        QCOMPARE(int(h.board().posts[slot].status), to);
        QCOMPARE(h.form->Text3->text(), west);
        QCOMPARE(h.form->Text4->text(), east);
        QCOMPARE(h.board().lastMouseButton, button);
    }

    void doubleClickRemembersTheLastPressOnAnyPost()
    {
        Form1Harness h;
        showForm(h, 0);
        QTest::mouseClick(h.post(3).Frame1, Qt::RightButton);
        doubleClick(h.post(7).Frame1, Qt::LeftButton);
        QCOMPARE(h.board().posts[3].status, OwnAwaiting);
        QCOMPARE(h.board().posts[7].status, RivalAwaiting);

        // A double-click event reaching post 7 now uses the right button pressed on post 3.
        QTest::mouseClick(h.post(3).Label2, Qt::RightButton);
        QTest::mouseDClick(h.post(7).Label1, Qt::LeftButton);
        QTest::mouseRelease(h.post(7).Label1, Qt::LeftButton);
        QCOMPARE(h.board().posts[3].status, RivalFighting);
        QCOMPARE(h.board().posts[7].status, OwnFighting);
    }

    void timeBoxPressDoesNotStep()
    {
        Form1Harness h;
        showForm(h, 0);
        QLineEdit *box = h.post(4).Text1;
        QTest::mouseClick(h.post(4).Label1, Qt::RightButton);
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
        Form1Harness h;
        showForm(h, 0);
        QLineEdit *box = h.post(4).Text1;
        QVERIFY(!box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(h.board().posts[4].status, OwnPresent);
    }

    void extraMouseButtonsAreIgnored()
    {
        Form1Harness h;
        showForm(h, 0);
        QTest::mousePress(h.post(4).Label1, Qt::LeftButton);
        QTest::mouseRelease(h.post(4).Label1, Qt::LeftButton);
        for (Qt::MouseButton extra : {Qt::BackButton, Qt::ForwardButton}) {
            QTest::mousePress(h.post(4).Label1, extra);
            QTest::mouseRelease(h.post(4).Label1, extra);
        }
        QCOMPARE(h.board().posts[4].status, OwnFighting);
        QCOMPARE(h.board().lastMouseButton, Qt::LeftButton);
    }
};

QTEST_MAIN(Form1PostInput)
#include "tst_form1_posts.moc"
