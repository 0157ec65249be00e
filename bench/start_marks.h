// Marks that the start-up programs print for the start-up driver: the
// monotonic time of each step and the process's CPU time so far, one line per
// mark ("mark <name> <monotonic ns> <cpu ns>"), written when the program ends.
#pragma once

#include "bench_timing.h"

#include <QByteArray>

#include <cstdio>
#include <vector>

namespace vantor::bench {

class StartMarks {
public:
    void mark(const char *name)
    {
        m_marks.push_back({name, nanosNow(CLOCK_MONOTONIC), nanosNow(CLOCK_PROCESS_CPUTIME_ID)});
    }

    void print() const
    {
        for (const Mark &m : m_marks)
            std::printf("mark %s %lld %lld\n", m.name, static_cast<long long>(m.wall), static_cast<long long>(m.cpu));
        std::fflush(stdout);
    }

private:
    struct Mark {
        const char *name;
        qint64 wall;
        qint64 cpu;
    };
    std::vector<Mark> m_marks;
};

} // namespace vantor::bench
