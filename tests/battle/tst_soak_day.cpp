// One simulated day of random play on the battle, checked after every event.
// The month-long run of the same player is the bench target `soak`. SOAK_SEED
// in the environment adds a day played from that seed.
#include "soak/soak_player.h"

#include <QtTest>

#include <functional>

using namespace vantor;
using Damage = std::function<void(soak::Observed &)>;
Q_DECLARE_METATYPE(Damage)

class SoakDay : public QObject {
    Q_OBJECT
public:
    explicit SoakDay(soak::SimulatedLoop &loop)
        : m_loop(loop)
    {
    }

private:
    soak::SimulatedLoop &m_loop;

private slots:
    void playsADayWithoutBreakingTheBoard_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("startHour");
        QTest::newRow("morning start") << quint64(20240601) << 9;
        QTest::newRow("start just before midnight") << quint64(7) << 23;
        QTest::newRow("start after midnight") << quint64(9001) << 0;
        if (qEnvironmentVariableIsSet("SOAK_SEED"))
            QTest::newRow("SOAK_SEED") << qEnvironmentVariable("SOAK_SEED").toULongLong() << 9;
    }

    void playsADayWithoutBreakingTheBoard()
    {
        QFETCH(quint64, seed);
        QFETCH(int, startHour);
        soak::SoakPlayer player(m_loop, seed, startHour * 3600);
        const bool held = player.play(soak::SecondsPerDay);
        if (!held)
            qInfo().noquote() << player.fault(); // longer than a failure's message may be
        QVERIFY2(held, qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(player.fault().section(u'\n', 0, 1))));
        // A day that never reached what it is there to shake proves nothing.
        const soak::Tally &day = player.tally();
        qInfo("seed %llu: %lld events, %lld ticks, %lld read-backs, %lld placements, %lld notices closed "
              "(at most %lld waiting), %lld beeps",
              seed, day.events, day.ticks, day.readBacks, day.placements, day.notices, day.mostNoticesWaiting,
              day.beeps);
        QVERIFY(day.events > 1000);
        QVERIFY(day.readBacks > 100);
        QVERIFY(day.notices > 0);
        QVERIFY(day.beeps > 0);
    }

    // The soak is only as good as its checks: each kind of damage must be seen.
    void invariantsSeeADamagedBoard_data()
    {
        using O = soak::Observed;
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, Damage damage, const char *expected) {
            QTest::newRow(name) << damage << QString::fromUtf8(expected);
        };
        row("status off the ring", [](O &o) { o.board.posts[3].status = PostStatus(6); }, "status of post 3 = 6");
        row("time box open at a present post", [](O &o) { o.posts[0].time.enabled = true; },
            "post 0 (status 0): time box enabled");
        row("armed time without its cue", [](O &o) { o.posts[3].time.cue = TextCue::Plain; },
            "post 3 (status 2): time box cue");
        row("armed for another time than its box", [](O &o) { ++o.board.posts[3].placeMinute; },
            "armed for minute 781");
        row("restored house's vanguard shown", [](O &o) { o.board.choice.RestorationFaction = 1; },
            "post 9 (status 0): shown");
        row("countdown behind the tick",
            [](O &o) {
                o.afterTick = true;
                ++o.now;
            },
            "post 3 (status 2): countdown \"01:00後に配置\" after the tick");
        row("due post left after the tick",
            [](O &o) {
                o.afterTick = true;
                o.now = 780;
                o.board.posts[3].countdown = QStringLiteral("配置時間を経過しています");
            },
            "still awaiting after the tick");
        row("typed time never read", [](O &o) { o.placementWaitPending = false; },
            "post 4 (status 2): typed time \"13:30\" with no read-back");
        row("typed elapsed time never read", [](O &o) { o.shortWaitsPending = 0; },
            "0 short waits running with the elapsed time typed 1");
        row("clock stopped", [](O &o) { o.clockTickRunning = false; }, "does not tick");
        row("both armies gaining", [](O &o) { o.rates = {1, 1}; }, "both rates above 0");
        row("bar cell out of step", [](O &o) { o.balance[20] = Qt::red; }, "bar cell 20");
        row("input left disarmed", [](O &o) { o.board.userInputArmed = false; }, "guards left down");
        row("score below 0 not typed", [](O &o) { o.board.scores[0].text = QStringLiteral("-5"); },
            "West score \"-5\"");
        row("forecast without rule", [](O &o) { o.forecast.message = QStringLiteral("x"); }, "names no rule");
        row("elapsed time past its limit", [](O &o) { o.board.elapsedMinutes = 32768; }, "elapsedMinutes = 32768");
        row("notice box ticked without automatic placement", [](O &o) { o.board.autoPlace = false; },
            "notice box 1");
        row("notice owed but not shown", [](O &o) { o.owed.push_back({0, QStringLiteral("某")}); },
            "1 notices owed");
        row("notices out of order",
            [](O &o) {
                o.owed.push_back({1, QStringLiteral("某")});
                o.notice = QStringLiteral("徳川家左翼後詰：徳川家・某の配置予定時刻になりました。");
            },
            "where post 1's 某 was placed first");
        row("placement without a call for attention", [](O &o) { o.placements = 1; }, "drew 0 calls for attention");
        row("report line lost", [](O &o) { o.report.truncate(o.report.lastIndexOf(u'\r', -3) + 2); },
            "report of 12 lines for 2 awaited generals");
    }

    // A board at noon with 戦果表示 on, post 3 awaiting its general at 13:00, a
    // time typed at post 4 and an elapsed time typed, the read-backs to come.
    void invariantsSeeADamagedBoard()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, expected);
        testing::FakeDesktop desktop;
        Battle battle(desktop);
        battle.build({});
        battle.setBattleResults(true);
        for (int slot : {3, 3, 4, 4})
            battle.pressPost(slot, Qt::LeftButton);
        battle.editTimeText(4, QStringLiteral("13:30"));
        battle.editElapsedText(QStringLiteral("1:30"));
        soak::Observed observed = soak::observe(battle, desktop, m_loop, {});
        QCOMPARE(soak::brokenInvariant(observed), QString());
        damage(observed);
        const QString broken = soak::brokenInvariant(observed);
        QVERIFY2(broken.contains(expected), qPrintable(broken));
    }

    // The soak's loop runs the timers when and as Qt's loop would.
    void loopRunsTimersAsQtDoes()
    {
        QTimer repeating;
        QTimer once;
        once.setSingleShot(true);
        const qint64 start = m_loop.now();
        QStringList ran;
        const auto note = [&](const char *timer) {
            ran << QStringLiteral("%1@%2").arg(timer).arg(m_loop.now() - start);
        };
        connect(&repeating, &QTimer::timeout, [&] { note("repeating"); });
        connect(&once, &QTimer::timeout, [&] { note("once"); });
        const auto runUntil = [&](qint64 until) {
            while (const auto next = m_loop.nextDue(start + until)) {
                m_loop.advanceTo(next->due);
                m_loop.fire(next->id);
            }
            m_loop.advanceTo(start + until);
        };
        repeating.start(10);
        once.start(10);
        runUntil(5);
        once.start(10); // a restart pushes it back
        runUntil(30);
        once.start(10);
        m_loop.advanceTo(start + 75); // asleep: each runs once on waking, and the repeating one an interval on
        runUntil(86);
        QCOMPARE(ran, QStringList({"repeating@10", "once@15", "repeating@20", "repeating@30", "repeating@75", "once@75",
                                   "repeating@85"}));
        QVERIFY(!once.isActive());
    }
};

int main(int argc, char *argv[])
{
    // The battle's waits run on the soak's simulated clock, whose loop has to be
    // the thread's before the application exists.
    soak::SimulatedLoop &loop = soak::installSimulatedLoop();
    QCoreApplication app(argc, argv);
    SoakDay test(loop);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soak_day.moc"
