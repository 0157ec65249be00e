// The month-long soak: the player of the one-day test plays thirty simulated
// days (or --days N) on one battle without a restart, checking the board after
// every event, and prints the resident memory at the end of every day.
//   soak [--seed N] [--days N]
#include "soak/soak_player.h"

#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The battle's waits run on the soak's simulated clock, whose loop has to be
    // the thread's before the application exists.
    vantor::soak::SimulatedLoop &loop = vantor::soak::installSimulatedLoop();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    quint64 seed = QRandomGenerator::system()->generate64() % 1000000000;
    int days = 30;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--days"))
            days = args[i + 1].toInt();
    }
    std::printf("soak: seed %llu, %d simulated days\n", static_cast<unsigned long long>(seed), days);
    std::fflush(stdout);

    vantor::soak::SoakPlayer player(loop, seed);
    qint64 firstDayKiB = 0;
    for (int day = 1; day <= days; ++day) {
        if (!player.play(vantor::soak::SecondsPerDay)) {
            std::printf("FAULT on day %d, seed %llu\n%s", day, static_cast<unsigned long long>(seed),
                        qPrintable(player.fault()));
            return 1;
        }
        const qint64 kib = residentKiB();
        if (day == 1)
            firstDayKiB = kib;
        const vantor::soak::Tally &t = player.tally();
        std::printf("day %2d: %7lld events, %7lld ticks, %6lld read-backs, %5lld placements, "
                    "%5lld notices (at most %lld waiting), %5lld beeps, RSS %lld KiB\n",
                    day, t.events, t.ticks, t.readBacks, t.placements, t.notices, t.mostNoticesWaiting, t.beeps, kib);
        std::fflush(stdout);
    }
    std::printf("soak held for %d days (seed %llu); RSS day 1 %lld KiB, day %d %lld KiB\n", days,
                static_cast<unsigned long long>(seed), firstDayKiB, days, residentKiB());
    return 0;
}
