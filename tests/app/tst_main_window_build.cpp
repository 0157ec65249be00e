#include "support/main_window_harness.h"

#include "roster/roster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

const QColor Blue(0x8080FF);
const QColor Red(0xFF8080);

QColor back(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

// What the user picks in the chooser; rows of its fifteen-entry lists.
struct Pick {
    int west = 4;
    int east = 2;
    bool battleColours = false;
    bool restoration = false;
};

std::function<void(FactionChooser &)> picking(Pick pick)
{
    return [pick](FactionChooser &chooser) {
        if (pick.battleColours)
            chooser.schemeOptions[1]->click();
        chooser.factionLists[0]->setCurrentRow(pick.west);
        chooser.factionLists[1]->setCurrentRow(pick.east);
        if (pick.restoration)
            chooser.restorationCheck->click();
    };
}

// Leaves a trace in every value the common reset puts back.
void playABit(MainWindowHarness &h)
{
    h.window->changePost(4, false, Qt::LeftButton);
    h.window->changePost(4, false, Qt::LeftButton); // West middle centre falls: awaiting, time box armed
    h.window->changePost(12, false, Qt::RightButton); // East middle line steps back to own awaiting
    h.window->changePost(0, false, Qt::LeftButton);  // fighting
    h.window->switchDisplayMode();
    h.window->switchDisplayMode();
    h.window->battleResultsCheck->setChecked(true);
    h.window->westScoreBox->setText(QStringLiteral("500"));
    h.window->eastScoreBox->setText(QStringLiteral("120"));
    h.window->elapsedBox->setText(QStringLiteral("01:30"));
    h.window->autoPlaceCheck->setChecked(false);
    h.window->forecastFrame->setToolTip(QStringLiteral("規則"));
    h.clock.advanceMinutes(7);
    QCOMPARE(h.board().posts[4].status, RivalAwaiting);
    QVERIFY(!h.post(4).timeBox->text().isEmpty());
    QCOMPARE(h.board().displayMode, DisplayMode::GeneralDetails);
}

void verifyPostAtStart(MainWindowHarness &h, int s, QColor colour)
{
    const PostControls &p = h.post(s);
    const BattleBoard &b = h.board();
    const bool west = s < 9;
    const PostGenerals &generals = b.posts[s].generalsOf(west ? Army::West : Army::East);

    QCOMPARE(p.frame->title(), postCaption(s));
    QCOMPARE(p.statusCaption->text(), QStringLiteral("健在"));
    QCOMPARE(p.mainName->text(), generals.main.name);
    QCOMPARE(p.detailsMainName->text(), generals.main.name);
    QCOMPARE(p.viceName->text(), generals.vice.name);
    QCOMPARE(p.detailsViceName->text(), generals.vice.name);
    QCOMPARE(p.mainGeneralDetails->text(), generals.main.details);
    QCOMPARE(p.viceGeneralDetails->text(), generals.vice.details);
    QCOMPARE(p.tagCaption->text(), b.macroTags[west ? 0 : 1]);
    QCOMPARE(p.timeBox->text(), QString());
    QVERIFY(!p.timeBox->isEnabled());
    QVERIFY(!p.timeBox->font().bold());
    for (QWidget *control : p.colouredGroup())
        QCOMPARE(back(control), colour);
    for (QWidget *control : p.tooltipGroup())
        QCOMPARE(control->toolTip(), QString());
    QCOMPARE(p.pictureBox->toolTip(), QString());

    for (QWidget *shown : {p.mainName, p.viceName, p.statusCaption})
        QVERIFY(!shown->isHidden());
    for (QWidget *hidden : {p.tagCaption, p.pictureBox, p.tagPicture, p.detailsMainName, p.mainGeneralDetails, p.detailsViceName, p.viceGeneralDetails})
        QVERIFY(hidden->isHidden());

    QCOMPARE(b.posts[s].status, OwnPresent);
    QCOMPARE(b.posts[s].placeMinute, 0);
    QCOMPARE(b.posts[s].placeArmed, false);
    QVERIFY(!b.posts[s].savedSchedule);
}

void verifyBattleWideStart(MainWindowHarness &h)
{
    MainWindow &f = *h.window;
    const BattleBoard &b = h.board();
    QCOMPARE(f.elapsedBox->text(), QStringLiteral("00:00"));
    QCOMPARE(b.elapsedMinutes, 0);
    QCOMPARE(b.lastTickMinute, h.clock.time.hour() * 60 + h.clock.time.minute());
    QCOMPARE(b.elapsedValid, true);
    QCOMPARE(b.elapsedEditArmed, true);
    QCOMPARE(b.userInputArmed, true);
    QCOMPARE(b.displayMode, DisplayMode::NamesAndStatus);
    QCOMPARE(b.westRate, 0);
    QCOMPARE(b.eastRate, 0);
    QCOMPARE(f.westRateCaption->text(), QStringLiteral("0"));
    QCOMPARE(f.eastRateCaption->text(), QStringLiteral("0"));
    QVERIFY(!f.battleResultsCheck->isChecked());
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("0"));
    QCOMPARE(f.eastScoreBox->text(), QStringLiteral("0"));
    QVERIFY(!f.westScoreBox->isEnabled());
    QVERIFY(!f.eastScoreBox->isEnabled());
    for (const QPushButton *button : f.scoreStepButtons)
        QVERIFY(!button->isEnabled());
    QVERIFY(f.forecastFrame->isHidden());
    QCOMPARE(b.scoresSettled, false);
    QCOMPARE(b.scoreChangeSuppressed, false);
    for (const QLabel *cell : f.balanceBar)
        QCOMPARE(back(cell), QColor(0xE0E0E0));
    QCOMPARE(f.forecastFrame->toolTip(), QString());
    QCOMPARE(f.forecastCaption->toolTip(), QString());
    QVERIFY(f.autoPlaceCheck->isChecked());
    QVERIFY(f.noticeBoxCheck->isChecked());
    QVERIFY(f.noticeBoxCheck->isEnabled());
}

void verifyRestorationPosts(MainWindowHarness &h, bool restoration)
{
    for (int s = 0; s < SlotCount; ++s) {
        const bool absent = restoration && s >= 9 && s <= 11;
        QCOMPARE(h.post(s).frame->isHidden(), absent);
        QCOMPARE(h.post(s).frame->isEnabled(), !absent);
    }
}

bool isReset(MainWindowHarness &h)
{
    return h.board().posts[4].status == OwnPresent && h.post(4).timeBox->text().isEmpty()
           && h.board().displayMode == DisplayMode::NamesAndStatus;
}

} // namespace

class MainWindowBuild : public QObject {
    Q_OBJECT
private slots:
    void startState_data()
    {
        QTest::addColumn<int>("westRow");
        QTest::addColumn<int>("eastRow");
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<bool>("restoration");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Faction>("west");
        QTest::addColumn<Faction>("east");
        QTest::addColumn<QString>("westName");
        QTest::addColumn<QString>("eastName");
        QTest::addColumn<QStringList>("statusTags");

        const QStringList defaultTags{QStringLiteral("＄買取"), QStringLiteral("＄売却"), QStringLiteral("＄勧誘"),
                                      QStringLiteral("＄党員")};
        const QStringList battleTags{QStringLiteral("＄売却"), QStringLiteral("＄買取"), QStringLiteral("＄党員"),
                                     QStringLiteral("＄勧誘")};
        const QString west = QStringLiteral("徳川家");
        const QString east = QStringLiteral("北条家");
        for (const QString &how : {QStringLiteral("Build"), QStringLiteral("resetButton"), QStringLiteral("resetAction")}) {
            const QByteArray tag = how.toUtf8();
            QTest::newRow((tag + ": start pair").constData())
                << 4 << 2 << false << false << how << 4 << 2 << west << east << defaultTags;
            QTest::newRow((tag + ": start pair, battle colours").constData())
                << 4 << 2 << true << false << how << 4 << 2 << west << east << battleTags;
            QTest::newRow((tag + ": restoration").constData())
                << 0 << 13 << false << true << how << 0 << 13 << QStringLiteral("上杉家") << QStringLiteral("雑賀衆")
                << defaultTags;
            QTest::newRow((tag + ": restoration, battle colours").constData())
                << 13 << 7 << true << true << how << 13 << 7 << QStringLiteral("雑賀衆") << QStringLiteral("本願寺")
                << battleTags;
            QTest::newRow((tag + ": great battle").constData())
                << 14 << 14 << false << true << how << 14 << 15 << QStringLiteral("西軍") << QStringLiteral("東軍")
                << battleTags;
        }
    }

    void startState()
    {
        QFETCH(int, westRow);
        QFETCH(int, eastRow);
        QFETCH(bool, battleColours);
        QFETCH(bool, restoration);
        QFETCH(QString, how);
        QFETCH(Faction, west);
        QFETCH(Faction, east);
        QFETCH(QString, westName);
        QFETCH(QString, eastName);
        QFETCH(QStringList, statusTags);

        MainWindowHarness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.window->buildBoard();
        if (how != QLatin1String("Build")) {
            playABit(h);
            h.asked.clear();
            if (how == QLatin1String("resetButton"))
                h.window->resetBoard();
            else
                h.window->resetCommand();
            QCOMPARE(h.asked.size(), how == QLatin1String("resetButton") ? 0 : 1);
        }

        QCOMPARE(h.window->windowTitle(), QStringLiteral("Vantor　%1×%2　合戦状況").arg(westName, eastName));
        QCOMPARE(h.window->westFactionCaption->text(), westName + QStringLiteral("(西軍)"));
        QCOMPARE(h.window->eastFactionCaption->text(), eastName + QStringLiteral("(東軍)"));
        const BattleBoard &b = h.board();
        QCOMPARE(b.statusWords[0], QStringLiteral("健在"));
        QCOMPARE(b.statusWords[1], QStringLiteral("主将戦闘中"));
        QCOMPARE(b.statusWords[2], QStringLiteral("主将配置待ち"));
        QCOMPARE(b.macroTags[0], factionTag(west));
        QCOMPARE(b.macroTags[1], factionTag(east));
        QCOMPARE(QStringList(b.macroTags.begin() + 2, b.macroTags.end()), statusTags);
        for (int s = 0; s < SlotCount; ++s) {
            for (const auto &[generals, faction, army] :
                 {std::tuple{&b.posts[s].west, west, 0}, std::tuple{&b.posts[s].east, east, 1}}) {
                QCOMPARE(generals->main.name, rosterName(faction, army, s, 0));
                QCOMPARE(generals->vice.name, rosterName(faction, army, s, 1));
                QCOMPARE(generals->main.details, rosterInfo(faction, army, s, 0));
                QCOMPARE(generals->vice.details, rosterInfo(faction, army, s, 1));
            }
        }

        const bool greatBattle = west == 14;
        const bool westBlue = !battleColours && !greatBattle;
        for (int s = 0; s < SlotCount; ++s)
            verifyPostAtStart(h, s, (s < 9) == westBlue ? Blue : Red);
        verifyBattleWideStart(h);
        verifyRestorationPosts(h, restoration && !greatBattle);
    }

    // Reset reads neither the chooser's lists nor the clock caption: what Build
    // wrote for the chosen factions stays.
    void resetKeepsWhatBuildChose()
    {
        MainWindowHarness h;
        h.choose = picking({0, 13, true, true});
        h.window->buildBoard();
        const QString title = h.window->windowTitle();
        const BattleBoard built = h.board();
        playABit(h);
        h.board().scoreAccrualMinute = 321;
        h.board().lastMouseButton = Qt::RightButton;

        h.window->resetBoard();

        QCOMPARE(h.window->windowTitle(), title);
        QCOMPARE(h.window->westFactionCaption->text(), QStringLiteral("上杉家(西軍)"));
        QCOMPARE(h.window->eastFactionCaption->text(), QStringLiteral("雑賀衆(東軍)"));
        QCOMPARE(h.window->clockCaption->text(), QStringLiteral("12:00"));
        for (int s = 0; s < SlotCount; ++s) {
            QCOMPARE(h.board().posts[s].west.main.name, built.posts[s].west.main.name);
            QCOMPARE(h.board().posts[s].east.vice.details, built.posts[s].east.vice.details);
        }
        QVERIFY(h.board().macroTags == built.macroTags);
        QCOMPARE(h.board().scoreAccrualMinute, 321);
        QCOMPARE(h.board().lastMouseButton, Qt::RightButton);
        verifyRestorationPosts(h, true);
    }

    void buildSetsTheClockCaption()
    {
        MainWindowHarness h(9, 5);
        QCOMPARE(h.window->clockCaption->text(), QStringLiteral("09:05"));
        h.clock.set(23, 59);
        h.window->chooseFactions();
        QCOMPARE(h.window->clockCaption->text(), QStringLiteral("23:59"));
    }

    // A chooser dismissed without OK leaves its start values to Build.
    void chooserClosedWithoutOkBuildsTheStartPair_data()
    {
        QTest::addColumn<int>("westRow");
        QTest::addColumn<int>("eastRow");
        QTest::newRow("same house") << 6 << 6;
        QTest::newRow("battle entry on the West only") << 14 << 3;
        QTest::newRow("nothing on the East") << 1 << -1;
    }

    void chooserClosedWithoutOkBuildsTheStartPair()
    {
        QFETCH(int, westRow);
        QFETCH(int, eastRow);
        MainWindowHarness h;
        h.choose = picking({westRow, eastRow, true, true});
        h.window->buildBoard();
        QCOMPARE(h.window->chooser().choice(), FactionChoice{});
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Vantor　徳川家×北条家　合戦状況"));
        QCOMPARE(h.post(0).mainName->text(), rosterName(4, 0, 0, 0));
        QCOMPARE(back(h.post(0).frame), Blue);
        verifyRestorationPosts(h, false);
    }

    void menuNewAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        for (const QString &how : {QStringLiteral("handler"), QStringLiteral("menu item"),
                                  QStringLiteral("Ctrl+N in elapsedBox"), QStringLiteral("Ctrl+N in timeBox")}) {
            QTest::newRow(qPrintable(how + QStringLiteral(", OK"))) << how << true;
            QTest::newRow(qPrintable(how + QStringLiteral(", Cancel"))) << how << false;
        }
    }

    void menuNewAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.window->changePost(4, false, Qt::LeftButton);
        h.window->changePost(4, false, Qt::LeftButton);
        h.post(4).timeBox->setText(QStringLiteral("13:20")); // typed while awaiting
        h.answers = {ok};

        if (how == QLatin1String("handler")) {
            h.window->resetCommand();
        } else if (how == QLatin1String("menu item")) {
            h.window->resetAction->trigger();
        } else {
            QLineEdit *box = how.endsWith(QLatin1String("elapsedBox")) ? h.window->elapsedBox : h.post(4).timeBox;
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier); // where the keyboard delivers it
        }

        QCOMPARE(h.asked.size(), 1);
        QCOMPARE(h.asked[0].title, QStringLiteral("初期化確認"));
        QCOMPARE(h.asked[0].text, QStringLiteral("初期化してよろしいですか？"));
        QCOMPARE(h.asked[0].icon, QMessageBox::Question);
        QVERIFY(h.asked[0].withCancel);
        if (ok) {
            QVERIFY(isReset(h));
        } else {
            QCOMPARE(h.board().posts[4].status, RivalAwaiting);
            QCOMPARE(h.post(4).timeBox->text(), QStringLiteral("13:20"));
            QCOMPARE(h.post(4).statusCaption->text(), QStringLiteral("主将配置待ち"));
        }
    }

    void command1ResetsWithoutAsking()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        playABit(h);
        h.answers = {false};
        QTest::mouseClick(h.window->resetButton, Qt::LeftButton);
        QVERIFY(h.asked.isEmpty());
        QVERIFY(isReset(h));
        verifyBattleWideStart(h);
    }

    void factionChoiceCancelledChangesNothing_data()
    {
        QTest::addColumn<int>("westRow");
        QTest::addColumn<int>("eastRow");
        QTest::addColumn<bool>("battleColours");
        QTest::addColumn<bool>("restoration");
        QTest::newRow("start pair") << 4 << 2 << false << false;
        QTest::newRow("houses, battle colours, restoration") << 0 << 13 << true << true;
        QTest::newRow("great battle") << 14 << 14 << false << false;
    }

    void factionChoiceCancelledChangesNothing()
    {
        QFETCH(int, westRow);
        QFETCH(int, eastRow);
        QFETCH(bool, battleColours);
        QFETCH(bool, restoration);
        MainWindowHarness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.window->buildBoard();
        playABit(h);
        const FactionChoice chosen = h.window->chooser().choice();
        const int entries = h.window->chooser().factionLists[0]->count();
        const QString title = h.window->windowTitle();
        const QString tooltip = h.post(4).mainName->toolTip();
        int chooserShown = 0;
        h.choose = [&chooserShown](FactionChooser &) { ++chooserShown; };
        h.answers = {false};
        h.asked.clear();

        h.window->chooseFactionsAction->trigger();

        QCOMPARE(h.asked.size(), 1);
        QCOMPARE(h.asked[0].title, QStringLiteral("勢力選択確認"));
        QCOMPARE(h.asked[0].text, QStringLiteral("勢力選択してよろしいですか？(同時に初期化されます)"));
        QCOMPARE(h.asked[0].icon, QMessageBox::Question);
        QVERIFY(h.asked[0].withCancel);
        QCOMPARE(chooserShown, 0);
        QCOMPARE(h.window->chooser().choice(), chosen);
        QCOMPARE(h.window->chooser().factionLists[0]->count(), entries);
        QCOMPARE(h.window->windowTitle(), title);
        QCOMPARE(h.board().posts[4].status, RivalAwaiting);
        QCOMPARE(h.post(4).mainName->toolTip(), tooltip);
        QCOMPARE(h.board().displayMode, DisplayMode::GeneralDetails);
        QCOMPARE(h.window->westScoreBox->text(), QStringLiteral("500"));
    }

    // Whatever was chosen before, the chooser comes up with its start values and
    // the board is rebuilt from the new choice.
    void factionChoiceConfirmedStartsTheChooserAfresh_data()
    {
        factionChoiceCancelledChangesNothing_data();
    }

    void factionChoiceConfirmedStartsTheChooserAfresh()
    {
        QFETCH(int, westRow);
        QFETCH(int, eastRow);
        QFETCH(bool, battleColours);
        QFETCH(bool, restoration);
        MainWindowHarness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.window->buildBoard();
        playABit(h);

        FactionChoice seen{-2, -2, ColourScheme::BattleColours, -2};
        QList<int> seenEntries;
        bool checkEnabled = false;
        QList<QColor> colours;
        h.choose = [&](FactionChooser &chooser) {
            seen = chooser.choice();
            seenEntries = {chooser.factionLists[0]->count(), chooser.factionLists[1]->count()};
            checkEnabled = chooser.restorationCheck->isEnabled() && chooser.okButton->isEnabled();
            colours = {back(chooser.westFrame), back(chooser.eastFrame), back(chooser.restorationCheck)};
            picking({1, 5, false, false})(chooser);
        };
        h.asked.clear();
        h.window->chooseFactions();

        QCOMPARE(h.asked.size(), 1);
        QCOMPARE(seen, FactionChoice{});
        QCOMPARE(seenEntries, (QList<int>{15, 15}));
        QVERIFY(checkEnabled);
        QCOMPARE(colours, (QList<QColor>{Blue, Red, Red}));
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Vantor　武田家×織田家　合戦状況"));
        QCOMPARE(h.window->eastFactionCaption->text(), QStringLiteral("織田家(東軍)"));
        QCOMPARE(h.board().macroTags[1], QStringLiteral("＄織田"));
        QCOMPARE(h.post(9).mainName->text(), rosterName(5, 1, 9, 0));
        QVERIFY(isReset(h));
        verifyBattleWideStart(h);
        verifyRestorationPosts(h, false);
        for (int s = 0; s < SlotCount; ++s)
            verifyPostAtStart(h, s, s < 9 ? Blue : Red);
    }

    void restorationPostsFollowTheLatestChoice()
    {
        MainWindowHarness h;
        h.choose = picking({2, 3, false, true});
        h.window->buildBoard();
        verifyRestorationPosts(h, true);
        h.window->resetBoard();
        verifyRestorationPosts(h, true);
        h.window->resetCommand();
        verifyRestorationPosts(h, true);

        h.choose = picking({2, 3, false, false});
        h.window->chooseFactions();
        verifyRestorationPosts(h, false);
        h.window->resetBoard();
        verifyRestorationPosts(h, false);
    }
};

QTEST_MAIN(MainWindowBuild)
#include "tst_main_window_build.moc"
