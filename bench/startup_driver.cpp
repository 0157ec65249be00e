// Starts the start-up programs in turn, `runs` times each, and reports the
// median time from the spawn to each of their marks, the CPU time spent by
// then, and the peak resident memory of each run (the figure /usr/bin/time -v
// prints, taken from the same wait4 rusage). A third program, the chooser
// alone, shows what the chooser would cost if nothing were built before it.
//   startup_driver <runs> <bare program> <vantor start program> [chooser program]
//
// With --first-window it starts real programs instead, builds of Vantor from
// two commits say, alternately on the X server of DISPLAY, and takes the time
// from the spawn to the moment the server maps the program's first window:
// what a player waits for, seen from outside, so that the programs need no
// marks of their own. Each program is killed as soon as its window is mapped,
// so its CPU time and peak memory are those of the start up to then.
//   startup_driver --first-window <runs> <program> <program>...
#include "bench_timing.h"

#include <QStringList>

#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <type_traits>
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

// The few X calls the first-window watch makes. libxcb is opened only when
// --first-window asks for it, so the offscreen runs need no X library.
class XWatch {
public:
    ~XWatch()
    {
        if (m_connection)
            m_disconnect(m_connection);
    }

    bool open()
    {
        void *library = dlopen("libxcb.so.1", RTLD_NOW);
        if (!library)
            return fail(dlerror());
        const auto resolve = [library](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            return function != nullptr;
        };
        decltype(&xcb_connect) connect;
        decltype(&xcb_connection_has_error) hasError;
        decltype(&xcb_get_setup) setup;
        decltype(&xcb_setup_roots_iterator) roots;
        decltype(&xcb_change_window_attributes) changeAttributes;
        decltype(&xcb_flush) flush;
        if (!resolve(connect, "xcb_connect") || !resolve(hasError, "xcb_connection_has_error")
            || !resolve(setup, "xcb_get_setup") || !resolve(roots, "xcb_setup_roots_iterator")
            || !resolve(changeAttributes, "xcb_change_window_attributes") || !resolve(flush, "xcb_flush")
            || !resolve(m_pollForEvent, "xcb_poll_for_event") || !resolve(m_fileDescriptor, "xcb_get_file_descriptor")
            || !resolve(m_disconnect, "xcb_disconnect"))
            return fail("libxcb lacks a function");
        m_connection = connect(nullptr, nullptr);
        if (hasError(m_connection))
            return fail("cannot open the display of DISPLAY");
        // Top-level windows are children of the root (there is no window
        // manager to reparent them): their maps arrive as the root's
        // substructure events.
        const xcb_window_t root = roots(setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        changeAttributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        flush(m_connection);
        return true;
    }

    // Events of programs started earlier are not this one's.
    void drain()
    {
        while (xcb_generic_event_t *event = m_pollForEvent(m_connection))
            std::free(event);
    }

    // The monotonic time at which a window was mapped, or 0 after
    // `timeoutMs` without one.
    qint64 waitForMap(int timeoutMs)
    {
        const qint64 deadline = nanosNow(CLOCK_MONOTONIC) + qint64(timeoutMs) * 1000000;
        for (;;) {
            while (xcb_generic_event_t *event = m_pollForEvent(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(event);
                if (mapped)
                    return nanosNow(CLOCK_MONOTONIC);
            }
            const qint64 left = deadline - nanosNow(CLOCK_MONOTONIC);
            if (left <= 0)
                return 0;
            pollfd fd{m_fileDescriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left / 1000000) + 1);
        }
    }

private:
    static bool fail(const char *why)
    {
        std::fprintf(stderr, "--first-window: %s\n", why);
        return false;
    }

    xcb_connection_t *m_connection = nullptr;
    decltype(&xcb_poll_for_event) m_pollForEvent = nullptr;
    decltype(&xcb_get_file_descriptor) m_fileDescriptor = nullptr;
    decltype(&xcb_disconnect) m_disconnect = nullptr;
};

struct FirstWindow {
    double ms = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

bool firstWindowOnce(XWatch &x, const char *program, FirstWindow &result)
{
    x.drain();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const qint64 spawned = nanosNow(CLOCK_MONOTONIC);
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        return false;
    const qint64 mapped = x.waitForMap(20000);
    kill(pid, SIGKILL);
    rusage usage{};
    int status = 0;
    wait4(pid, &status, 0, &usage);
    if (mapped == 0) {
        std::fprintf(stderr, "%s showed no window within 20 s\n", program);
        return false;
    }
    result.ms = (mapped - spawned) / 1e6;
    // Killed at once, the program has spent hardly any CPU time after the map.
    result.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                   + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    result.peakMiB = usage.ru_maxrss / 1024.0;
    return true;
}

int firstWindow(int runs, const std::vector<const char *> &programs)
{
    XWatch x;
    if (!x.open())
        return 1;
    std::vector<std::vector<double>> times(programs.size()), cpus(programs.size()), peaks(programs.size());
    for (int i = 0; i < runs; ++i) {
        // Every other round runs the programs in the opposite order, so that
        // none always follows the same one.
        for (size_t k = 0; k < programs.size(); ++k) {
            const size_t p = i % 2 == 0 ? k : programs.size() - 1 - k;
            FirstWindow run;
            if (!firstWindowOnce(x, programs[p], run))
                return 1;
            times[p].push_back(run.ms);
            cpus[p].push_back(run.cpuMs);
            peaks[p].push_back(run.peakMiB);
        }
    }
    std::printf("First window mapped, %d interleaved starts each\n", runs);
    for (size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> sorted = times[p];
        std::sort(sorted.begin(), sorted.end());
        std::printf("  %s\n    median %.1f ms after spawn (quartiles %.1f–%.1f, fastest %.1f), %.1f ms CPU, "
                    "peak RSS %.1f MiB\n",
                    programs[p], median(times[p]), sorted[sorted.size() / 4], sorted[sorted.size() * 3 / 4],
                    sorted.front(), median(cpus[p]), median(peaks[p]));
    }
    for (size_t p = 1; p < programs.size(); ++p)
        std::printf("  program %zu / program 1: %.3f× (median time), %.3f× (median CPU), %+.1f MiB (median peak RSS)\n",
                    p + 1, median(times[p]) / median(times[0]), median(cpus[p]) / median(cpus[0]),
                    median(peaks[p]) - median(peaks[0]));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && std::strcmp(argv[1], "--first-window") == 0)
        return firstWindow(std::atoi(argv[2]), std::vector<const char *>(argv + 3, argv + argc));
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: %s <runs> <bare program> <vantor start program> [chooser program]\n"
                     "       %s --first-window <runs> <program> <program>...\n",
                     argv[0], argv[0]);
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
