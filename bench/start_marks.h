// Marks that the start-up programs print for the start-up driver: the
// monotonic time of each step and the process's CPU time so far, one line per
// mark ("mark <name> <monotonic ns> <cpu ns>"), written when the program ends.
#pragma once

#include "bench_timing.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <functional>
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

// The first time a widget of a window that `matches` receives an event of
// `type` (its first painted frame, say), writes the mark `name` and then runs
// `then`; both wait until that event has been delivered. Install it on the
// window, or on the application to watch every window.
class FirstEvent : public QObject {
public:
    FirstEvent(StartMarks &marks, const char *name, QEvent::Type type, std::function<bool(QWidget *)> matches,
               std::function<void()> then = [] {})
        : m_marks(marks), m_name(name), m_type(type), m_matches(std::move(matches)), m_then(std::move(then))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != m_type || !watched->isWidgetType()
            || !m_matches(static_cast<QWidget *>(watched)->window()))
            return false;
        m_seen = true;
        QMetaObject::invokeMethod(
            this, [this] {
                m_marks.mark(m_name);
                m_then();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    StartMarks &m_marks;
    const char *m_name;
    QEvent::Type m_type;
    std::function<bool(QWidget *)> m_matches;
    std::function<void()> m_then;
    bool m_seen = false;
};

// quit() would first try to close the windows, and Vantor's asks to confirm.
inline void endNow()
{
    QCoreApplication::exit(0);
}

inline bool anyWindow(QWidget *)
{
    return true;
}

} // namespace vantor::bench
