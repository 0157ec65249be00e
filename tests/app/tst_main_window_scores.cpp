#include "support/main_window_harness.h"

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

using BoardAction = std::function<void(MainWindowHarness &)>;
Q_DECLARE_METATYPE(BoardAction)
Q_DECLARE_METATYPE(vantor::Winner)
Q_DECLARE_METATYPE(vantor::ColourScheme)

namespace {

const QString Waiting = QStringLiteral("--:--");
const QString WaitMessage = QStringLiteral("しばらくおまちください(0)");

constexpr int Noon = 12 * 60;

// Two left clicks step a post from its own general present to taken by the other
// army; with results off they credit no points.
void takePosts(MainWindowHarness &h, const QList<int> &taken)
{
    for (int s : taken) {
        h.window->changePost(s, false, Qt::LeftButton);
        h.window->changePost(s, false, Qt::LeftButton);
    }
}

void switchResults(MainWindowHarness &h)
{
    h.window->battleResultsCheck->click();
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
void writeQuietly(MainWindowHarness &h, QLineEdit *box, const QString &text)
{
    h.board().scoreChangeSuppressed = true;
    box->setText(text);
    h.board().scoreChangeSuppressed = false;
}

void settle(MainWindowHarness &h)
{
    h.window->settleTypedScores();
}

void tickAt(MainWindowHarness &h, int minuteOfDay)
{
    h.clock.setMinutes(minuteOfDay);
    h.window->onClockTick();
}

void enterElapsed(MainWindowHarness &h, const QString &text)
{
    h.window->elapsedBox->setText(text);
    h.window->readTypedElapsedTime();
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
void settledScores(MainWindowHarness &h, const QString &west, const QString &east)
{
    if (!h.window->battleResultsCheck->isChecked())
        switchResults(h);
    pasteScore(h.window->westScoreBox, west);
    pasteScore(h.window->eastScoreBox, east);
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

bool forecastWaiting(MainWindowHarness &h)
{
    const MainWindow &f = *h.window;
    return f.forecastCaption->text() == Waiting && f.forecastCaption->toolTip() == WaitMessage
           && f.forecastFrame->toolTip() == WaitMessage && background(f.forecastCaption) == QColor(0xE0E0E0)
           && background(f.forecastFrame) == QColor(0xE0E0E0);
}

} // namespace

class MainWindowScores : public QObject {
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

void MainWindowScores::switchingOnOpensEntryAndForecast()
{
    MainWindowHarness h(13, 25);
    MainWindow &f = *h.window;
    QVERIFY(!f.westScoreBox->isEnabled());
    QVERIFY(f.forecastFrame->isHidden());

    h.clock.set(14, 10);
    switchResults(h);
    QVERIFY(f.westScoreBox->isEnabled());
    QVERIFY(f.eastScoreBox->isEnabled());
    for (const QPushButton *button : f.scoreStepButtons)
        QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    QVERIFY(f.forecastFrame->isVisibleTo(&f));
    QCOMPARE(h.board().scoresSettled, true);
    QCOMPARE(h.board().scoreAccrualMinute, 14 * 60 + 10);
    QCOMPARE(f.forecastCaption->text(), QStringLiteral("14:10"));
    QCOMPARE(f.forecastCaption->toolTip(), QStringLiteral("24:00後に終了(28)"));
}

void MainWindowScores::switchingOff_data()
{
    QTest::addColumn<BoardAction>("afterwards");
    QTest::newRow("nothing more") << BoardAction([](MainWindowHarness &) {});
    QTest::newRow("five minutes of ticks") << BoardAction([](MainWindowHarness &h) {
        for (int m = 1; m <= 5; ++m)
            tickAt(h, Noon + m);
    });
    QTest::newRow("every award") << BoardAction([](MainWindowHarness &h) {
        for (QMenu *menu : {h.window->westAwardMenu, h.window->eastAwardMenu})
            for (QAction *a : menu->actions())
                a->trigger();
    });
    QTest::newRow("every step button") << BoardAction([](MainWindowHarness &h) {
        for (QPushButton *button : h.window->scoreStepButtons) {
            press(button, Qt::LeftButton);
            press(button, Qt::RightButton);
        }
    });
    QTest::newRow("an evaluation") << BoardAction([](MainWindowHarness &h) { h.window->updateForecast(); });
    QTest::newRow("the settle timer") << BoardAction([](MainWindowHarness &h) { settle(h); });
    QTest::newRow("a post falls") << BoardAction([](MainWindowHarness &h) { takePosts(h, {17}); });
}

void MainWindowScores::switchingOff()
{
    QFETCH(BoardAction, afterwards);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("1500"), QStringLiteral("700"));
    const QString caption = f.forecastCaption->text();
    const QString tip = f.forecastCaption->toolTip();
    const QColor colour = background(f.forecastCaption);
    QVERIFY(caption != Waiting);

    switchResults(h);
    afterwards(h);

    QVERIFY(!f.westScoreBox->isEnabled());
    QVERIFY(!f.eastScoreBox->isEnabled());
    for (const QPushButton *button : f.scoreStepButtons)
        QVERIFY(!button->isEnabled());
    QVERIFY(f.forecastFrame->isHidden());
    QCOMPARE(h.board().scoresSettled, false);
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("1500"));
    QCOMPARE(f.eastScoreBox->text(), QStringLiteral("700"));
    QCOMPARE(f.forecastCaption->text(), caption);
    QCOMPARE(f.forecastCaption->toolTip(), tip);
    QCOMPARE(f.forecastFrame->toolTip(), tip);
    QCOMPARE(background(f.forecastCaption), colour);
}

void MainWindowScores::gainsPauseWhileOff()
{
    MainWindowHarness h(12, 0);
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("1000"), QStringLiteral("0"));
    h.clock.set(12, 10);
    switchResults(h);
    tickAt(h, Noon + 20);
    h.clock.set(12, 30);
    switchResults(h);
    QCOMPARE(h.board().scoreAccrualMinute, Noon + 30);
    tickAt(h, Noon + 31);
    QCOMPARE(h.window->westScoreBox->text(), QStringLiteral("1003"));
}

void MainWindowScores::stepButtons_data()
{
    QTest::addColumn<Army>("army");
    QTest::addColumn<int>("step");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("West 100 left") << Army::West << 100 << Qt::LeftButton << "50" << "150";
    QTest::newRow("West 100 right stops at 0") << Army::West << 100 << Qt::RightButton << "50" << "0";
    QTest::newRow("West 10 right") << Army::West << 10 << Qt::RightButton << "50" << "40";
    QTest::newRow("West 1 left from 0") << Army::West << 1 << Qt::LeftButton << "0" << "1";
    QTest::newRow("West 1 right on a fraction") << Army::West << 1 << Qt::RightButton << "0.5" << "0";
    QTest::newRow("West 10 left reads the leading number") << Army::West << 10 << Qt::LeftButton << "30pts" << "40";
    QTest::newRow("East 100 right down to 0") << Army::East << 100 << Qt::RightButton << "100" << "0";
    QTest::newRow("East 10 left keeps a fraction") << Army::East << 10 << Qt::LeftButton << "12.5" << "22.5";
    QTest::newRow("East 1 right on 0 is an edit") << Army::East << 1 << Qt::RightButton << "0" << "0";
    QTest::newRow("middle button is no edit") << Army::East << 100 << Qt::MiddleButton << "50" << "50";
    QTest::newRow("East 100 left past the bound") << Army::East << 100 << Qt::LeftButton << "99950" << "0";
}

void MainWindowScores::stepButtons()
{
    QFETCH(Army, army);
    QFETCH(int, step);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, before);
    QFETCH(QString, after);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    QLineEdit *box = army == Army::West ? f.westScoreBox : f.eastScoreBox;
    QLineEdit *other = army == Army::West ? f.eastScoreBox : f.westScoreBox;
    settledScores(h, QStringLiteral("7"), QStringLiteral("7"));
    pasteScore(box, before);
    settle(h);
    QCOMPARE(box->text(), before);

    press(f.scoreStepButton(army, step), button);

    QCOMPARE(box->text(), after);
    QCOMPARE(other->text(), QStringLiteral("7"));
    // Left and right write the stepped value, even one the clamp takes back.
    const bool edited = button != Qt::MiddleButton;
    QCOMPARE(h.board().scoresSettled, edited ? 0 : 1);
    QCOMPARE(f.scoreSettleWait->isActive(), edited);
    QCOMPARE(forecastWaiting(h), edited);
}

void MainWindowScores::quickPressesEachCount()
{
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    switchResults(h);
    // The second press of a double click arrives as a double click of its own.
    QPushButton *hundred = f.scoreStepButton(Army::West, 100);
    press(hundred, Qt::LeftButton);
    QTest::mouseDClick(hundred, Qt::LeftButton);
    QTest::mouseRelease(hundred, Qt::LeftButton);
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("200"));
}

void MainWindowScores::awards_data()
{
    QTest::addColumn<bool>("west");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("West 150") << true << 0 << "中備副将討ち取り(戦果150)" << "0" << "150";
    QTest::newRow("West 200") << true << 1 << "後詰副将討ち取り(戦果200)" << "1000" << "1200";
    QTest::newRow("West 500") << true << 2 << "小荷駄武将討ち取り(戦果500)" << "12.5" << "512.5";
    QTest::newRow("West 600") << true << 3 << "四天王討ち取り(戦果600)" << "30pts" << "630";
    QTest::newRow("West 700") << true << 4 << "軍師討ち取り(戦果700)" << "99" << "799";
    QTest::newRow("East 150") << false << 0 << "中備副将討ち取り(戦果150)" << "300" << "450";
    QTest::newRow("East 200") << false << 1 << "後詰副将討ち取り(戦果200)" << "0" << "200";
    QTest::newRow("East 500") << false << 2 << "小荷駄武将討ち取り(戦果500)" << "2500" << "3000";
    QTest::newRow("East 600") << false << 3 << "四天王討ち取り(戦果600)" << "1" << "601";
    QTest::newRow("East 700") << false << 4 << "軍師討ち取り(戦果700)" << "1300" << "2000";
}

void MainWindowScores::awards()
{
    QFETCH(bool, west);
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(QString, before);
    QFETCH(QString, after);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    QLineEdit *box = west ? f.westScoreBox : f.eastScoreBox;
    QLineEdit *other = west ? f.eastScoreBox : f.westScoreBox;
    settledScores(h, QStringLiteral("7"), QStringLiteral("7"));
    pasteScore(box, before);
    settle(h);

    QAction *award = awardItem(west ? f.westAwardMenu : f.eastAwardMenu, item);
    QCOMPARE(award->text(), caption);
    award->trigger();

    QCOMPARE(box->text(), after);
    QCOMPARE(other->text(), QStringLiteral("7"));
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(h.board().scoresSettled, true);
    QVERIFY(!f.scoreSettleWait->isActive());
    QVERIFY(!forecastWaiting(h));
}

void MainWindowScores::awardAfterTypingKeepsWaiting()
{
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    switchResults(h);
    typeScore(f.westScoreBox, QStringLiteral("1000"));
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("1000"));

    awardItem(f.westAwardMenu, 3)->trigger();
    awardItem(f.eastAwardMenu, 0)->trigger();
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("1600"));
    QCOMPARE(f.eastScoreBox->text(), QStringLiteral("150"));
    QCOMPARE(h.board().scoresSettled, false);
    QVERIFY(forecastWaiting(h));

    settle(h);
    QCOMPARE(f.forecastCaption->text(), QStringLiteral("12:00"));
    QCOMPARE(f.forecastCaption->toolTip(), QStringLiteral("24:00後に終了(24)"));
    QCOMPARE(background(f.forecastFrame), QColor(0x8080FF));
}

void MainWindowScores::typedScoresSettle_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<QString>("tip");

    // What the keys leave stays untouched until the settle wait ends.
    QTest::newRow("at the bound") << "100000" << "100000" << "0" << "24:00後に終了(28)";
    QTest::newRow("just below the bound") << "99999" << "99999" << "99999" << "06:00後に終了(20)";
    QTest::newRow("not a number") << "abc" << "abc" << "0" << "24:00後に終了(28)";
    QTest::newRow("a negative correction") << "-50" << "-50" << "0" << "24:00後に終了(28)";
    QTest::newRow("cleared, then typed") << "\b250" << "250" << "250" << "24:00後に終了(28)";
}

void MainWindowScores::typedScoresSettle()
{
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, settled);
    QFETCH(QString, tip);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    switchResults(h);

    typeScore(f.westScoreBox, keys);
    QCOMPARE(f.westScoreBox->text(), typed);
    QVERIFY(forecastWaiting(h));
    QVERIFY(f.scoreSettleWait->isActive());

    // A clamp at the end of the wait is an edit of its own and waits once more.
    settle(h);
    QCOMPARE(f.westScoreBox->text(), settled);
    settle(h);
    QCOMPARE(f.westScoreBox->text(), settled);
    QCOMPARE(h.board().scoresSettled, true);
    QCOMPARE(f.forecastCaption->toolTip(), tip);
}

void MainWindowScores::settleClamp_data()
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

void MainWindowScores::settleClamp()
{
    QFETCH(bool, west);
    QFETCH(QString, text);
    QFETCH(QString, settled);
    QFETCH(bool, waitsAgain);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    QLineEdit *box = west ? f.westScoreBox : f.eastScoreBox;
    switchResults(h);
    pasteScore(f.westScoreBox, QStringLiteral("5"));
    writeQuietly(h, box, text);

    settle(h);
    QCOMPARE(box->text(), settled);
    QCOMPARE(h.board().scoresSettled, waitsAgain ? 0 : 1);
    QCOMPARE(f.scoreSettleWait->isActive(), waitsAgain);
    QCOMPARE(forecastWaiting(h), waitsAgain);

    settle(h);
    QCOMPARE(box->text(), settled);
    QCOMPARE(h.board().scoresSettled, true);
    QVERIFY(!forecastWaiting(h));
}

void MainWindowScores::accrual_data()
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

void MainWindowScores::accrual()
{
    QFETCH(QList<int>, taken);
    QFETCH(int, onAt);
    QFETCH(QList<int>, ticks);
    QFETCH(QString, west);
    QFETCH(QString, east);
    MainWindowHarness h(onAt / 60, onAt % 60);
    takePosts(h, taken);
    settledScores(h, QStringLiteral("1000"), QStringLiteral("2000"));
    QCOMPARE(h.board().scoreAccrualMinute, onAt);

    for (int minute : ticks)
        tickAt(h, minute);

    QCOMPARE(h.window->westScoreBox->text(), west);
    QCOMPARE(h.window->eastScoreBox->text(), east);
    QCOMPARE(h.board().scoreAccrualMinute, ticks.last());
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(h.board().scoresSettled, true);
}

void MainWindowScores::unsettledScoresCatchUp()
{
    MainWindowHarness h(12, 0);
    takePosts(h, {9, 12});
    switchResults(h);
    pasteScore(h.window->westScoreBox, QStringLiteral("1000"));
    tickAt(h, Noon + 5);
    QCOMPARE(h.window->westScoreBox->text(), QStringLiteral("1000"));

    settle(h);
    tickAt(h, Noon + 6);
    QCOMPARE(h.window->westScoreBox->text(), QStringLiteral("1018"));
}

void MainWindowScores::forecast_data()
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

void MainWindowScores::forecast()
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
    MainWindowHarness h(clock / 60, clock % 60);
    MainWindow &f = *h.window;
    if (scheme == ColourScheme::BattleColours) {
        h.choose = [](FactionChooser &chooser) { chooser.schemeOptions[1]->click(); };
        f.chooseFactionsAction->trigger();
    }
    takePosts(h, taken);
    switchResults(h);
    enterElapsed(h, elapsed);
    settledScores(h, west, east);

    QCOMPARE(f.forecastCaption->text(), caption);
    QCOMPARE(f.forecastCaption->toolTip(), tip);
    QCOMPARE(f.forecastFrame->toolTip(), tip);
    QCOMPARE(background(f.forecastCaption), campColour(winner, scheme));
    QCOMPARE(background(f.forecastFrame), campColour(winner, scheme));
}

void MainWindowScores::waitingForecast_data()
{
    QTest::addColumn<BoardAction>("interrupt");
    QTest::newRow("a score being typed")
        << BoardAction([](MainWindowHarness &h) { typeScore(h.window->eastScoreBox, QStringLiteral("10001")); });
    QTest::newRow("an award after a typed score") << BoardAction([](MainWindowHarness &h) {
        typeScore(h.window->westScoreBox, QStringLiteral("31000"));
        awardItem(h.window->westAwardMenu, 4)->trigger();
    });
    QTest::newRow("the elapsed time being typed")
        << BoardAction([](MainWindowHarness &h) { h.window->elapsedBox->setText(QStringLiteral("07:00")); });
    QTest::newRow("an unreadable elapsed time") << BoardAction([](MainWindowHarness &h) {
        enterElapsed(h, QStringLiteral("abc"));
        tickAt(h, Noon + 1);
    });
}

void MainWindowScores::waitingForecast()
{
    QFETCH(BoardAction, interrupt);
    MainWindowHarness h(12, 0);
    switchResults(h);
    enterElapsed(h, QStringLiteral("06:00"));
    settledScores(h, QStringLiteral("30000"), QStringLiteral("10000"));
    QCOMPARE(h.window->forecastCaption->text(), QStringLiteral("終了"));

    interrupt(h);
    QVERIFY(forecastWaiting(h));
}

void MainWindowScores::nestedClamp_data()
{
    QTest::addColumn<BoardAction>("disturb");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("east");
    QTest::addColumn<bool>("waits");
    QTest::addColumn<QString>("tip");

    QTest::newRow("West at the bound") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->westScoreBox, QStringLiteral("100000"));
        h.window->updateForecast();
    }) << "0" << "600" << true << "24:00後に終了(28)";
    QTest::newRow("East below zero") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->eastScoreBox, QStringLiteral("-300"));
        h.window->updateForecast();
    }) << "1500" << "0" << true << "24:00後に終了(24)";
    QTest::newRow("both out of range") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->westScoreBox, QStringLiteral("abc"));
        writeQuietly(h, h.window->eastScoreBox, QStringLiteral("150000"));
        h.window->updateForecast();
    }) << "0" << "0" << true << "24:00後に終了(28)";
    QTest::newRow("an award past the bound") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->westScoreBox, QStringLiteral("99500"));
        awardItem(h.window->westAwardMenu, 4)->trigger();
    }) << "0" << "600" << true << "24:00後に終了(28)";
    QTest::newRow("a step past the bound") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->eastScoreBox, QStringLiteral("99950"));
        press(h.window->scoreStepButton(Army::East, 100), Qt::LeftButton);
    }) << "1500" << "0" << true << "24:00後に終了(24)";
    QTest::newRow("just below the bound") << BoardAction([](MainWindowHarness &h) {
        writeQuietly(h, h.window->westScoreBox, QStringLiteral("99999"));
        h.window->updateForecast();
    }) << "99999" << "600" << false << "06:00後に終了(20)";
}

void MainWindowScores::nestedClamp()
{
    QFETCH(BoardAction, disturb);
    QFETCH(QString, west);
    QFETCH(QString, east);
    QFETCH(bool, waits);
    QFETCH(QString, tip);
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    settledScores(h, QStringLiteral("1500"), QStringLiteral("600"));
    QCOMPARE(f.forecastCaption->toolTip(), QStringLiteral("24:00後に終了(24)"));

    disturb(h);
    QCOMPARE(f.westScoreBox->text(), west);
    QCOMPARE(f.eastScoreBox->text(), east);
    QCOMPARE(h.board().scoreChangeSuppressed, false);
    QCOMPARE(forecastWaiting(h), waits);
    QCOMPARE(h.board().scoresSettled, waits ? 0 : 1);
    QCOMPARE(f.scoreSettleWait->isActive(), waits);

    settle(h);
    QCOMPARE(f.westScoreBox->text(), west);
    QCOMPARE(f.eastScoreBox->text(), east);
    QCOMPARE(f.forecastCaption->toolTip(), tip);
    QVERIFY(!f.scoreSettleWait->isActive());
}

void MainWindowScores::accrualPastTheBound()
{
    MainWindowHarness h(12, 0);
    MainWindow &f = *h.window;
    takePosts(h, {9, 12});
    settledScores(h, QStringLiteral("99990"), QStringLiteral("0"));

    // The gain is added after the tick's evaluation and waits for the next one.
    tickAt(h, Noon + 5);
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("100005"));
    QCOMPARE(f.forecastCaption->toolTip(), QStringLiteral("05:55後に終了(3)"));

    tickAt(h, Noon + 6);
    QCOMPARE(f.westScoreBox->text(), QStringLiteral("0"));
    QVERIFY(forecastWaiting(h));

    settle(h);
    QCOMPARE(f.forecastCaption->toolTip(), QStringLiteral("23:54後に終了(5)"));
    QCOMPARE(f.forecastCaption->text(), QStringLiteral("12:00"));
}

QTEST_MAIN(MainWindowScores)
#include "tst_main_window_scores.moc"
