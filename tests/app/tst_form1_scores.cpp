#include "support/form1_harness.h"

#include "clock/end_forecast.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace vantor;
using namespace vantor::testing;

using BoardAction = std::function<void(Form1Harness &)>;
Q_DECLARE_METATYPE(BoardAction)
Q_DECLARE_METATYPE(vantor::Winner)
Q_DECLARE_METATYPE(vantor::ColourScheme)

namespace {

const QString Waiting = QStringLiteral("--:--");
const QString WaitMessage = QStringLiteral("しばらくおまちください(0)");

constexpr int Noon = 12 * 60;

// Two left clicks step a post from its own general present to taken by the other
// army; with results off they credit no points.
void takePosts(Form1Harness &h, const QList<int> &taken)
{
    for (int s : taken) {
        h.form->hyouji_change(s, false, Qt::LeftButton);
        h.form->hyouji_change(s, false, Qt::LeftButton);
    }
}

void switchResults(Form1Harness &h)
{
    h.form->Check3->click();
}

// A score put in the box in one edit, as a paste would.
void pasteScore(QLineEdit *box, const QString &text)
{
    box->setText(text);
}

void typeScore(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

// A program write the change reaction ignores and no evaluation has seen yet.
void writeQuietly(Form1Harness &h, QLineEdit *box, const QString &text)
{
    h.board().scoreChangeSuppressed = true;
    box->setText(text);
    h.board().scoreChangeSuppressed = false;
}

void settle(Form1Harness &h)
{
    h.form->Timer4_Timer();
}

void tickAt(Form1Harness &h, int minuteOfDay)
{
    h.clock.setMinutes(minuteOfDay);
    h.form->Timer1_Timer();
}

void enterElapsed(Form1Harness &h, const QString &text)
{
    h.form->Text2->setText(text);
    h.form->Timer3_Timer();
}

QAction *awardItem(QMenu *menu, int item)
{
    return menu->actions().at(item);
}

void press(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button);
    QTest::mouseRelease(widget, button);
}

// Results on with both scores entered and settled, so the forecast is showing.
void settledScores(Form1Harness &h, const QString &west, const QString &east)
{
    if (!h.form->Check3->isChecked())
        switchResults(h);
    pasteScore(h.form->Text3, west);
    pasteScore(h.form->Text4, east);
    settle(h);
}

QColor background(QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor campColour(Winner winner, ColourScheme scheme)
{
    if (winner == Winner::None)
        return QColor(0xE0E0E0);
    const bool blue = (winner == Winner::West) == (scheme == ColourScheme::DefaultColours);
    return blue ? QColor(0x8080FF) : QColor(0xFF8080);
}

bool forecastWaiting(Form1Harness &h)
{
    const Form1 &f = *h.form;
    return f.Label14->text() == Waiting && f.Label14->toolTip() == WaitMessage
           && f.Frame4->toolTip() == WaitMessage && background(f.Label14) == QColor(0xE0E0E0)
           && background(f.Frame4) == QColor(0xE0E0E0);
}

} // namespace

class Form1Scores : public QObject {
    Q_OBJECT
private slots:
    void switchingOnOpensEntryAndForecast();
    void switchingOff_data();
    void switchingOff();
    void gainsPauseWhileOff();
    void stepButtons_data();
    void stepButtons();
    void quickPressesEachCount();
    void awards_data();
    void awards();
    void awardAfterTypingKeepsWaiting();
    void typedScoresSettle_data();
    void typedScoresSettle();
    void settleClamp_data();
    void settleClamp();
    void accrual_data();
    void accrual();
    void unsettledScoresCatchUp();
    void forecast_data();
    void forecast();
    void waitingForecast_data();
    void waitingForecast();
    void nestedClamp_data();
    void nestedClamp();
    void accrualPastTheBound();
};

void Form1Scores::switchingOnOpensEntryAndForecast()
{
    Form1Harness h(13, 25);
    Form1 &f = *h.form;
    QVERIFY(!f.Text3->isEnabled());
    QVERIFY(f.Frame4->isHidden());

    h.clock.set(14, 10);
    switchResults(h);
    QVERIFY(f.Text3->isEnabled());
    QVERIFY(f.Text4->isEnabled());
    for (int c = 4; c <= 9; ++c)
        QVERIFY2(f.Command[c]->isEnabled(), qPrintable(QString::number(c)));
    QVERIFY(f.Frame4->isVisibleTo(&f));
    QCOMPARE(h.board().scoresSettled, true);
    QCOMPARE(h.board().scoreAccrualMinute, 14 * 60 + 10);
    QCOMPARE(f.Label14->text(), QStringLiteral("14:10"));
    QCOMPARE(f.Label14->toolTip(), QStringLiteral("24:00後に終了(28)"));
}

void Form1Scores::switchingOff_data()
{
    QTest::addColumn<BoardAction>("afterwards");
    QTest::newRow("nothing more") << BoardAction([](Form1Harness &) {});
    QTest::newRow("five minutes of ticks") << BoardAction([](Form1Harness &h) {
        for (int m = 1; m <= 5; ++m)
            tickAt(h, Noon + m);
    });
    QTest::newRow("every award") << BoardAction([](Form1Harness &h) {
        for (QMenu *menu : {h.form->menu_seigun, h.form->menu_togun})
            for (QAction *a : menu->actions())
                a->trigger();
    });
    QTest::newRow("every step button") << BoardAction([](Form1Harness &h) {
        for (int c = 4; c <= 9; ++c) {
            press(h.form->Command[c], Qt::LeftButton);
            press(h.form->Command[c], Qt::RightButton);
        }
    });
    QTest::newRow("an evaluation") << BoardAction([](Form1Harness &h) { h.form->nokori_time(); });
    QTest::newRow("the settle timer") << BoardAction([](Form1Harness &h) { settle(h); });
    QTest::newRow("a post falls") << BoardAction([](Form1Harness &h) { takePosts(h, {17}); });
}

void Form1Scores::switchingOff()
{
    QFETCH(BoardAction, afterwards);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("1500"), QStringLiteral("700"));
    const QString caption = f.Label14->text();
    const QString tip = f.Label14->toolTip();
    const QColor colour = background(f.Label14);
    QVERIFY(caption != Waiting);

    switchResults(h);
    afterwards(h);

    QVERIFY(!f.Text3->isEnabled());
    QVERIFY(!f.Text4->isEnabled());
    for (int c = 4; c <= 9; ++c)
        QVERIFY(!f.Command[c]->isEnabled());
    QVERIFY(f.Frame4->isHidden());
    QCOMPARE(h.board().scoresSettled, false);
    QCOMPARE(f.Text3->text(), QStringLiteral("1500"));
    QCOMPARE(f.Text4->text(), QStringLiteral("700"));
    QCOMPARE(f.Label14->text(), caption);
    QCOMPARE(f.Label14->toolTip(), tip);
    QCOMPARE(f.Frame4->toolTip(), tip);
    QCOMPARE(background(f.Label14), colour);
}

void Form1Scores::gainsPauseWhileOff()
{
    Form1Harness h(12, 0);
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("1000"), QStringLiteral("0"));
    h.clock.set(12, 10);
    switchResults(h);
    tickAt(h, Noon + 20);
    h.clock.set(12, 30);
    switchResults(h);
    QCOMPARE(h.board().scoreAccrualMinute, Noon + 30);
    tickAt(h, Noon + 31);
    QCOMPARE(h.form->Text3->text(), QStringLiteral("1003"));
}

void Form1Scores::stepButtons_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("West 100 left") << 6 << Qt::LeftButton << "50" << "150";
    QTest::newRow("West 100 right stops at 0") << 6 << Qt::RightButton << "50" << "0";
    QTest::newRow("West 10 right") << 5 << Qt::RightButton << "50" << "40";
    QTest::newRow("West 1 left from 0") << 4 << Qt::LeftButton << "0" << "1";
    QTest::newRow("West 1 right on a fraction") << 4 << Qt::RightButton << "0.5" << "0";
    QTest::newRow("West 10 left reads the leading number") << 5 << Qt::LeftButton << "30pts" << "40";
    QTest::newRow("East 100 right down to 0") << 9 << Qt::RightButton << "100" << "0";
    QTest::newRow("East 10 left keeps a fraction") << 8 << Qt::LeftButton << "12.5" << "22.5";
    QTest::newRow("East 1 right on 0 is no edit") << 7 << Qt::RightButton << "0" << "0";
    QTest::newRow("middle button is no edit") << 9 << Qt::MiddleButton << "50" << "50";
    QTest::newRow("East 100 left past the bound") << 9 << Qt::LeftButton << "99950" << "0";
}

void Form1Scores::stepButtons()
{
    QFETCH(int, command);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    QLineEdit *box = command <= 6 ? f.Text3 : f.Text4;
    QLineEdit *other = command <= 6 ? f.Text4 : f.Text3;
    settledScores(h, QStringLiteral("7"), QStringLiteral("7"));
    pasteScore(box, before);
    settle(h);
    QCOMPARE(box->text(), before);

    press(f.Command[command], button);

    QCOMPARE(box->text(), after);
    QCOMPARE(other->text(), QStringLiteral("7"));
    const bool edited = after != before;
    QCOMPARE(h.board().scoresSettled, edited ? 0 : 1);
    QCOMPARE(f.Timer4->isActive(), edited);
    QCOMPARE(forecastWaiting(h), edited);
}

void Form1Scores::quickPressesEachCount()
{
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    switchResults(h);
    // The second press of a double click arrives as a double click of its own.
    press(f.Command[6], Qt::LeftButton);
    QTest::mouseDClick(f.Command[6], Qt::LeftButton);
    QTest::mouseRelease(f.Command[6], Qt::LeftButton);
    QCOMPARE(f.Text3->text(), QStringLiteral("200"));
}

void Form1Scores::awards_data()
{
    QTest::addColumn<bool>("west");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("West 150") << true << 0 << "中備副将討ち取り(戦果150)" << "0" << "150";
    QTest::newRow("West 200") << true << 1 << "後詰副将討ち取り(戦果200)" << "1000" << "1200";
    QTest::newRow("West 500") << true << 2 << "小荷駄武討ち取り(戦果500)" << "12.5" << "512.5";
    QTest::newRow("West 600") << true << 3 << "四天王討ち取り(戦果600)" << "30pts" << "630";
    QTest::newRow("West 700") << true << 4 << "軍師討ち取り(戦果700)" << "99" << "799";
    QTest::newRow("East 150") << false << 0 << "中備副将討ち取り(戦果150)" << "300" << "450";
    QTest::newRow("East 200") << false << 1 << "後詰副将討ち取り(戦果200)" << "0" << "200";
    QTest::newRow("East 500") << false << 2 << "小荷駄武将討ち取り(戦果500)" << "2500" << "3000";
    QTest::newRow("East 600") << false << 3 << "四天王討ち取り(戦果600)" << "1" << "601";
    QTest::newRow("East 700") << false << 4 << "軍師討ち取り(戦果700)" << "1300" << "2000";
}

void Form1Scores::awards()
{
    QFETCH(bool, west);
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    QLineEdit *box = west ? f.Text3 : f.Text4;
    QLineEdit *other = west ? f.Text4 : f.Text3;
    settledScores(h, QStringLiteral("7"), QStringLiteral("7"));
    pasteScore(box, before);
    settle(h);

    QAction *award = awardItem(west ? f.menu_seigun : f.menu_togun, item);
    QCOMPARE(award->text(), caption);
    award->trigger();

    QCOMPARE(box->text(), after);
    QCOMPARE(other->text(), QStringLiteral("7"));
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(h.board().scoresSettled, true);
    QVERIFY(!f.Timer4->isActive());
    QVERIFY(!forecastWaiting(h));
}

void Form1Scores::awardAfterTypingKeepsWaiting()
{
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    switchResults(h);
    typeScore(f.Text3, QStringLiteral("1000"));
    QCOMPARE(f.Text3->text(), QStringLiteral("1000"));

    awardItem(f.menu_seigun, 3)->trigger();
    awardItem(f.menu_togun, 0)->trigger();
    QCOMPARE(f.Text3->text(), QStringLiteral("1600"));
    QCOMPARE(f.Text4->text(), QStringLiteral("150"));
    QCOMPARE(h.board().scoresSettled, false);
    QVERIFY(forecastWaiting(h));

    settle(h);
    QCOMPARE(f.Label14->text(), QStringLiteral("12:00"));
    QCOMPARE(f.Label14->toolTip(), QStringLiteral("24:00後に終了(24)"));
    QCOMPARE(background(f.Frame4), QColor(0x8080FF));
}

void Form1Scores::typedScoresSettle_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("tip");

    // The evaluation inside each keystroke's change reaction clamps at once.
    QTest::newRow("at the bound") << "100000" << "0" << "24:00後に終了(28)";
    QTest::newRow("just below the bound") << "99999" << "99999" << "06:00後に終了(20)";
    QTest::newRow("not a number") << "abc" << "0" << "24:00後に終了(28)";
}

void Form1Scores::typedScoresSettle()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, tip);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    switchResults(h);

    typeScore(f.Text3, typed);
    QCOMPARE(f.Text3->text(), shown);
    QVERIFY(forecastWaiting(h));
    QVERIFY(f.Timer4->isActive());

    settle(h);
    QCOMPARE(f.Text3->text(), shown);
    QCOMPARE(h.board().scoresSettled, true);
    QCOMPARE(f.Label14->toolTip(), tip);
}

void Form1Scores::settleClamp_data()
{
    QTest::addColumn<bool>("west");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<bool>("waitsAgain");

    QTest::newRow("West at the bound") << true << "100000" << "0" << true;
    QTest::newRow("West just below the bound") << true << "99999" << "99999" << false;
    QTest::newRow("West a hair below the bound") << true << "99999.9" << "99999.9" << false;
    QTest::newRow("West not a number") << true << "abc" << "0" << true;
    QTest::newRow("West negative") << true << "-1" << "0" << true;
    QTest::newRow("East far above the bound") << false << "250000" << "0" << true;
    QTest::newRow("East zero") << false << "0" << "0" << false;
    QTest::newRow("East empty") << false << "" << "0" << true;
}

void Form1Scores::settleClamp()
{
    QFETCH(bool, west);
    QFETCH(QString, text);
    QFETCH(QString, settled);
    QFETCH(bool, waitsAgain);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    QLineEdit *box = west ? f.Text3 : f.Text4;
    switchResults(h);
    pasteScore(f.Text3, QStringLiteral("5"));
    writeQuietly(h, box, text);

    settle(h);
    QCOMPARE(box->text(), settled);
    QCOMPARE(h.board().scoresSettled, waitsAgain ? 0 : 1);
    QCOMPARE(f.Timer4->isActive(), waitsAgain);
    QCOMPARE(forecastWaiting(h), waitsAgain);

    settle(h);
    QCOMPARE(box->text(), settled);
    QCOMPARE(h.board().scoresSettled, true);
    QVERIFY(!forecastWaiting(h));
}

void Form1Scores::accrual_data()
{
    QTest::addColumn<QList<int>>("taken");
    QTest::addColumn<int>("onAt");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("east");

    const QList<int> westGainsThree{9, 12};
    const QList<int> eastGainsTwo{3};
    QTest::newRow("West 3 a minute for five") << westGainsThree << Noon << QList<int>{Noon + 5} << "1015" << "2000";
    QTest::newRow("East 2 a minute for five") << eastGainsTwo << Noon << QList<int>{Noon + 5} << "1000" << "2010";
    QTest::newRow("two ticks add up") << westGainsThree << Noon << QList<int>{Noon + 2, Noon + 5} << "1015"
                                      << "2000";
    QTest::newRow("same minute") << westGainsThree << Noon << QList<int>{Noon, Noon} << "1000" << "2000";
    QTest::newRow("across midnight") << westGainsThree << 23 * 60 + 58 << QList<int>{1} << "1009" << "2000";
    QTest::newRow("clock set back a minute") << westGainsThree << Noon << QList<int>{Noon - 1} << "1000"
                                             << "2000";
    QTest::newRow("set back, then on again") << westGainsThree << Noon << QList<int>{Noon - 1, Noon} << "1003"
                                             << "2000";
    QTest::newRow("nothing taken") << QList<int>{} << Noon << QList<int>{Noon + 60} << "1000" << "2000";
}

void Form1Scores::accrual()
{
    QFETCH(QList<int>, taken);
    QFETCH(int, onAt);
    QFETCH(QList<int>, ticks);
    QFETCH(QString, west);
    QFETCH(QString, east);
    Form1Harness h(onAt / 60, onAt % 60);
    takePosts(h, taken);
    settledScores(h, QStringLiteral("1000"), QStringLiteral("2000"));
    QCOMPARE(h.board().scoreAccrualMinute, onAt);

    for (int minute : ticks)
        tickAt(h, minute);

    QCOMPARE(h.form->Text3->text(), west);
    QCOMPARE(h.form->Text4->text(), east);
    QCOMPARE(h.board().scoreAccrualMinute, ticks.last());
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(h.board().scoresSettled, true);
}

void Form1Scores::unsettledScoresCatchUp()
{
    Form1Harness h(12, 0);
    takePosts(h, {9, 12});
    switchResults(h);
    pasteScore(h.form->Text3, QStringLiteral("1000"));
    tickAt(h, Noon + 5);
    QCOMPARE(h.form->Text3->text(), QStringLiteral("1000"));

    settle(h);
    tickAt(h, Noon + 6);
    QCOMPARE(h.form->Text3->text(), QStringLiteral("1018"));
}

void Form1Scores::forecast_data()
{
    QTest::addColumn<ColourScheme>("scheme");
    QTest::addColumn<int>("clock");
    QTest::addColumn<QList<int>>("taken");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("east");
    QTest::addColumn<QString>("elapsed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<Winner>("winner");

    struct Row {
        const char *name;
        int clock;
        QList<int> taken;
        const char *west, *east, *elapsed, *caption, *tip;
        Winner winner;
    };
    const QList<int> westGainsTen{17, 16, 12};
    const Row rows[] = {
        {"nothing scored", Noon, {}, "0", "0", "00:00", "12:00", "24:00後に終了(28)", Winner::None},
        {"nothing scored at midnight", 0, {}, "0", "0", "00:00", "24:00", "24:00後に終了(28)", Winner::None},
        {"crushing West lead", Noon, {}, "30000", "10000", "06:00", "終了", "終了条件成立しています(1)", Winner::West},
        {"crushing East lead", Noon, {}, "10000", "30000", "06:00", "終了", "終了条件成立しています(2)", Winner::East},
        {"West lead before six hours", Noon, {}, "30000", "10000", "05:00", "13:00", "01:00後に終了(20)",
         Winner::West},
        {"West gaining 10", Noon, westGainsTen, "5000", "1000", "01:40", "20:20", "08:20後に終了(4)", Winner::West},
        {"East gaining 2", Noon, {3}, "1000", "9000", "00:00", "20:20", "08:20後に終了(12)", Winner::East},
        {"time limit, West gaining", Noon, {9}, "2000", "1000", "24:00", "終了", "終了条件成立しています(8)",
         Winner::West},
        {"time limit, no decision", Noon, {}, "1500", "1000", "24:00", "終了", "終了条件成立しています(27)",
         Winner::None},
    };
    for (ColourScheme scheme : {ColourScheme::DefaultColours, ColourScheme::BattleColours}) {
        const char *schemeName = scheme == ColourScheme::DefaultColours ? "default" : "battle";
        for (const Row &r : rows)
            QTest::addRow("%s, %s colours", r.name, schemeName)
                << scheme << r.clock << r.taken << QString::fromUtf8(r.west) << QString::fromUtf8(r.east)
                << QString::fromUtf8(r.elapsed) << QString::fromUtf8(r.caption) << QString::fromUtf8(r.tip)
                << r.winner;
    }
}

void Form1Scores::forecast()
{
    QFETCH(ColourScheme, scheme);
    QFETCH(int, clock);
    QFETCH(QList<int>, taken);
    QFETCH(QString, west);
    QFETCH(QString, east);
    QFETCH(QString, elapsed);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(Winner, winner);
    Form1Harness h(clock / 60, clock % 60);
    Form1 &f = *h.form;
    if (scheme == ColourScheme::BattleColours) {
        h.choose = [](Form2 &chooser) { chooser.Option1[1]->click(); };
        f.menu_seiryoku->trigger();
    }
    takePosts(h, taken);
    switchResults(h);
    enterElapsed(h, elapsed);
    settledScores(h, west, east);

    QCOMPARE(f.Label14->text(), caption);
    QCOMPARE(f.Label14->toolTip(), tip);
    QCOMPARE(f.Frame4->toolTip(), tip);
    QCOMPARE(background(f.Label14), campColour(winner, scheme));
    QCOMPARE(background(f.Frame4), campColour(winner, scheme));
}

void Form1Scores::waitingForecast_data()
{
    QTest::addColumn<BoardAction>("interrupt");
    QTest::newRow("a score being typed")
        << BoardAction([](Form1Harness &h) { typeScore(h.form->Text4, QStringLiteral("10001")); });
    QTest::newRow("an award after a typed score") << BoardAction([](Form1Harness &h) {
        typeScore(h.form->Text3, QStringLiteral("31000"));
        awardItem(h.form->menu_seigun, 4)->trigger();
    });
    QTest::newRow("the elapsed time being typed")
        << BoardAction([](Form1Harness &h) { h.form->Text2->setText(QStringLiteral("07:00")); });
    QTest::newRow("an unreadable elapsed time") << BoardAction([](Form1Harness &h) {
        enterElapsed(h, QStringLiteral("abc"));
        tickAt(h, Noon + 1);
    });
}

void Form1Scores::waitingForecast()
{
    QFETCH(BoardAction, interrupt);
    Form1Harness h(12, 0);
    switchResults(h);
    enterElapsed(h, QStringLiteral("06:00"));
    settledScores(h, QStringLiteral("30000"), QStringLiteral("10000"));
    QCOMPARE(h.form->Label14->text(), QStringLiteral("終了"));

    interrupt(h);
    QVERIFY(forecastWaiting(h));
}

void Form1Scores::nestedClamp_data()
{
    QTest::addColumn<BoardAction>("disturb");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("east");
    QTest::addColumn<bool>("waits");
    QTest::addColumn<QString>("tip");

    QTest::newRow("West at the bound") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text3, QStringLiteral("100000"));
        h.form->nokori_time();
    }) << "0" << "600" << true << "24:00後に終了(28)";
    QTest::newRow("East below zero") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text4, QStringLiteral("-300"));
        h.form->nokori_time();
    }) << "1500" << "0" << true << "24:00後に終了(24)";
    QTest::newRow("both out of range") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text3, QStringLiteral("abc"));
        writeQuietly(h, h.form->Text4, QStringLiteral("150000"));
        h.form->nokori_time();
    }) << "0" << "0" << true << "24:00後に終了(28)";
    QTest::newRow("an award past the bound") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text3, QStringLiteral("99500"));
        awardItem(h.form->menu_seigun, 4)->trigger();
    }) << "0" << "600" << true << "24:00後に終了(28)";
    QTest::newRow("a step past the bound") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text4, QStringLiteral("99950"));
        press(h.form->Command[9], Qt::LeftButton);
    }) << "1500" << "0" << true << "24:00後に終了(24)";
    QTest::newRow("just below the bound") << BoardAction([](Form1Harness &h) {
        writeQuietly(h, h.form->Text3, QStringLiteral("99999"));
        h.form->nokori_time();
    }) << "99999" << "600" << false << "06:00後に終了(20)";
}

void Form1Scores::nestedClamp()
{
    QFETCH(BoardAction, disturb);
    QFETCH(QString, west);
    QFETCH(QString, east);
    QFETCH(bool, waits);
    QFETCH(QString, tip);
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    settledScores(h, QStringLiteral("1500"), QStringLiteral("600"));
    QCOMPARE(f.Label14->toolTip(), QStringLiteral("24:00後に終了(24)"));

    disturb(h);
    QCOMPARE(f.Text3->text(), west);
    QCOMPARE(f.Text4->text(), east);
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(forecastWaiting(h), waits);
    QCOMPARE(h.board().scoresSettled, waits ? 0 : 1);
    QCOMPARE(f.Timer4->isActive(), waits);

    settle(h);
    QCOMPARE(f.Text3->text(), west);
    QCOMPARE(f.Text4->text(), east);
    QCOMPARE(f.Label14->toolTip(), tip);
    QVERIFY(!f.Timer4->isActive());
}

void Form1Scores::accrualPastTheBound()
{
    Form1Harness h(12, 0);
    Form1 &f = *h.form;
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("99990"), QStringLiteral("0"));

    // The gain is added after the tick's evaluation and waits for the next one.
    tickAt(h, Noon + 5);
    QCOMPARE(f.Text3->text(), QStringLiteral("100005"));
    QCOMPARE(f.Label14->toolTip(), QStringLiteral("05:55後に終了(3)"));

    tickAt(h, Noon + 6);
    QCOMPARE(f.Text3->text(), QStringLiteral("0"));
    QVERIFY(forecastWaiting(h));

    settle(h);
    QCOMPARE(f.Label14->toolTip(), QStringLiteral("23:54後に終了(5)"));
    QCOMPARE(f.Label14->text(), QStringLiteral("12:00"));
}

QTEST_MAIN(Form1Scores)
#include "tst_form1_scores.moc"
