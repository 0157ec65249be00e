// A main window for widget tests: the wall clock is a fake the test sets, every
// modal box is answered from a queue (OK when the queue is empty) and recorded,
// and the faction chooser is answered by a function instead of a modal wait.
#pragma once

#include "app/form1.h"
#include "app/form2.h"
#include "app/prompt.h"
#include "clock/clock_helpers.h"

#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTest>
#include <QTime>
#include <deque>
#include <functional>
#include <memory>

namespace vantor::testing {

class FakeClock : public ClockSource {
public:
    QTime timeOfDay() const override { return time; }
    void set(int hour, int minute, int second = 0) { time = QTime(hour, minute, second); }
    void setMinutes(int minutesOfDay) { time = QTime(minutesOfDay / 60, minutesOfDay % 60); }
    void advanceMinutes(int minutes) { time = time.addSecs(minutes * 60); }
    QTime time{12, 0};
};

struct Form1Harness {
    FakeClock clock;
    QList<PromptRequest> asked;
    std::deque<bool> answers;                         // OK when empty
    std::function<void(const PromptRequest &)> whileOpen; // runs while a box is "open"
    std::function<void(Form2 &)> choose;              // fills the chooser; OK is pressed after it
    std::unique_ptr<Form1> form;

    explicit Form1Harness(int hour = 12, int minute = 0)
    {
        clock.set(hour, minute);
        setClockSource(&clock);
        Prompt::setBoxHandler([this](const PromptRequest &request) {
            asked.append(request);
            if (whileOpen)
                whileOpen(request);
            if (answers.empty())
                return true;
            const bool ok = answers.front();
            answers.pop_front();
            return ok;
        });
        Prompt::setDialogHandler([this](QDialog &dialog) {
            if (auto *chooser = qobject_cast<Form2 *>(&dialog)) {
                if (choose)
                    choose(*chooser);
                if (chooser->Command1->isEnabled())
                    chooser->Command1->click();
                else
                    chooser->reject();
            }
        });
        form = std::make_unique<Form1>();
        form->Form_Load();
    }

    ~Form1Harness()
    {
        form.reset();
        Prompt::setBoxHandler({});
        Prompt::setDialogHandler({});
        setClockSource(nullptr);
    }

    BattleBoard &board() { return form->board(); }
    PostControls &post(int slot) { return form->posts[slot]; }
    int noticesShown() const
    {
        int n = 0;
        for (const PromptRequest &r : asked)
            n += r.title == QStringLiteral("武将配置のお知らせ");
        return n;
    }
};

// Replaces a box's text by typing, as a player would: each key is an edit.
inline void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

} // namespace vantor::testing
