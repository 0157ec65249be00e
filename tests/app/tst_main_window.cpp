// What the window adds to the battle: the player's mouse and keys reach the
// battle from the right controls, each view draws what the battle holds with
// its cue, the menus ask before they destroy, and placement notices come one at
// a time while the board goes on. The rules themselves are the battle's tests.
#include "support/window_harness.h"

#include "app/board_text_box.h"
#include "app/system_desktop.h"
#include "board/text_contrast.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

using namespace std::chrono_literals;

constexpr Battle::Waits Quick{20ms, 40ms, 20ms, 20ms};

void showWindow(WindowHarness &h)
{
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
}

// Presses on the window where the player would, so that Qt itself finds the
// control under the pointer.
QPoint onWindow(const QWidget *control, QPoint at)
{
    return control->mapTo(control->window(), at);
}

QString elapsedText(const WindowHarness &h)
{
    return h.find<BoardTextBox>(QStringLiteral("elapsedBox"))->text();
}

// The real desktop's boxes, under a clock the test sets and with the chooser
// answered at once.
class ClockedDesktop : public SystemDesktop {
public:
    QTime time{11, 0};
    QTime timeOfDay() const override { return time; }
    void runDialog(QDialog &dialog) override { dialog.accept(); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheChooserThenTheBoard()
    {
        WindowHarness h;
        QCOMPARE(h.choicesMade, 1);
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Vantor　徳川家×北条家　合戦状況"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("westFactionCaption"))->text(), QStringLiteral("徳川家(西軍)"));
        QCOMPARE(h.post(4)->title(), QStringLiteral("中翼中備"));
        QCOMPARE(h.post(4)->findChild<QLabel *>(QStringLiteral("statusCaption"))->text(), QStringLiteral("健在"));
        QCOMPARE(h.find<BoardTextBox>(QStringLiteral("westScoreBox"))->text(), QStringLiteral("0"));
    }

    void pressesOnAPostReachTheBattle_data()
    {
        QTest::addColumn<QString>("part"); // where on post 4 the pointer is
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<int>("status");

        QTest::newRow("left on the main general") << "mainName" << Qt::LeftButton << false << 1;
        QTest::newRow("right on the frame") << "" << Qt::RightButton << false << 5;
        QTest::newRow("middle on the vice general") << "viceName" << Qt::MiddleButton << false << 1;
        QTest::newRow("left double on the main general") << "mainName" << Qt::LeftButton << true << 2;
        QTest::newRow("right double on the frame") << "" << Qt::RightButton << true << 4;
        QTest::newRow("right double on the status word") << "statusCaption" << Qt::RightButton << true << 0;
        QTest::newRow("a greyed-out time box is no part of the post") << "timeBox" << Qt::LeftButton << false << 0;
    }
    void pressesOnAPostReachTheBattle()
    {
        QFETCH(QString, part);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, twice);
        QFETCH(int, status);

        WindowHarness h;
        showWindow(h);
        const QWidget *target = part.isEmpty() ? h.post(4) : h.post(4)->findChild<QWidget *>(part);
        const QPoint at = onWindow(target, part.isEmpty() ? QPoint(2, target->height() / 2) : target->rect().center());
        if (twice)
            QTest::mouseDClick(h.window->windowHandle(), button, {}, at);
        else
            QTest::mouseClick(h.window->windowHandle(), button, {}, at);
        QCOMPARE(int(h.battle->board().posts[4].status), status);
    }

    // The posts are one stop in the Tab chain; the arrows move between them by
    // their places on the board, and keys play the post with the focus.
    void theKeyboardPlaysTheBoard()
    {
        WindowHarness h(11, 0);
        showWindow(h);
        QWidget *elapsed = h.find<QWidget>(QStringLiteral("elapsedBox"));
        elapsed->setFocus();
        QTest::keyClick(elapsed, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.post(0));
        const auto keys = [&](QList<QPair<int, Qt::KeyboardModifiers>> pressed) {
            for (auto [key, modifiers] : pressed)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        };
        keys({{Qt::Key_Right, {}}, {Qt::Key_Down, {}}, {Qt::Key_Space, {}}});
        QCOMPARE(QApplication::focusWidget(), h.post(4));
        QCOMPARE(int(h.battle->board().posts[4].status), int(OwnFighting));
        keys({{Qt::Key_Space, Qt::ShiftModifier}, {Qt::Key_Backspace, {}}, {Qt::Key_Space, Qt::ControlModifier}});
        QCOMPARE(int(h.battle->board().posts[4].status), int(OwnPresent));
        keys({{Qt::Key_Return, {}}, {Qt::Key_Return, {}}, {Qt::Key_Up, {}}, {Qt::Key_Up, {}}});
        QCOMPARE(int(h.battle->board().posts[4].status), int(RivalAwaiting));
        QCOMPARE(QApplication::focusWidget(), h.post(3)); // the top edge stops it

        // Tab leaves the board and comes back to the post it left.
        keys({{Qt::Key_Tab, {}}});
        QVERIFY(QApplication::focusWidget() != h.post(3));
        keys({{Qt::Key_Backtab, {}}});
        QCOMPARE(QApplication::focusWidget(), h.post(3));

        // A digit goes into an awaiting post's time box; Enter hands the keys back.
        keys({{Qt::Key_Down, {}}, {Qt::Key_1, {}}, {Qt::Key_2, {}}, {Qt::Key_Colon, {}}, {Qt::Key_3, {}}, {Qt::Key_0, {}}});
        QCOMPARE(h.battle->board().posts[4].timeText, QStringLiteral("12:30"));
        keys({{Qt::Key_Return, {}}});
        QCOMPARE(QApplication::focusWidget(), h.post(4));
        QCOMPARE(int(h.battle->board().posts[4].status), int(RivalAwaiting));
        keys({{Qt::Key_F2, {}}, {Qt::Key_Escape, {}}, {Qt::Key_Right, {}}, {Qt::Key_F2, {}}});
        QCOMPARE(QApplication::focusWidget(), h.post(7)); // nothing awaits there: no box to edit
    }

    // The cue of a typed time is the battle's, and a resize keeps it.
    void aTypedTimeShowsItsCueAtEveryScale()
    {
        WindowHarness h(11, 0);
        showWindow(h);
        h.battle->pressPost(4, Qt::RightButton);
        auto *box = h.post(4)->findChild<BoardTextBox *>(QStringLiteral("timeBox"));
        QVERIFY(box->font().bold());
        QCOMPARE(box->toolTip(), QStringLiteral("01:00後に配置"));

        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("12:30"));
        QCOMPARE(h.battle->board().posts[4].timeText, QStringLiteral("12:30"));
        QVERIFY(!box->font().bold());
        h.battle->readTypedPlacementTimes();
        QVERIFY(box->font().bold());
        h.window->resize(h.window->size() * 1.5);
        QTRY_VERIFY(box->font().pointSizeF() > 11.25);
        QVERIFY(box->font().bold());

        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("abc"));
        h.battle->readTypedPlacementTimes();
        QCOMPARE(box->palette().color(QPalette::Text), QColor(UnreadableTextColour));
        QVERIFY(box->toolTip().contains(QStringLiteral("12:30")));
        h.window->resize(h.window->size() / 1.5);
        QTRY_VERIFY(box->font().pointSizeF() <= 11.25);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(UnreadableTextColour));
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(box->palette().color(QPalette::Text) != QColor(UnreadableTextColour));
    }

    void scoresAreEnteredAtTheirControls()
    {
        WindowHarness h;
        showWindow(h);
        auto *westStep = h.find<QPushButton>(QStringLiteral("westStep100"));
        QVERIFY(!westStep->isEnabled());
        h.find<QCheckBox>(QStringLiteral("battleResultsCheck"))->click();
        QVERIFY(westStep->isEnabled());
        QTest::mousePress(westStep, Qt::LeftButton);
        QTest::mouseRelease(westStep, Qt::LeftButton);
        QTest::mousePress(h.find<QPushButton>(QStringLiteral("eastStep10")), Qt::RightButton);
        QCOMPARE(h.battle->score(Army::West).text, QStringLiteral("100"));
        QCOMPARE(h.battle->score(Army::East).text, QStringLiteral("0"));

        auto *eastBox = h.find<BoardTextBox>(QStringLiteral("eastScoreBox"));
        eastBox->selectAll();
        QTest::keyClicks(eastBox, QStringLiteral("250"));
        QCOMPARE(h.battle->score(Army::East).text, QStringLiteral("250"));
        h.find<QMenu>(QStringLiteral("westAwardMenu"))->actions().at(4)->trigger();
        QCOMPARE(h.find<BoardTextBox>(QStringLiteral("westScoreBox"))->text(), QStringLiteral("800"));
    }

    void optionsFollowTheBattle()
    {
        WindowHarness h;
        auto *autoPlace = h.find<QCheckBox>(QStringLiteral("autoPlaceCheck"));
        auto *noticeBox = h.find<QCheckBox>(QStringLiteral("noticeBoxCheck"));
        autoPlace->click();
        QVERIFY(!noticeBox->isEnabled());
        QVERIFY(!noticeBox->isChecked());
        autoPlace->click();
        QVERIFY(noticeBox->isEnabled());
        noticeBox->click();
        QVERIFY(h.battle->options().noticeBox);
    }

    // The window's keys reach its commands even from inside a text box, whose
    // own undo and copy would take them.
    void windowKeysWinOverTheBoxes()
    {
        WindowHarness h;
        showWindow(h);
        auto *elapsed = h.find<BoardTextBox>(QStringLiteral("elapsedBox"));
        elapsed->setFocus();
        QTest::keyClick(elapsed, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.battle->displayMode(), DisplayMode::TagsAndEmblems);
        auto *copied = h.find<QLabel>(QStringLiteral("copyReportNote"));
        QVERIFY(!copied->isVisible());
        QTest::keyClick(elapsed, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), h.battle->report());
        QVERIFY(copied->isVisible()); // the player sees it was done

        h.battle->pressPost(0, Qt::LeftButton);
        h.desktop.answers = {false};
        QTest::keyClick(elapsed, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(h.desktop.asked.size(), 1);
        QCOMPARE(h.desktop.asked[0].title, QStringLiteral("初期化確認"));
        QCOMPARE(int(h.battle->board().posts[0].status), 1);
        QTest::keyClick(elapsed, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(int(h.battle->board().posts[0].status), 0);
    }

    void destructiveCommandsAskFirst()
    {
        WindowHarness h;
        showWindow(h);
        h.desktop.answers = {false, true};
        h.find<QAction>(QStringLiteral("chooseFactionsAction"))->trigger();
        QCOMPARE(h.choicesMade, 1);
        h.find<QAction>(QStringLiteral("chooseFactionsAction"))->trigger();
        QCOMPARE(h.choicesMade, 2);
        QCOMPARE(h.desktop.asked.last().title, QStringLiteral("勢力選択確認"));

        h.desktop.answers = {false};
        QVERIFY(!h.window->close());
        QCOMPARE(h.desktop.asked.last().title, QStringLiteral("終了確認"));
        QVERIFY(h.window->isVisible());
        QVERIFY(h.window->close());
    }

    void displayModesShowTheirParts_data()
    {
        QTest::addColumn<int>("switches");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("names and status") << 0 << QStringList{"mainName", "viceName", "statusCaption"};
        QTest::newRow("tags and emblems") << 1 << QStringList{"mainName", "viceName", "tagCaption", "tagPicture"};
        QTest::newRow("details") << 2 << QStringList{"detailsMainName", "mainDetails", "detailsViceName", "viceDetails"};
        QTest::newRow("round again") << 3 << QStringList{"mainName", "viceName", "statusCaption"};
    }
    void displayModesShowTheirParts()
    {
        QFETCH(int, switches);
        QFETCH(QStringList, shown);
        WindowHarness h;
        showWindow(h);
        for (int i = 0; i < switches; ++i)
            h.find<QPushButton>(QStringLiteral("displaySwitchButton"))->click();
        for (int s = 0; s < SlotCount; ++s) {
            QStringList visible;
            for (const QLabel *part : h.post(s)->findChildren<QLabel *>())
                if (part->isVisible())
                    visible.append(part->objectName());
            QCOMPARE(QSet<QString>(visible.cbegin(), visible.cend()), QSet<QString>(shown.cbegin(), shown.cend()));
        }
    }

    void aPostShowsItsArmyColourWithReadableText()
    {
        WindowHarness h;
        h.battle->pressPost(4, Qt::LeftButton); // West fighting: strong blue
        const QPalette colours = h.post(4)->palette();
        QCOMPARE(colours.color(QPalette::Window), QColor(0x0000FF));
        QCOMPARE(colours.color(QPalette::WindowText), readableTextColour(QColor(0x0000FF)));
        QCOMPARE(h.post(4)->findChild<QLabel *>(QStringLiteral("statusCaption"))->text(), QStringLiteral("主将戦闘中"));
    }

    void restorationTakesTheEastVanguardOffTheBoard()
    {
        WindowHarness h;
        h.choose = [](FactionChooser &chooser) {
            chooser.findChild<QCheckBox *>(QStringLiteral("restorationCheck"))->setChecked(true);
        };
        h.find<QAction>(QStringLiteral("chooseFactionsAction"))->trigger();
        showWindow(h);
        for (int s = 0; s < SlotCount; ++s)
            QCOMPARE(h.post(s)->isVisible(), s < 9 || s > 11);
    }

    // With the real loop: a notice waits for the player while the clock, the
    // elapsed time and further placements go on; the next notice follows.
    void noticesComeOneAtATimeWhileTheBoardGoesOn()
    {
        WindowHarness h(11, 0, Quick);
        h.battle->pressPost(4, Qt::RightButton);
        h.battle->pressPost(7, Qt::RightButton);
        h.desktop.set(12, 0);
        QTRY_COMPARE(int(h.battle->board().posts[7].status), int(OwnPresent));
        QCOMPARE(h.desktop.notices.size(), 1); // the second waits for the first
        QVERIFY(h.desktop.notices[0].text.contains(QStringLiteral("中翼中備")));
        h.desktop.advanceMinutes(3);
        QTRY_COMPARE(elapsedText(h), QStringLiteral("01:03"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("clockCaption"))->text(), QStringLiteral("12:03"));
        h.desktop.closeNotice();
        QCOMPARE(h.desktop.openNotices, 1);
        QCOMPARE(h.desktop.notices.size(), 2);
        QVERIFY(h.desktop.notices[1].text.contains(QStringLiteral("中翼先鋒")));
        h.desktop.closeNotice();
        QVERIFY(!h.battle->hasNotice());
    }

    // The desktop's own notice is modal to the window alone and has no loop of
    // its own: the ticks run while it waits.
    void theDesktopsNoticeLeavesTheClockRunning()
    {
        ClockedDesktop desktop;
        Battle battle(desktop, Quick);
        MainWindow window(battle, desktop);
        desktop.setMainWindow(&window);
        window.chooseAndBuild();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        battle.pressPost(4, Qt::RightButton);
        desktop.time = QTime(12, 0);
        QMessageBox *notice = nullptr;
        QTRY_VERIFY((notice = window.findChild<QMessageBox *>()) && notice->isVisible());
        QCOMPARE(notice->windowModality(), Qt::WindowModal);
        QCOMPARE(notice->windowTitle(), Battle::NoticeTitle);
        desktop.time = QTime(12, 3);
        QTRY_COMPARE(window.findChild<BoardTextBox *>(QStringLiteral("elapsedBox"))->text(), QStringLiteral("01:03"));
        notice->button(QMessageBox::Ok)->click();
        QVERIFY(!battle.hasNotice());
    }

    // The test machines have no sound card: a notice sound must still come back
    // to the caller, quietly falling back to the plain beep.
    void soundsReturnWithoutASoundCard()
    {
        SystemDesktop desktop;
        for (int kind : {3, 3, 7})
            desktop.playNoticeSound(kind);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
