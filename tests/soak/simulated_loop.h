// The soak's event loop: Qt's timers are registered with it as with any loop,
// but its clock is simulated. Time moves only when the soak moves it, and a
// timer fires only when the soak delivers it, the way Qt's own loop would: in
// the order the timers fall due, a repeating timer that woke late once and then
// an interval after it ran, and a single-shot QTimer stopped by QTimer itself
// before its slot runs. Nothing fires inside a slot, so no slot is re-entered.
// It has to be the main thread's loop before the application exists.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <optional>
#include <vector>

namespace vantor::soak {

class SimulatedLoop : public QAbstractEventDispatcher {
public:
    struct Timer {
        int id;
        QObject *object;
        qint64 interval; // ms
        qint64 due; // ms on the simulated clock
        quint64 order; // of registration: among timers due together, the first registered runs first
    };

    qint64 now() const { return m_now; }
    void advanceTo(qint64 ms) { m_now = std::max(m_now, ms); }
    const std::vector<Timer> &timers() const { return m_timers; }

    // The timer the loop would run next, if it falls due by `until`.
    std::optional<Timer> nextDue(qint64 until) const
    {
        const auto first = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer &a, const Timer &b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (first == m_timers.end() || first->due > until)
            return std::nullopt;
        return *first;
    }

    // Runs the timer at the current time, which the caller has moved to its due.
    void fire(int id)
    {
        const auto timer = find(id);
        if (timer == m_timers.end())
            return;
        // Like Qt's loop, the next due time is set before the timer runs.
        timer->due += timer->interval;
        if (timer->due < m_now)
            timer->due = m_now + timer->interval;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(timer->object, &event);
    }

    bool processEvents(QEventLoop::ProcessEventsFlags) override
    {
        QCoreApplication::sendPostedEvents();
        return false;
    }
    void registerSocketNotifier(QSocketNotifier *) override { }
    void unregisterSocketNotifier(QSocketNotifier *) override { }
    void registerTimer(int id, qint64 interval, Qt::TimerType, QObject *object) override
    {
        m_timers.push_back({id, object, interval, m_now + interval, m_registrations++});
    }
    bool unregisterTimer(int id) override
    {
        const auto timer = find(id);
        if (timer == m_timers.end())
            return false;
        m_timers.erase(timer);
        return true;
    }
    bool unregisterTimers(QObject *object) override
    {
        return std::erase_if(m_timers, [object](const Timer &t) { return t.object == object; }) > 0;
    }
    QList<TimerInfo> registeredTimers(QObject *object) const override
    {
        QList<TimerInfo> infos;
        for (const Timer &t : m_timers)
            if (t.object == object)
                infos.append(TimerInfo(t.id, int(t.interval), Qt::CoarseTimer));
        return infos;
    }
    int remainingTime(int id) override
    {
        const auto timer = find(id);
        return timer == m_timers.end() ? -1 : int(std::max<qint64>(0, timer->due - m_now));
    }
    void wakeUp() override { }
    void interrupt() override { }

private:
    std::vector<Timer>::iterator find(int id)
    {
        return std::find_if(m_timers.begin(), m_timers.end(), [id](const Timer &t) { return t.id == id; });
    }

    qint64 m_now = 0;
    quint64 m_registrations = 0;
    std::vector<Timer> m_timers;
};

// Makes a new loop the main thread's. Only before the application exists:
// Qt keeps the first loop a thread is given.
inline SimulatedLoop &installSimulatedLoop()
{
    auto *loop = new SimulatedLoop; // the thread owns it from here
    QCoreApplication::setEventDispatcher(loop);
    return *loop;
}

} // namespace vantor::soak
