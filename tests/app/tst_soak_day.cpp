// One simulated day of random play on the real window, checked after every
// event. The month-long run of the same player is the bench target `soak`.
#include "app/control_writes.h"
#include "soak/soak_player.h"
#include "support/main_window_harness.h"

#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

class SoakDay : public QObject {
    Q_OBJECT
private slots:
    void playsADayWithoutBreakingTheBoard_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("startHour");
        QTest::newRow("morning start") << quint64(20240601) << 9;
        QTest::newRow("start just before midnight") << quint64(7) << 23;
        QTest::newRow("start after midnight") << quint64(9001) << 0;
    }

    void playsADayWithoutBreakingTheBoard()
    {
        QFETCH(quint64, seed);
        QFETCH(int, startHour);
        MainWindowHarness h(startHour, 0);
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        soak::SoakPlayer player(h, seed, startHour * 3600);
        const bool held = player.play(soak::SecondsPerDay);
        QVERIFY2(held, qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(player.fault())));
        QVERIFY(player.eventsPlayed() > 1000);
        QVERIFY(player.eventsPlayed() > 1000);
        QVERIFY(player.notices() + player.beeps() > 0);
    }

    // The soak is only as good as its checks: each kind of damage must be seen.
    void invariantsSeeADamagedBoard_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("status off the ring") << 0 << QStringLiteral("status of post 3 = 6");
        QTest::newRow("time box enabled at a present post") << 2 << QStringLiteral("time box of post 0 is enabled");
        QTest::newRow("both armies gaining") << 3 << QStringLiteral("both rates above 0");
        QTest::newRow("bar cell out of step") << 4 << QStringLiteral("bar cell 0");
        QTest::newRow("input left disarmed") << 5 << QStringLiteral("user input left disarmed");
        QTest::newRow("settled score below 0") << 6 << QStringLiteral("settled score box 3");
        QTest::newRow("forecast without rule") << 7 << QStringLiteral("names no rule");
    }

    void invariantsSeeADamagedBoard()
    {
        QFETCH(int, damage);
        QFETCH(QString, expected);
        MainWindowHarness h;
        h.window->battleResultsCheck->click();
        QCOMPARE(soak::brokenInvariant(*h.window), QString());
        BattleBoard &b = h.board();
        switch (damage) {
        case 0: b.posts[3].status = PostStatus(6); break;
        case 2: h.post(0).timeBox->setEnabled(true); break;
        case 3: b.westRate = b.eastRate = 1; break;
        case 4: setBackground(h.window->balanceBar[0], Qt::red); break;
        case 5: b.userInputArmed = false; break;
        case 6:
            b.scoresSettled = true;
            b.scoreChangeSuppressed = true;
            h.window->westScoreBox->setText(QStringLiteral("-5"));
            b.scoreChangeSuppressed = false;
            break;
        case 7: h.window->forecastCaption->setToolTip(QStringLiteral("x")); break;
        }
        const QString broken = soak::brokenInvariant(*h.window);
        QVERIFY2(broken.contains(expected), qPrintable(broken));
    }
};

QTEST_MAIN(SoakDay)
#include "tst_soak_day.moc"
