// A desktop for tests: the time of day is whatever the test sets, sounds and
// calls for attention are counted, confirmations are answered from a queue (OK
// when it is empty), notices stay open until the test closes them, and dialogs
// are handed to a function instead of waiting for a player.
#pragma once

#include "battle/desktop.h"

#include <QList>
#include <QString>
#include <QTime>

#include <deque>
#include <functional>

namespace vantor::testing {

class FakeDesktop : public Desktop {
public:
    struct Question {
        QString title;
        QString text;
    };
    struct Notice {
        QString title;
        QString text;
        std::function<void()> closed;
    };

    QTime time{12, 0};
    QList<int> sounds;
    int attentionCalls = 0;
    QList<Question> asked;
    std::deque<bool> answers; // OK when empty
    QList<Notice> notices;    // every notice shown, open or closed
    int openNotices = 0;
    std::function<void(QDialog &)> dialogs;

    void set(int hour, int minute, int second = 0) { time = QTime(hour, minute, second); }
    void setMinutes(int minutesOfDay) { time = QTime(minutesOfDay / 60, minutesOfDay % 60); }
    void advanceMinutes(int minutes) { time = time.addSecs(minutes * 60); }

    // Closes the oldest notice still open, as its OK button would.
    void closeNotice()
    {
        for (Notice &notice : notices) {
            if (notice.closed) {
                --openNotices;
                std::exchange(notice.closed, {})();
                return;
            }
        }
    }

    QTime timeOfDay() const override { return time; }
    void playNoticeSound(int kind) override { sounds.append(kind); }
    void callForAttention() override { ++attentionCalls; }
    bool confirm(const QString &title, const QString &text) override
    {
        asked.append({title, text});
        if (answers.empty())
            return true;
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    void inform(const QString &title, const QString &text, std::function<void()> closed) override
    {
        ++openNotices;
        notices.append({title, text, std::move(closed)});
    }
    void runDialog(QDialog &dialog) override
    {
        if (dialogs)
            dialogs(dialog);
    }
};

} // namespace vantor::testing
