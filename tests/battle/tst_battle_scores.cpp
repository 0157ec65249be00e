// Battle results in the battle: switching them on and off, the steps and the
// awards, typed scores and their settling, the board's own writes clamped at
// once, the accrual, and the forecast with its waiting state.
#include "support/battle_harness.h"

#include "clock/end_forecast.h"

#include <QtTest>

#include <functional>

using namespace vantor;
using namespace vantor::testing;

using BoardAction = std::function<void(BattleHarness &)>;
Q_DECLARE_METATYPE(BoardAction)

namespace {

constexpr int Noon = 12 * 60;

Army other(Army army)
{
    return army == Army::West ? Army::East : Army::West;
}

QColor campColour(Winner winner, ColourScheme scheme)
{
    if (winner == Winner::None)
        return QColor(NeutralGrey);
    const bool blue = (winner == Winner::West) == (scheme == ColourScheme::DefaultColours);
    return blue ? QColor(0x8080FF) : QColor(0xFF8080);
}

} // namespace

class TestBattleScores : public QObject {
    Q_OBJECT
private slots:
    void switchingOnOpensEntryAndForecast()
    {
        BattleHarness h(13, 25);
        QVERIFY(!h.battle.score(Army::West).enabled);
        QVERIFY(!h.battle.forecast().shown);

        h.desktop.set(14, 10);
        h.battle.setBattleResults(true);
        QVERIFY(h.battle.score(Army::West).enabled && h.battle.score(Army::East).enabled);
        QVERIFY(h.battle.options().battleResults);
        QVERIFY(h.board().scoresSettled);
        QCOMPARE(h.board().scoreAccrualMinute, 14 * 60 + 10);
        const ForecastView forecast = h.battle.forecast();
        QVERIFY(forecast.shown);
        QCOMPARE(forecast.caption, QStringLiteral("14:10"));
        QCOMPARE(forecast.message, QStringLiteral("24:00後に終了(28)"));
        h.tickAt(14 * 60 + 15); // fifty minutes since the board was built
        QCOMPARE(h.battle.forecast().message, QStringLiteral("23:10後に終了(28)"));
    }

    void switchingOff_data()
    {
        QTest::addColumn<BoardAction>("afterwards");
        QTest::newRow("nothing more") << BoardAction([](BattleHarness &) {});
        QTest::newRow("five minutes of ticks") << BoardAction([](BattleHarness &h) {
            for (int m = 1; m <= 5; ++m)
                h.tickAt(Noon + m);
        });
        QTest::newRow("every award") << BoardAction([](BattleHarness &h) {
            for (Army army : {Army::West, Army::East})
                for (int points : {150, 200, 500, 600, 700})
                    h.battle.award(army, points);
        });
        QTest::newRow("every step") << BoardAction([](BattleHarness &h) {
            for (Army army : {Army::West, Army::East})
                for (int step : {1, 10, 100})
                    for (StepDirection direction : {StepDirection::Up, StepDirection::Down, StepDirection::Down})
                        h.battle.stepScore(army, step, direction);
        });
        QTest::newRow("an elapsed time read back") << BoardAction([](BattleHarness &h) { h.enterElapsed("07:00"); });
        QTest::newRow("the settle wait") << BoardAction([](BattleHarness &h) { h.battle.settleTypedScores(); });
        QTest::newRow("a post falls") << BoardAction([](BattleHarness &h) { h.take({17}); });
    }

    void switchingOff()
    {
        QFETCH(BoardAction, afterwards);
        BattleHarness h;
        h.take({9, 12});
        h.enterScores(QStringLiteral("1500"), QStringLiteral("700"));
        const ForecastView before = h.battle.forecast();
        QVERIFY(before.caption != QStringLiteral("--:--"));

        h.battle.setBattleResults(false);
        afterwards(h);

        QVERIFY(!h.battle.score(Army::West).enabled && !h.battle.score(Army::East).enabled);
        QVERIFY(!h.board().scoresSettled);
        QCOMPARE(h.score(Army::West), QStringLiteral("1500"));
        QCOMPARE(h.score(Army::East), QStringLiteral("700"));
        const ForecastView after = h.battle.forecast();
        QVERIFY(!after.shown);
        QCOMPARE(after.caption, before.caption);
        QCOMPARE(after.message, before.message);
        QCOMPARE(after.colour, before.colour);
    }

    void gainsPauseWhileOff()
    {
        BattleHarness h;
        h.take({9, 12});
        h.enterScores(QStringLiteral("1000"), QStringLiteral("0"));
        h.desktop.set(12, 10);
        h.battle.setBattleResults(false);
        h.tickAt(Noon + 20);
        h.desktop.set(12, 30);
        h.battle.setBattleResults(true);
        QCOMPARE(h.board().scoreAccrualMinute, Noon + 30);
        h.tickAt(Noon + 31);
        QCOMPARE(h.score(Army::West), QStringLiteral("1003"));
    }

    void steps_data()
    {
        QTest::addColumn<Army>("army");
        QTest::addColumn<int>("step");
        QTest::addColumn<StepDirection>("direction");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("West 100 up") << Army::West << 100 << StepDirection::Up << "50" << "150";
        QTest::newRow("West 100 down stops at 0") << Army::West << 100 << StepDirection::Down << "50" << "0";
        QTest::newRow("West 10 down") << Army::West << 10 << StepDirection::Down << "50" << "40";
        QTest::newRow("West 1 up from 0") << Army::West << 1 << StepDirection::Up << "0" << "1";
        QTest::newRow("West 1 down on a fraction") << Army::West << 1 << StepDirection::Down << "0.5" << "0";
        QTest::newRow("West 10 up reads the leading number") << Army::West << 10 << StepDirection::Up << "30pts" << "40";
        QTest::newRow("East 100 down to 0") << Army::East << 100 << StepDirection::Down << "100" << "0";
        QTest::newRow("East 10 up keeps a fraction") << Army::East << 10 << StepDirection::Up << "12.5" << "22.5";
        QTest::newRow("East 1 down on 0 is an edit") << Army::East << 1 << StepDirection::Down << "0" << "0";
        QTest::newRow("the middle button is no edit") << Army::East << 100 << StepDirection::Still << "50" << "50";
        QTest::newRow("East 100 up past the bound") << Army::East << 100 << StepDirection::Up << "99950" << "0";
    }

    void steps()
    {
        QFETCH(Army, army);
        QFETCH(int, step);
        QFETCH(StepDirection, direction);
        QFETCH(QString, before);
        QFETCH(QString, after);
        BattleHarness h;
        h.enterScores(QStringLiteral("7"), QStringLiteral("7"));
        h.battle.editScore(army, before);
        h.battle.settleTypedScores();
        QCOMPARE(h.score(army), before);

        h.battle.stepScore(army, step, direction);
        QCOMPARE(h.score(army), after);
        QCOMPARE(h.score(other(army)), QStringLiteral("7"));
        // Up and down write the stepped value, even one the clamp takes back.
        const bool edited = direction != StepDirection::Still;
        QCOMPARE(h.board().scoresSettled, !edited);
        QCOMPARE(h.forecastWaiting(), edited);
    }

    void awards_data()
    {
        QTest::addColumn<Army>("army");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("West 150") << Army::West << 150 << "0" << "150";
        QTest::newRow("West 200") << Army::West << 200 << "1000" << "1200";
        QTest::newRow("West 500 on a fraction") << Army::West << 500 << "12.5" << "512.5";
        QTest::newRow("West 600 reads the leading number") << Army::West << 600 << "30pts" << "630";
        QTest::newRow("West 700") << Army::West << 700 << "99" << "799";
        QTest::newRow("East 150") << Army::East << 150 << "300" << "450";
        QTest::newRow("East 200") << Army::East << 200 << "0" << "200";
        QTest::newRow("East 500") << Army::East << 500 << "2500" << "3000";
        QTest::newRow("East 600") << Army::East << 600 << "1" << "601";
        QTest::newRow("East 700") << Army::East << 700 << "1300" << "2000";
    }

    void awards()
    {
        QFETCH(Army, army);
        QFETCH(int, points);
        QFETCH(QString, before);
        QFETCH(QString, after);
        BattleHarness h;
        h.enterScores(QStringLiteral("7"), QStringLiteral("7"));
        h.battle.editScore(army, before);
        h.battle.settleTypedScores();

        h.battle.award(army, points);
        QCOMPARE(h.score(army), after);
        QCOMPARE(h.score(other(army)), QStringLiteral("7"));
        QVERIFY(!h.board().scoreChangeSuppressed);
        QVERIFY(h.board().scoresSettled); // an award is no edit
        QVERIFY(!h.forecastWaiting());
    }

    void awardAfterTypingKeepsWaiting()
    {
        BattleHarness h;
        h.battle.setBattleResults(true);
        h.battle.editScore(Army::West, QStringLiteral("1000"));
        h.battle.award(Army::West, 600);
        h.battle.award(Army::East, 150);
        QCOMPARE(h.score(Army::West), QStringLiteral("1600"));
        QCOMPARE(h.score(Army::East), QStringLiteral("150"));
        QVERIFY(!h.board().scoresSettled);
        QVERIFY(h.forecastWaiting());

        h.battle.settleTypedScores();
        const ForecastView forecast = h.battle.forecast();
        QCOMPARE(forecast.caption, QStringLiteral("12:00"));
        QCOMPARE(forecast.message, QStringLiteral("24:00後に終了(24)"));
        QCOMPARE(forecast.colour, QColor(0x8080FF));
    }

    void typedScoresSettle_data()
    {
        QTest::addColumn<Army>("army");
        QTest::addColumn<QStringList>("typed"); // the box's text after each key
        QTest::addColumn<QString>("settled");
        QTest::addColumn<bool>("waitsAgain");
        QTest::addColumn<QString>("message"); // of the forecast once settled
        const QString nothing = QStringLiteral("24:00後に終了(28)");
        QTest::newRow("West at the bound") << Army::West << QStringList{"1", "10", "100", "1000", "10000", "100000"}
                                           << "0" << true << nothing;
        QTest::newRow("West just below the bound") << Army::West << QStringList{"99999"} << "99999" << false
                                                   << "06:00後に終了(20)";
        QTest::newRow("West a hair below the bound") << Army::West << QStringList{"99999.9"} << "99999.9" << false
                                                     << "06:00後に終了(20)";
        QTest::newRow("West not a number") << Army::West << QStringList{"a", "ab", "abc"} << "0" << true << nothing;
        QTest::newRow("West a negative correction") << Army::West << QStringList{"-", "-5", "-50"} << "0" << true
                                                    << nothing;
        QTest::newRow("West cleared, then typed") << Army::West << QStringList{"", "2", "25", "250"} << "250"
                                                  << false << nothing;
        QTest::newRow("East far above the bound") << Army::East << QStringList{"250000"} << "0" << true << nothing;
        QTest::newRow("East cleared, then 0") << Army::East << QStringList{"", "0"} << "0" << false << nothing;
        QTest::newRow("East emptied") << Army::East << QStringList{""} << "0" << true << nothing;
    }

    void typedScoresSettle()
    {
        QFETCH(Army, army);
        QFETCH(QStringList, typed);
        QFETCH(QString, settled);
        QFETCH(bool, waitsAgain);
        QFETCH(QString, message);
        BattleHarness h;
        h.battle.setBattleResults(true);
        for (const QString &text : typed) {
            h.battle.editScore(army, text);
            QCOMPARE(h.score(army), text);
            QVERIFY(h.forecastWaiting());
        }

        // A clamp at the end of the wait is an edit of its own and waits once more.
        h.battle.settleTypedScores();
        QCOMPARE(h.score(army), settled);
        QCOMPARE(h.board().scoresSettled, !waitsAgain);
        QCOMPARE(h.forecastWaiting(), waitsAgain);
        h.battle.settleTypedScores();
        QCOMPARE(h.score(army), settled);
        QVERIFY(h.board().scoresSettled);
        QCOMPARE(h.battle.forecast().message, message);
    }

    // Credits, debits, steps, awards and the accrual are the board's own sums: out of range,
    // they are clamped within the call that makes them, while the settle wait of
    // an earlier edit runs as much as at any other time. Only text the player
    // types waits for its settle.
    void boardsOwnWritesClampAtOnce()
    {
        BattleHarness h;
        h.battle.setBattleResults(true);
        // West 中翼中備: the right presses take back points East never had.
        for (Qt::MouseButton button :
             {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::MiddleButton, Qt::RightButton}) {
            h.press(4, button);
            QCOMPARE(h.score(Army::East), QStringLiteral("0"));
        }
        QVERIFY(!h.board().scoresSettled);

        h.enterScores(QStringLiteral("0"), QStringLiteral("99900"));
        h.battle.stepScore(Army::West, 1, StepDirection::Up);
        h.take({0}); // West 左翼後詰 falls: 400 for the East
        QCOMPARE(h.score(Army::East), QStringLiteral("0"));
        QCOMPARE(h.score(Army::West), QStringLiteral("1"));

        int minute = Noon;
        for (const QString &typed : {QStringLiteral("-"), QString(), QStringLiteral("-5")}) {
            h.battle.editScore(Army::West, typed);
            h.press(8, Qt::MiddleButton);
            h.battle.award(Army::East, 150);
            h.tickAt(++minute);
            QCOMPARE(h.score(Army::West), typed);
        }
        h.battle.settleTypedScores();
        QCOMPARE(h.score(Army::West), QStringLiteral("0"));
    }

    void boardsOwnWritesOutOfRange_data()
    {
        QTest::addColumn<BoardAction>("action");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        QTest::addColumn<bool>("waits");
        QTest::addColumn<QString>("message"); // of the forecast once settled
        QTest::newRow("an award past the bound") << BoardAction([](BattleHarness &h) {
            h.enterScores(QStringLiteral("99500"), QStringLiteral("600"));
            h.battle.award(Army::West, 700);
        }) << "0" << "600" << true << "24:00後に終了(28)";
        QTest::newRow("an award past the bound on typed text") << BoardAction([](BattleHarness &h) {
            h.battle.setBattleResults(true);
            h.battle.editScore(Army::West, QStringLiteral("99500"));
            h.battle.award(Army::West, 700);
        }) << "0" << "0" << true << "24:00後に終了(28)";
        QTest::newRow("an award just below the bound") << BoardAction([](BattleHarness &h) {
            h.enterScores(QStringLiteral("99299"), QStringLiteral("600"));
            h.battle.award(Army::West, 700);
        }) << "99999" << "600" << false << "06:00後に終了(20)";
        QTest::newRow("a step past the bound") << BoardAction([](BattleHarness &h) {
            h.enterScores(QStringLiteral("1500"), QStringLiteral("99950"));
            h.battle.stepScore(Army::East, 100, StepDirection::Up);
        }) << "1500" << "0" << true << "24:00後に終了(24)";
        QTest::newRow("an accrual past the bound") << BoardAction([](BattleHarness &h) {
            h.take({9, 12});
            h.enterScores(QStringLiteral("99990"), QStringLiteral("0"));
            h.tickAt(Noon + 5);
        }) << "0" << "0" << true << "23:55後に終了(5)";
        QTest::newRow("a debit below zero") << BoardAction([](BattleHarness &h) {
            h.press(4, Qt::MiddleButton, 2);
            h.enterScores(QStringLiteral("1500"), QStringLiteral("250"));
            h.press(4, Qt::RightButton);
        }) << "1500" << "0" << true << "24:00後に終了(24)";
        QTest::newRow("a debit to a fraction") << BoardAction([](BattleHarness &h) {
            h.press(4, Qt::MiddleButton, 2);
            h.enterScores(QStringLiteral("1500"), QStringLiteral("300.5"));
            h.press(4, Qt::RightButton);
        }) << "1500" << "0.5" << false << "24:00後に終了(24)";
    }

    void boardsOwnWritesOutOfRange()
    {
        QFETCH(BoardAction, action);
        QFETCH(QString, west);
        QFETCH(QString, east);
        QFETCH(bool, waits);
        QFETCH(QString, message);
        BattleHarness h;
        action(h);
        QCOMPARE(h.score(Army::West), west);
        QCOMPARE(h.score(Army::East), east);
        QVERIFY(!h.board().scoreChangeSuppressed);
        QCOMPARE(h.board().scoresSettled, !waits);
        QCOMPARE(h.forecastWaiting(), waits);

        h.battle.settleTypedScores();
        QCOMPARE(h.score(Army::West), west);
        QCOMPARE(h.score(Army::East), east);
        QCOMPARE(h.battle.forecast().message, message);
    }

    void accrual_data()
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
        QTest::newRow("two ticks add up") << westGainsThree << Noon << QList<int>{Noon + 2, Noon + 5} << "1015" << "2000";
        QTest::newRow("same minute") << westGainsThree << Noon << QList<int>{Noon, Noon} << "1000" << "2000";
        QTest::newRow("across midnight") << westGainsThree << 23 * 60 + 58 << QList<int>{1} << "1009" << "2000";
        QTest::newRow("clock set back a minute") << westGainsThree << Noon << QList<int>{Noon - 1} << "1000" << "2000";
        QTest::newRow("set back, then on again") << westGainsThree << Noon << QList<int>{Noon - 1, Noon} << "1003" << "2000";
        QTest::newRow("nothing taken") << QList<int>{} << Noon << QList<int>{Noon + 60} << "1000" << "2000";
    }

    void accrual()
    {
        QFETCH(QList<int>, taken);
        QFETCH(int, onAt);
        QFETCH(QList<int>, ticks);
        QFETCH(QString, west);
        QFETCH(QString, east);
        BattleHarness h(onAt / 60, onAt % 60);
        h.take(taken);
        h.enterScores(QStringLiteral("1000"), QStringLiteral("2000"));
        QCOMPARE(h.board().scoreAccrualMinute, onAt);

        for (int minute : ticks)
            h.tickAt(minute);
        QCOMPARE(h.score(Army::West), west);
        QCOMPARE(h.score(Army::East), east);
        QCOMPARE(h.board().scoreAccrualMinute, ticks.last());
        QVERIFY(!h.board().scoreChangeSuppressed);
        QVERIFY(h.board().scoresSettled);
    }

    void unsettledScoresCatchUp()
    {
        BattleHarness h;
        h.take({9, 12});
        h.battle.setBattleResults(true);
        h.battle.editScore(Army::West, QStringLiteral("1000"));
        h.tickAt(Noon + 5);
        QCOMPARE(h.score(Army::West), QStringLiteral("1000"));

        h.battle.settleTypedScores();
        h.tickAt(Noon + 6);
        QCOMPARE(h.score(Army::West), QStringLiteral("1018"));
    }

    void forecast_data()
    {
        QTest::addColumn<ColourScheme>("scheme");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QList<int>>("taken");
        QTest::addColumn<QString>("west");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Winner>("winner");
        const struct {
            const char *name;
            int clock;
            QList<int> taken;
            const char *west, *east, *elapsed, *caption, *message;
            Winner winner;
        } rows[] = {
            {"nothing scored", Noon, {}, "0", "0", "00:00", "12:00", "24:00後に終了(28)", Winner::None},
            {"nothing scored at midnight", 0, {}, "0", "0", "00:00", "24:00", "24:00後に終了(28)", Winner::None},
            {"crushing West lead", Noon, {}, "30000", "10000", "06:00", "終了", "終了条件成立しています(1)", Winner::West},
            {"crushing East lead", Noon, {}, "10000", "30000", "06:00", "終了", "終了条件成立しています(2)", Winner::East},
            {"West lead before six hours", Noon, {}, "30000", "10000", "05:00", "13:00", "01:00後に終了(20)", Winner::West},
            {"West gaining 10", Noon, {17, 16, 12}, "5000", "1000", "01:40", "20:20", "08:20後に終了(4)", Winner::West},
            {"East gaining 2", Noon, {3}, "1000", "9000", "00:00", "20:20", "08:20後に終了(12)", Winner::East},
            {"time limit, West gaining", Noon, {9}, "2000", "1000", "24:00", "終了", "終了条件成立しています(8)", Winner::West},
            {"time limit, no decision", Noon, {}, "1500", "1000", "24:00", "終了", "終了条件成立しています(27)", Winner::None},
        };
        for (ColourScheme scheme : {ColourScheme::DefaultColours, ColourScheme::BattleColours}) {
            for (const auto &r : rows)
                QTest::addRow("%s, %s colours", r.name, scheme == ColourScheme::DefaultColours ? "default" : "battle")
                    << scheme << r.clock << r.taken << QString::fromUtf8(r.west) << QString::fromUtf8(r.east)
                    << QString::fromUtf8(r.elapsed) << QString::fromUtf8(r.caption) << QString::fromUtf8(r.message)
                    << r.winner;
        }
    }

    void forecast()
    {
        QFETCH(ColourScheme, scheme);
        QFETCH(int, clock);
        QFETCH(QList<int>, taken);
        QFETCH(QString, west);
        QFETCH(QString, east);
        QFETCH(QString, elapsed);
        QFETCH(QString, caption);
        QFETCH(QString, message);
        QFETCH(Winner, winner);
        BattleHarness h(clock / 60, clock % 60, FactionChoice{4, 2, scheme, 0});
        h.take(taken);
        h.battle.setBattleResults(true);
        h.enterElapsed(elapsed);
        h.enterScores(west, east);

        const ForecastView forecast = h.battle.forecast();
        QCOMPARE(forecast.caption, caption);
        QCOMPARE(forecast.message, message);
        QCOMPARE(forecast.colour, campColour(winner, scheme));
    }

    void waitingForecast_data()
    {
        QTest::addColumn<BoardAction>("interrupt");
        QTest::newRow("a score being typed")
            << BoardAction([](BattleHarness &h) { h.battle.editScore(Army::East, QStringLiteral("10001")); });
        QTest::newRow("an award after a typed score") << BoardAction([](BattleHarness &h) {
            h.battle.editScore(Army::West, QStringLiteral("31000"));
            h.battle.award(Army::West, 700);
        });
        QTest::newRow("the elapsed time being typed")
            << BoardAction([](BattleHarness &h) { h.battle.editElapsedText(QStringLiteral("07:00")); });
    }

    void waitingForecast()
    {
        QFETCH(BoardAction, interrupt);
        BattleHarness h;
        h.battle.setBattleResults(true);
        h.enterElapsed(QStringLiteral("06:00"));
        h.enterScores(QStringLiteral("30000"), QStringLiteral("10000"));
        QCOMPARE(h.battle.forecast().caption, QStringLiteral("終了"));

        interrupt(h);
        QVERIFY(h.forecastWaiting());
    }

    // Settled text that is more than a number counts by its leading number, as
    // ever, and says so until the box is written again.
    void settledTextThatIsMoreThanANumber()
    {
        BattleHarness h;
        h.enterScores(QStringLiteral("1,200"), QStringLiteral("300"));
        QCOMPARE(h.score(Army::West), QStringLiteral("1,200"));
        QCOMPARE(h.battle.score(Army::West).cue, TextCue::Unreadable);
        QVERIFY(h.battle.score(Army::West).tooltip.contains(QStringLiteral(" 1 ")));
        QCOMPARE(h.battle.score(Army::East).cue, TextCue::Plain);
        h.battle.award(Army::West, 150);
        QCOMPARE(h.score(Army::West), QStringLiteral("151"));
        QCOMPARE(h.battle.score(Army::West).cue, TextCue::Plain);
    }
};

QTEST_GUILESS_MAIN(TestBattleScores)
#include "tst_battle_scores.moc"
