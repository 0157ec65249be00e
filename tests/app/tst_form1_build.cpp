#include "support/form1_harness.h"

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

std::function<void(Form2 &)> picking(Pick pick)
{
    return [pick](Form2 &chooser) {
        if (pick.battleColours)
            chooser.Option1[1]->click();
        chooser.List1[0]->setCurrentRow(pick.west);
        chooser.List1[1]->setCurrentRow(pick.east);
        if (pick.restoration)
            chooser.Check1->click();
    };
}

// Leaves a trace in every value the common reset puts back.
void playABit(Form1Harness &h)
{
    h.form->hyouji_change(4, false, Qt::LeftButton);
    h.form->hyouji_change(4, false, Qt::LeftButton); // West middle centre falls: awaiting, time box armed
    h.form->hyouji_change(12, false, Qt::RightButton); // East middle line steps back to own awaiting
    h.form->hyouji_change(0, false, Qt::LeftButton);  // fighting
    h.form->Command3_Click();
    h.form->Command3_Click();
    h.form->Check3->setChecked(true);
    h.form->Text3->setText(QStringLiteral("500"));
    h.form->Text4->setText(QStringLiteral("120"));
    h.form->Text2->setText(QStringLiteral("01:30"));
    h.form->Check1->setChecked(false);
    h.form->Frame4->setToolTip(QStringLiteral("規則"));
    h.clock.advanceMinutes(7);
    QCOMPARE(h.board().posts[4].status, RivalAwaiting);
    QVERIFY(!h.post(4).Text1->text().isEmpty());
    QCOMPARE(h.board().displayMode, DisplayMode::GeneralDetails);
}

void verifyPostAtStart(Form1Harness &h, int s, QColor colour)
{
    const PostControls &p = h.post(s);
    const BattleBoard &b = h.board();
    const bool west = s < 9;
    const PostGenerals &generals = b.posts[s].generalsOf(west ? Army::West : Army::East);

    QCOMPARE(p.Frame1->title(), postCaption(s));
    QCOMPARE(p.Label3->text(), QStringLiteral("健在"));
    QCOMPARE(p.Label1->text(), generals.main.name);
    QCOMPARE(p.Label8->text(), generals.main.name);
    QCOMPARE(p.Label2->text(), generals.vice.name);
    QCOMPARE(p.Label10->text(), generals.vice.name);
    QCOMPARE(p.Label9->text(), generals.main.details);
    QCOMPARE(p.Label11->text(), generals.vice.details);
    QCOMPARE(p.Label7->text(), b.macroTags[west ? 0 : 1]);
    QCOMPARE(p.Text1->text(), QString());
    QVERIFY(!p.Text1->isEnabled());
    QVERIFY(!p.Text1->font().bold());
    for (QWidget *control : p.colouredGroup())
        QCOMPARE(back(control), colour);
    for (QWidget *control : p.tooltipGroup())
        QCOMPARE(control->toolTip(), QString());
    QCOMPARE(p.Picture1->toolTip(), QString());

    for (QWidget *shown : {p.Label1, p.Label2, p.Label3})
        QVERIFY(!shown->isHidden());
    for (QWidget *hidden : {p.Label7, p.Picture1, p.Image1, p.Label8, p.Label9, p.Label10, p.Label11})
        QVERIFY(hidden->isHidden());

    QCOMPARE(b.posts[s].status, OwnPresent);
    QCOMPARE(b.posts[s].placeMinute, 0);
    QCOMPARE(b.posts[s].placeArmed, false);
    QVERIFY(!b.posts[s].savedSchedule);
}

void verifyBattleWideStart(Form1Harness &h)
{
    Form1 &f = *h.form;
    const BattleBoard &b = h.board();
    QCOMPARE(f.Text2->text(), QStringLiteral("00:00"));
    QCOMPARE(b.elapsedMinutes, 0);
    QCOMPARE(b.lastTickMinute, h.clock.time.hour() * 60 + h.clock.time.minute());
    QCOMPARE(b.elapsedValid, true);
    QCOMPARE(b.elapsedEditArmed, true);
    QCOMPARE(b.userInputArmed, true);
    QCOMPARE(b.displayMode, DisplayMode::NamesAndStatus);
    QCOMPARE(b.westRate, 0);
    QCOMPARE(b.eastRate, 0);
    QCOMPARE(f.Label12->text(), QStringLiteral("0"));
    QCOMPARE(f.Label13->text(), QStringLiteral("0"));
    QVERIFY(!f.Check3->isChecked());
    QCOMPARE(f.Text3->text(), QStringLiteral("0"));
    QCOMPARE(f.Text4->text(), QStringLiteral("0"));
    QVERIFY(!f.Text3->isEnabled());
    QVERIFY(!f.Text4->isEnabled());
    for (int c = 4; c <= 9; ++c)
        QVERIFY(!f.Command[c]->isEnabled());
    QVERIFY(f.Frame4->isHidden());
    QCOMPARE(b.scoresSettled, false);
    QCOMPARE(b.scoreChangeSuppressed, false);
    for (const QLabel *cell : f.Picture4)
        QCOMPARE(back(cell), QColor(0xE0E0E0));
    QCOMPARE(f.Frame4->toolTip(), QString());
    QCOMPARE(f.Label14->toolTip(), QString());
    QVERIFY(f.Check1->isChecked());
    QVERIFY(f.Check2->isChecked());
    QVERIFY(f.Check2->isEnabled());
}

void verifyRestorationPosts(Form1Harness &h, bool restoration)
{
    for (int s = 0; s < SlotCount; ++s) {
        const bool absent = restoration && s >= 9 && s <= 11;
        QCOMPARE(h.post(s).Frame1->isHidden(), absent);
        QCOMPARE(h.post(s).Frame1->isEnabled(), !absent);
    }
}

bool isReset(Form1Harness &h)
{
    return h.board().posts[4].status == OwnPresent && h.post(4).Text1->text().isEmpty()
           && h.board().displayMode == DisplayMode::NamesAndStatus;
}

} // namespace

class Form1Build : public QObject {
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
        for (const QString &how : {QStringLiteral("Build"), QStringLiteral("Command1"), QStringLiteral("menu_new")}) {
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

        Form1Harness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.form->Form_Load();
        if (how != QLatin1String("Build")) {
            playABit(h);
            h.asked.clear();
            if (how == QLatin1String("Command1"))
                h.form->Command1_Click();
            else
                h.form->menu_new_Click();
            QCOMPARE(h.asked.size(), how == QLatin1String("Command1") ? 0 : 1);
        }

        QCOMPARE(h.form->windowTitle(), QStringLiteral("Vantor　%1×%2　合戦状況").arg(westName, eastName));
        QCOMPARE(h.form->Label4->text(), westName + QStringLiteral("(西軍)"));
        QCOMPARE(h.form->Label5->text(), eastName + QStringLiteral("(東軍)"));
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
        Form1Harness h;
        h.choose = picking({0, 13, true, true});
        h.form->Form_Load();
        const QString title = h.form->windowTitle();
        const BattleBoard built = h.board();
        playABit(h);
        h.board().scoreAccrualMinute = 321;
        h.board().lastMouseButton = Qt::RightButton;

        h.form->Command1_Click();

        QCOMPARE(h.form->windowTitle(), title);
        QCOMPARE(h.form->Label4->text(), QStringLiteral("上杉家(西軍)"));
        QCOMPARE(h.form->Label5->text(), QStringLiteral("雑賀衆(東軍)"));
        QCOMPARE(h.form->Label6->text(), QStringLiteral("12:00"));
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
        Form1Harness h(9, 5);
        QCOMPARE(h.form->Label6->text(), QStringLiteral("09:05"));
        h.clock.set(23, 59);
        h.form->menu_seiryoku_Click();
        QCOMPARE(h.form->Label6->text(), QStringLiteral("23:59"));
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
        Form1Harness h;
        h.choose = picking({westRow, eastRow, true, true});
        h.form->Form_Load();
        QCOMPARE(h.form->chooser().choice(), FactionChoice{});
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Vantor　徳川家×北条家　合戦状況"));
        QCOMPARE(h.post(0).Label1->text(), rosterName(4, 0, 0, 0));
        QCOMPARE(back(h.post(0).Frame1), Blue);
        verifyRestorationPosts(h, false);
    }

    void menuNewAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        for (const QString &how : {QStringLiteral("handler"), QStringLiteral("menu item"),
                                  QStringLiteral("Ctrl+N in Text2"), QStringLiteral("Ctrl+N in Text1")}) {
            QTest::newRow(qPrintable(how + QStringLiteral(", OK"))) << how << true;
            QTest::newRow(qPrintable(how + QStringLiteral(", Cancel"))) << how << false;
        }
    }

    void menuNewAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        Form1Harness h;
        h.form->show();
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        h.form->hyouji_change(4, false, Qt::LeftButton);
        h.form->hyouji_change(4, false, Qt::LeftButton);
        h.post(4).Text1->setText(QStringLiteral("13:20")); // typed while awaiting
        h.answers = {ok};

        if (how == QLatin1String("handler")) {
            h.form->menu_new_Click();
        } else if (how == QLatin1String("menu item")) {
            h.form->menu_new->trigger();
        } else {
            QLineEdit *box = how.endsWith(QLatin1String("Text2")) ? h.form->Text2 : h.post(4).Text1;
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
            QCOMPARE(h.post(4).Text1->text(), QStringLiteral("13:20"));
            QCOMPARE(h.post(4).Label3->text(), QStringLiteral("主将配置待ち"));
        }
    }

    void command1ResetsWithoutAsking()
    {
        Form1Harness h;
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        playABit(h);
        h.answers = {false};
        QTest::mouseClick(h.form->Command1, Qt::LeftButton);
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
        Form1Harness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.form->Form_Load();
        playABit(h);
        const FactionChoice chosen = h.form->chooser().choice();
        const int entries = h.form->chooser().List1[0]->count();
        const QString title = h.form->windowTitle();
        const QString tooltip = h.post(4).Label1->toolTip();
        int chooserShown = 0;
        h.choose = [&chooserShown](Form2 &) { ++chooserShown; };
        h.answers = {false};
        h.asked.clear();

        h.form->menu_seiryoku->trigger();

        QCOMPARE(h.asked.size(), 1);
        QCOMPARE(h.asked[0].title, QStringLiteral("勢力選択確認"));
        QCOMPARE(h.asked[0].text, QStringLiteral("勢力選択してよろしいですか？(同時に初期化されます)"));
        QCOMPARE(h.asked[0].icon, QMessageBox::Question);
        QVERIFY(h.asked[0].withCancel);
        QCOMPARE(chooserShown, 0);
        QCOMPARE(h.form->chooser().choice(), chosen);
        QCOMPARE(h.form->chooser().List1[0]->count(), entries);
        QCOMPARE(h.form->windowTitle(), title);
        QCOMPARE(h.board().posts[4].status, RivalAwaiting);
        QCOMPARE(h.post(4).Label1->toolTip(), tooltip);
        QCOMPARE(h.board().displayMode, DisplayMode::GeneralDetails);
        QCOMPARE(h.form->Text3->text(), QStringLiteral("500"));
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
        Form1Harness h;
        h.choose = picking({westRow, eastRow, battleColours, restoration});
        h.form->Form_Load();
        playABit(h);

        FactionChoice seen{-2, -2, ColourScheme::BattleColours, -2};
        QList<int> seenEntries;
        bool checkEnabled = false;
        QList<QColor> colours;
        h.choose = [&](Form2 &chooser) {
            seen = chooser.choice();
            seenEntries = {chooser.List1[0]->count(), chooser.List1[1]->count()};
            checkEnabled = chooser.Check1->isEnabled() && chooser.Command1->isEnabled();
            colours = {back(chooser.Frame1), back(chooser.Frame2), back(chooser.Check1)};
            picking({1, 5, false, false})(chooser);
        };
        h.asked.clear();
        h.form->menu_seiryoku_Click();

        QCOMPARE(h.asked.size(), 1);
        QCOMPARE(seen, FactionChoice{});
        QCOMPARE(seenEntries, (QList<int>{15, 15}));
        QVERIFY(checkEnabled);
        QCOMPARE(colours, (QList<QColor>{Blue, Red, Red}));
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Vantor　武田家×織田家　合戦状況"));
        QCOMPARE(h.form->Label5->text(), QStringLiteral("織田家(東軍)"));
        QCOMPARE(h.board().macroTags[1], QStringLiteral("＄織田"));
        QCOMPARE(h.post(9).Label1->text(), rosterName(5, 1, 9, 0));
        QVERIFY(isReset(h));
        verifyBattleWideStart(h);
        verifyRestorationPosts(h, false);
        for (int s = 0; s < SlotCount; ++s)
            verifyPostAtStart(h, s, s < 9 ? Blue : Red);
    }

    void restorationPostsFollowTheLatestChoice()
    {
        Form1Harness h;
        h.choose = picking({2, 3, false, true});
        h.form->Form_Load();
        verifyRestorationPosts(h, true);
        h.form->Command1_Click();
        verifyRestorationPosts(h, true);
        h.form->menu_new_Click();
        verifyRestorationPosts(h, true);

        h.choose = picking({2, 3, false, false});
        h.form->menu_seiryoku_Click();
        verifyRestorationPosts(h, false);
        h.form->Command1_Click();
        verifyRestorationPosts(h, false);
    }
};

QTEST_MAIN(Form1Build)
#include "tst_form1_build.moc"
