// Starts the start-up programs in turn, `runs` times each, and reports the
// median time from the spawn to each of their marks, the CPU time spent by
// then, and the peak resident memory of each run (the figure /usr/bin/time -v
// prints, taken from the same wait4 rusage). A third program, the chooser
// alone, shows what the chooser would cost if nothing were built before it.
//   startup_driver <runs> <bare program> <vantor start program> [chooser program]
#include "bench_timing.h"

#include <QStringList>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using vantor::bench::median;
using vantor::bench::nanosNow;

struct Run {
    std::map<std::string, std::pair<double, double>> marks; // ms since spawn, CPU ms
    double peakMiB = 0;
    double totalCpuMs = 0;
};

bool runOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const qint64 spawned = nanosNow(CLOCK_MONOTONIC);
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    run.totalCpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                     + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    for (const QString &line : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.size() == 4 && f[0] == QLatin1String("mark"))
            run.marks[f[1].toStdString()] = {(f[2].toLongLong() - spawned) / 1e6, f[3].toLongLong() / 1e6};
    }
    return true;
}

struct Summary {
    std::map<std::string, std::pair<double, double>> marks;
    double peakMiB = 0;
    double totalCpuMs = 0;
};

Summary summarise(const std::vector<Run> &runs)
{
    Summary s;
    std::vector<double> peaks, cpus;
    for (const Run &r : runs) {
        peaks.push_back(r.peakMiB);
        cpus.push_back(r.totalCpuMs);
    }
    s.peakMiB = median(peaks);
    s.totalCpuMs = median(cpus);
    for (const auto &[name, unused] : runs.front().marks) {
        std::vector<double> wall, cpu;
        for (const Run &r : runs) {
            wall.push_back(r.marks.at(name).first);
            cpu.push_back(r.marks.at(name).second);
        }
        s.marks[name] = {median(wall), median(cpu)};
    }
    return s;
}

void print(const char *title, const Summary &s)
{
    std::printf("%s\n", title);
    std::vector<std::pair<double, std::string>> ordered;
    for (const auto &[name, t] : s.marks)
        ordered.push_back({t.first, name});
    std::sort(ordered.begin(), ordered.end());
    for (const auto &[ms, name] : ordered)
        std::printf("  %-18s %8.1f ms after spawn, %7.1f ms CPU\n", name.c_str(), ms, s.marks.at(name).second);
    std::printf("  peak RSS %.1f MiB, CPU of the whole run %.1f ms\n", s.peakMiB, s.totalCpuMs);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <runs> <bare program> <vantor start program> [chooser program]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<Run>> results(programs);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            Run run;
            if (!runOnce(argv[2 + p], run)) {
                std::fprintf(stderr, "%s failed\n", argv[2 + p]);
                return 1;
            }
            results[p].push_back(run);
        }
    }
    const Summary b = summarise(results[0]);
    const Summary v = summarise(results[1]);
    std::printf("Start-up, median of %d runs each\n", runs);
    print("bare window with one label:", b);
    print("Vantor:", v);
    if (programs == 3)
        print("the chooser alone, nothing built before it:", summarise(results[2]));
    const double bareFrame = b.marks.at("window-painted").first;
    const double chooser = v.marks.at("chooser-painted").first;
    std::printf("chooser painted / bare window painted: %.2f× (wall), %.2f× (CPU)\n", chooser / bareFrame,
                v.marks.at("chooser-painted").second / b.marks.at("window-painted").second);
    std::printf("peak RSS Vantor − bare: %+.1f MiB\n", v.peakMiB - b.peakMiB);
    return 0;
}
