// The post hub on the real window: what a post shows in each status, its
// placement schedule with the save and restore around Present, the points of a
// fallen main general, the rates with the balance bar, the placement notice and
// the score floor.
#include "support/main_window_harness.h"

#include "app/artwork.h"
#include "roster/roster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

constexpr Faction Tokugawa = 4; // the chooser's start choice for the West
constexpr Faction Hojo = 2;     // and for the East

QColor background(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

QStringList tooltips(const PostControls &p)
{
    QStringList texts;
    for (const QWidget *w : p.tooltipGroup())
        texts << w->toolTip();
    return texts;
}

QStringList eleven(const QString &text)
{
    return QStringList(11, text);
}

void battleColours(FactionChooser &chooser)
{
    chooser.schemeOptions[1]->setChecked(true);
}

// Puts a post one step before `status` and takes the step without a button.
void stepInto(MainWindowHarness &h, int slot, int status)
{
    h.board().posts[slot].status = PostStatus((status + 5) % 6);
    h.window->changePost(slot, false, Qt::NoButton);
}

void showScores(MainWindowHarness &h, const QString &west, const QString &east)
{
    h.window->battleResultsCheck->setChecked(true);
    h.window->westScoreBox->setText(west);
    h.window->eastScoreBox->setText(east);
}

} // namespace

class MainWindowPostHub : public QObject {
    Q_OBJECT
private slots:
    void eachStatusShows_data()
    {
        QTest::addColumn<bool>("battle");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("namesArmy"); // roster army flag of the holder: 0 West, 1 East
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("icon"); // designed status icon, -1 for the holder's emblem
        QTest::addColumn<bool>("awaiting");
        const QString present = "健在", fighting = "主将戦闘中", awaiting = "主将配置待ち";
        QTest::newRow("West 4 at 0") << false << 4 << 0 << 0 << 0x8080FFu << present << "＄徳川" << -1 << false;
        QTest::newRow("West 4 at 1") << false << 4 << 1 << 0 << 0x0000FFu << fighting << "＄党員" << 3 << false;
        QTest::newRow("West 4 at 2") << false << 4 << 2 << 1 << 0xFFC0C0u << awaiting << "＄売却" << 1 << true;
        QTest::newRow("West 4 at 3") << false << 4 << 3 << 1 << 0xFF8080u << present << "＄北条" << -1 << false;
        QTest::newRow("West 4 at 4") << false << 4 << 4 << 1 << 0xFF0000u << fighting << "＄勧誘" << 2 << false;
        QTest::newRow("West 4 at 5") << false << 4 << 5 << 0 << 0xC0C0FFu << awaiting << "＄買取" << 0 << true;
        QTest::newRow("East 12 at 0") << false << 12 << 0 << 1 << 0xFF8080u << present << "＄北条" << -1 << false;
        QTest::newRow("East 12 at 1") << false << 12 << 1 << 1 << 0xFF0000u << fighting << "＄勧誘" << 2 << false;
        QTest::newRow("East 12 at 2") << false << 12 << 2 << 0 << 0xC0C0FFu << awaiting << "＄買取" << 0 << true;
        QTest::newRow("East 12 at 3") << false << 12 << 3 << 0 << 0x8080FFu << present << "＄徳川" << -1 << false;
        QTest::newRow("East 12 at 4") << false << 12 << 4 << 0 << 0x0000FFu << fighting << "＄党員" << 3 << false;
        QTest::newRow("East 12 at 5") << false << 12 << 5 << 1 << 0xFFC0C0u << awaiting << "＄売却" << 1 << true;
        // The battle colours swap the armies' colours; each tag and icon keeps its colour.
        QTest::newRow("battle West 0 at 0") << true << 0 << 0 << 0 << 0xFF8080u << present << "＄徳川" << -1 << false;
        QTest::newRow("battle West 0 at 1") << true << 0 << 1 << 0 << 0xFF0000u << fighting << "＄勧誘" << 2 << false;
        QTest::newRow("battle West 0 at 2") << true << 0 << 2 << 1 << 0xC0C0FFu << awaiting << "＄買取" << 0 << true;
        QTest::newRow("battle East 15 at 3") << true << 15 << 3 << 0 << 0xFF8080u << present << "＄徳川" << -1 << false;
        QTest::newRow("battle East 15 at 4") << true << 15 << 4 << 0 << 0xFF0000u << fighting << "＄勧誘" << 2 << false;
        QTest::newRow("battle East 15 at 5") << true << 15 << 5 << 1 << 0xC0C0FFu << awaiting << "＄買取" << 0 << true;
    }

    void eachStatusShows()
    {
        QFETCH(bool, battle);
        QFETCH(int, slot);
        QFETCH(int, status);
        QFETCH(int, namesArmy);
        QFETCH(QRgb, colour);
        QFETCH(QString, word);
        QFETCH(QString, tag);
        QFETCH(int, icon);
        QFETCH(bool, awaiting);
        MainWindowHarness h;
        if (battle) {
            h.choose = battleColours;
            h.window->chooseFactions();
        }
        stepInto(h, slot, status);
        const PostControls &p = h.post(slot);

        const Faction holder = namesArmy == 0 ? Tokugawa : Hojo;
        QCOMPARE(p.mainName->text(), rosterName(holder, namesArmy, slot, 0));
        QCOMPARE(p.detailsMainName->text(), rosterName(holder, namesArmy, slot, 0));
        QCOMPARE(p.viceName->text(), rosterName(holder, namesArmy, slot, 1));
        QCOMPARE(p.detailsViceName->text(), rosterName(holder, namesArmy, slot, 1));
        QCOMPARE(p.mainGeneralDetails->text(), rosterInfo(holder, namesArmy, slot, 0));
        QCOMPARE(p.viceGeneralDetails->text(), rosterInfo(holder, namesArmy, slot, 1));
        for (const QWidget *w : p.colouredGroup())
            QCOMPARE(background(w), QColor(colour));
        QCOMPARE(p.statusCaption->text(), word);
        QCOMPARE(p.tagCaption->text(), tag);
        const QImage picture = icon < 0 ? factionEmblem(holder) : statusIcon(icon);
        QCOMPARE(p.tagPicture->pixmap().toImage(), QPixmap::fromImage(picture).toImage());

        QCOMPARE(p.timeBox->isEnabled(), awaiting);
        QCOMPARE(p.timeBox->font().bold(), awaiting);
        QCOMPARE(p.timeBox->text(), awaiting ? QStringLiteral("13:00") : QString());
        QCOMPARE(tooltips(p), eleven(awaiting ? QStringLiteral("01:00後に配置") : QString()));
        QCOMPARE(h.board().posts[slot].placeArmed, awaiting ? 1 : 0);
        QCOMPARE(h.board().userInputArmed, true);
    }

    void rightClickOnFreshPostSchedulesAnHourAhead_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("due");
        QTest::addColumn<int>("dueMinute");
        QTest::newRow("noon") << 12 << 0 << "13:00" << 780;
        QTest::newRow("23:30") << 23 << 30 << "00:30" << 30;
        QTest::newRow("23:59") << 23 << 59 << "00:59" << 59;
        QTest::newRow("midnight") << 0 << 0 << "01:00" << 60;
        QTest::newRow("22:45") << 22 << 45 << "23:45" << 1425;
    }

    void rightClickOnFreshPostSchedulesAnHourAhead()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, due);
        QFETCH(int, dueMinute);
        MainWindowHarness h(hour, minute);
        QTest::mouseClick(h.post(3).mainName, Qt::RightButton);

        const PostControls &p = h.post(3);
        QCOMPARE(h.board().posts[3].status, OwnAwaiting);
        QCOMPARE(p.timeBox->text(), due);
        QVERIFY(p.timeBox->isEnabled());
        QVERIFY(p.timeBox->font().bold());
        QCOMPARE(h.board().posts[3].placeMinute, dueMinute);
        QCOMPARE(h.board().posts[3].placeArmed, true);
        QVERIFY(!h.board().posts[3].savedSchedule);
        QCOMPARE(tooltips(p), eleven(QStringLiteral("01:00後に配置")));
        QCOMPARE(background(p.frame), QColor(0xC0C0FF));
        QCOMPARE(p.mainName->text(), h.board().posts[3].west.main.name);
    }

    void forwardIntoPresentAndBackRestoresTheSchedule()
    {
        MainWindowHarness h(12, 0);
        const PostControls &p = h.post(4);
        QTest::mouseClick(p.frame, Qt::RightButton); // 0 -> 5, due 13:00
        h.clock.set(12, 10);
        QTest::mouseClick(p.viceName, Qt::LeftButton); // 5 -> 0 saves the schedule
        QCOMPARE(p.timeBox->text(), QString());
        QCOMPARE(h.board().posts[4].placeArmed, false);
        QVERIFY(h.board().posts[4].savedSchedule);

        h.clock.set(12, 25);
        QTest::mouseClick(p.statusCaption, Qt::RightButton); // 0 -> 5 restores it
        QCOMPARE(h.board().posts[4].status, OwnAwaiting);
        QCOMPARE(p.timeBox->text(), QStringLiteral("13:00"));
        QCOMPARE(h.board().posts[4].placeMinute, 780);
        QCOMPARE(h.board().posts[4].placeArmed, true);
        QVERIFY(p.timeBox->font().bold());
        QCOMPARE(tooltips(p), eleven(QStringLiteral("00:35後に配置")));
        QVERIFY(!h.board().posts[4].savedSchedule);

        // Consumed: further right clicks round to the other Awaiting status schedule afresh.
        for (int k = 0; k < 3; ++k)
            QTest::mouseClick(p.mainName, Qt::RightButton); // 5 -> 4 -> 3 -> 2
        QCOMPARE(h.board().posts[4].status, RivalAwaiting);
        QCOMPARE(p.timeBox->text(), QStringLiteral("13:25"));
        QCOMPARE(h.board().posts[4].placeMinute, 805);
        QCOMPARE(tooltips(p), eleven(QStringLiteral("01:00後に配置")));
    }

    void restoredTypedTimeWaitsForTheReader()
    {
        MainWindowHarness h(12, 0);
        const PostControls &p = h.post(13);
        QTest::mouseClick(p.frame, Qt::RightButton);
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(p.timeBox, Qt::Key_Backspace);
        QTest::keyClicks(p.timeBox, "14:45");
        QCOMPARE(h.board().posts[13].placeArmed, false);

        QTest::mouseClick(p.frame, Qt::LeftButton);
        h.window->placementEditWait->stop();
        QTest::mouseClick(p.frame, Qt::RightButton);

        QCOMPARE(p.timeBox->text(), QStringLiteral("14:45"));
        QCOMPARE(h.board().posts[13].placeArmed, false);
        QVERIFY(!p.timeBox->font().bold());
        QVERIFY(h.window->placementEditWait->isActive());
        QCOMPARE(tooltips(p), eleven(QString()));
    }

    void pointsOfAFallenMainGeneral_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("westBack"); // after a right click straight back
        QTest::addColumn<QString>("eastBack");
        // Both scores start at 1000.
        QTest::newRow("West rear guard 0 falls") << 0 << 1 << Qt::LeftButton << "1000" << "1400" << "1000" << "1000";
        QTest::newRow("West middle 4 falls") << 4 << 1 << Qt::LeftButton << "1000" << "1300" << "1000" << "1000";
        QTest::newRow("West vanguard 7 falls") << 7 << 1 << Qt::LeftButton << "1000" << "1200" << "1000" << "1000";
        QTest::newRow("East holder of 4 falls") << 4 << 4 << Qt::LeftButton << "1300" << "1000" << "1000" << "1000";
        QTest::newRow("East rear guard 16 falls") << 16 << 1 << Qt::LeftButton << "1400" << "1000" << "1000" << "1000";
        QTest::newRow("East vanguard 10 falls") << 10 << 1 << Qt::LeftButton << "1200" << "1000" << "1000" << "1000";
        QTest::newRow("West holder of 13 falls") << 13 << 4 << Qt::LeftButton << "1000" << "1300" << "1000" << "1000";
        QTest::newRow("middle button credits nothing, the way back still debits")
            << 4 << 1 << Qt::MiddleButton << "1000" << "1000" << "1000" << "700";
        QTest::newRow("from 2 forward into Present: no points")
            << 4 << 2 << Qt::LeftButton << "1000" << "1000" << "1000" << "1000";
    }

    void pointsOfAFallenMainGeneral()
    {
        QFETCH(int, slot);
        QFETCH(int, from);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, west);
        QFETCH(QString, east);
        QFETCH(QString, westBack);
        QFETCH(QString, eastBack);
        MainWindowHarness h;
        showScores(h, "1000", "1000");
        h.board().posts[slot].status = PostStatus(from);

        QTest::mouseClick(h.post(slot).mainName, button);
        QCOMPARE(h.window->westScoreBox->text(), west);
        QCOMPARE(h.window->eastScoreBox->text(), east);
        QTest::mouseClick(h.post(slot).mainName, Qt::RightButton);
        QCOMPARE(int(h.board().posts[slot].status), from);
        QCOMPARE(h.window->westScoreBox->text(), westBack);
        QCOMPARE(h.window->eastScoreBox->text(), eastBack);
        QCOMPARE(h.board().scoreChangeSuppressed, false);
    }

    void noPointsWithoutTheBattleResults()
    {
        MainWindowHarness h;
        h.window->eastScoreBox->setText("1000");
        h.board().posts[4].status = OwnFighting;
        QTest::mouseClick(h.post(4).mainName, Qt::LeftButton);
        QCOMPARE(h.board().posts[4].status, RivalAwaiting);
        QCOMPARE(h.window->eastScoreBox->text(), QStringLiteral("1000"));
    }

    void ratesAndBalanceBar_data()
    {
        QTest::addColumn<bool>("battle");
        QTest::addColumn<QList<int>>("taken");
        QTest::addColumn<int>("presses"); // left presses on each of those posts
        QTest::addColumn<int>("westRate");
        QTest::addColumn<int>("eastRate");
        const QList<int> allEast{9, 10, 11, 12, 13, 14, 15, 16, 17};
        QTest::newRow("West middle 4 falls") << false << QList<int>{4} << 2 << 0 << 2;
        QTest::newRow("all nine East posts taken") << false << allEast << 2 << 21 << 0;
        QTest::newRow("all nine East posts, battle colours") << true << allEast << 2 << 21 << 0;
        QTest::newRow("all East held at 3") << false << allEast << 3 << 21 << 0;
        QTest::newRow("all East and West rear guard 0") << false << allEast + QList<int>{0} << 2 << 17 << 0;
        QTest::newRow("all East and the West rear guard") << false << allEast + QList<int>{0, 1, 2} << 2 << 9 << 0;
        QTest::newRow("equal weights cancel") << false << QList<int>{4, 13} << 2 << 0 << 0;
        QTest::newRow("East vanguard against West rear guard") << false << QList<int>{0, 10} << 4 << 0 << 3;
        QTest::newRow("back in own hands at 5") << false << QList<int>{0, 15} << 5 << 0 << 0;
    }

    void ratesAndBalanceBar()
    {
        QFETCH(bool, battle);
        QFETCH(QList<int>, taken);
        QFETCH(int, presses);
        QFETCH(int, westRate);
        QFETCH(int, eastRate);
        MainWindowHarness h;
        if (battle) {
            h.choose = battleColours;
            h.window->chooseFactions();
        }
        for (int slot : taken)
            for (int k = 0; k < presses; ++k)
                QTest::mouseClick(h.post(slot).frame, Qt::LeftButton);

        QCOMPARE(h.board().westRate, westRate);
        QCOMPARE(h.board().eastRate, eastRate);
        QCOMPARE(h.window->westRateCaption->text(), QString::number(westRate));
        QCOMPARE(h.window->eastRateCaption->text(), QString::number(eastRate));
        const QColor west(battle ? 0xFF8080 : 0x8080FF);
        const QColor east(battle ? 0x8080FF : 0xFF8080);
        for (int k = 0; k < 21; ++k) {
            const QColor expected = k < westRate ? west : k >= 21 - eastRate ? east : QColor(0xE0E0E0);
            QCOMPARE(background(h.window->balanceBar[k]), expected);
        }
    }

    void placementNotice_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("text");
        const QString due = "の配置予定時刻になりました。";
        QTest::newRow("West 4 from 5: West places")
            << 4 << 5 << "徳川家中翼中備：徳川家・" + rosterName(Tokugawa, 0, 4, 0) + due;
        QTest::newRow("West 4 from 2: East places")
            << 4 << 2 << "徳川家中翼中備：北条家・" + rosterName(Hojo, 1, 4, 0) + due;
        QTest::newRow("East 12 from 5: East places")
            << 12 << 5 << "北条家右翼中備：北条家・" + rosterName(Hojo, 1, 12, 0) + due;
        QTest::newRow("East 12 from 2: West places")
            << 12 << 2 << "北条家右翼中備：徳川家・" + rosterName(Tokugawa, 0, 12, 0) + due;
    }

    void placementNotice()
    {
        QFETCH(int, slot);
        QFETCH(int, from);
        QFETCH(QString, text);
        for (const bool notify : {true, false}) {
            MainWindowHarness h;
            h.window->noticeBoxCheck->setChecked(notify);
            h.board().posts[slot].status = PostStatus(from);
            h.post(slot).timeBox->setText("13:00");
            h.window->changePost(slot, true, Qt::NoButton);

            QCOMPARE(int(h.board().posts[slot].status), (from + 1) % 6);
            QCOMPARE(h.post(slot).timeBox->text(), QString());
            QVERIFY(!h.board().posts[slot].savedSchedule);
            QCOMPARE(h.board().userInputArmed, true);
            QCOMPARE(h.asked.size(), notify ? 1 : 0);
            if (notify) {
                QCOMPARE(h.asked[0].title, QStringLiteral("武将配置のお知らせ"));
                QCOMPARE(h.asked[0].text, text);
                QCOMPARE(h.asked[0].icon, QMessageBox::Information);
                QVERIFY(!h.asked[0].withCancel);
            }
        }
    }

    void pressWhileTheNoticeIsOpenDoesNotStep()
    {
        MainWindowHarness h;
        h.whileOpen = [&h](const PromptRequest &) {
            QCOMPARE(h.board().userInputArmed, false);
            QTest::mouseClick(h.post(7).mainName, Qt::LeftButton);
        };
        h.board().posts[4].status = OwnAwaiting;
        h.window->changePost(4, true, Qt::NoButton);
        QCOMPARE(h.noticesShown(), 1);
        QCOMPARE(h.board().posts[4].status, OwnPresent);
        QCOMPARE(h.board().posts[7].status, OwnPresent);
        QCOMPARE(h.board().userInputArmed, true);
    }

    void scoreFloor_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("floored");
        QTest::newRow("negative") << "-50" << "0";
        QTest::newRow("positive fraction") << "0.5" << "0.5";
        QTest::newRow("negative fraction") << "-0.5" << "0";
        QTest::newRow("letters") << "abc" << "0";
        QTest::newRow("zero") << "0" << "0";
        QTest::newRow("zero with a point") << "0.0" << "0";
        QTest::newRow("positive") << "1350" << "1350";
    }

    void scoreFloor()
    {
        QFETCH(QString, score);
        QFETCH(QString, floored);
        MainWindowHarness h;
        h.window->westScoreBox->setText(score);
        h.window->eastScoreBox->setText(score);
        QTest::mouseClick(h.post(8).viceName, Qt::MiddleButton);
        QCOMPARE(h.window->westScoreBox->text(), floored);
        QCOMPARE(h.window->eastScoreBox->text(), floored);
    }

    void everyPostRunsTheRingBothWays()
    {
        MainWindowHarness h;
        for (int slot = 0; slot < SlotCount; ++slot) {
            for (int k = 1; k <= 6; ++k) {
                QTest::mouseClick(h.post(slot).frame, Qt::LeftButton);
                QCOMPARE(int(h.board().posts[slot].status), k % 6);
                QCOMPARE(h.board().userInputArmed, true);
            }
            for (int k = 5; k >= 0; --k) {
                QTest::mouseClick(h.post(slot).frame, Qt::RightButton);
                QCOMPARE(int(h.board().posts[slot].status), k);
            }
        }
    }
};

QTEST_MAIN(MainWindowPostHub)
#include "tst_main_window_posts_hub.moc"
