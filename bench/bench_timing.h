// Timing for the benchmarks: an operation is run in batches and the median
// batch is reported per call, so a batch that the scheduler interrupted (the
// machine is shared) moves the figure little. Both the wall time and the
// thread's own CPU time are taken.
#pragma once

#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace vantor::bench {

inline qint64 nanosNow(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Keeps a result alive so the optimiser cannot drop the work that made it.
template <typename T>
inline void keep(const T &value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

struct PerCall {
    double wallNs;
    double cpuNs;
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// `call` takes the index of the call, so a benchmark can cycle through inputs;
// `prepare` runs untimed before every batch.
template <typename Call, typename Prepare>
PerCall perCall(Call &&call, int batches, int callsPerBatch, Prepare &&prepare)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    int index = 0;
    for (int b = 0; b < batches; ++b) {
        prepare();
        const qint64 w0 = nanosNow(CLOCK_MONOTONIC);
        const qint64 c0 = nanosNow(CLOCK_THREAD_CPUTIME_ID);
        for (int i = 0; i < callsPerBatch; ++i)
            call(index++);
        const qint64 c1 = nanosNow(CLOCK_THREAD_CPUTIME_ID);
        const qint64 w1 = nanosNow(CLOCK_MONOTONIC);
        wall.push_back(double(w1 - w0) / callsPerBatch);
        cpu.push_back(double(c1 - c0) / callsPerBatch);
    }
    return {median(wall), median(cpu)};
}

template <typename Call>
PerCall perCall(Call &&call, int batches, int callsPerBatch)
{
    return perCall(call, batches, callsPerBatch, [] {});
}

inline void report(const char *name, PerCall t)
{
    auto shown = [](double ns) {
        return ns >= 100000 ? QStringLiteral("%1 ms").arg(ns / 1e6, 0, 'f', 3)
                            : QStringLiteral("%1 µs").arg(ns / 1e3, 0, 'f', 3);
    };
    // Wide (Japanese) characters take two columns of a terminal.
    QString padded = QString::fromUtf8(name);
    int columns = 0;
    for (QChar c : padded)
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    padded += QString(qMax(0, 52 - columns), QLatin1Char(' '));
    std::printf("  %s %14s %14s\n", qPrintable(padded), qPrintable(shown(t.wallNs)), qPrintable(shown(t.cpuNs)));
    std::fflush(stdout);
}

inline void header(const char *title)
{
    std::printf("%s\n  %-52s %14s %14s\n", title, "median per call", "wall", "cpu");
}

} // namespace vantor::bench
