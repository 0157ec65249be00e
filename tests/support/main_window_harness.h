// A main window for widget tests: the wall clock is a fake the test sets, every
// modal box is answered from a queue (OK when the queue is empty) and recorded,
// and the faction chooser is answered by a function instead of a modal wait.
#pragma once

#include "app/main_window.h"
#include "app/faction_chooser.h"
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

struct MainWindowHarness {
    FakeClock clock;
    QList<PromptRequest> asked;
    std::deque<bool> answers;                         // OK when empty
    std::function<void(const PromptRequest &)> whileOpen; // runs while a box is "open"
    std::function<void(FactionChooser &)> choose;              // fills the chooser; OK is pressed after it
    std::unique_ptr<MainWindow> window;

    explicit MainWindowHarness(int hour = 12, int minute = 0)
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
            if (auto *chooser = qobject_cast<FactionChooser *>(&dialog)) {
                if (choose)
                    choose(*chooser);
                if (chooser->okButton->isEnabled())
                    chooser->okButton->click();
                else
                    chooser->reject();
            }
        });
        window = std::make_unique<MainWindow>();
        window->buildBoard();
    }

    ~MainWindowHarness()
    {
        window.reset();
        Prompt::setBoxHandler({});
        Prompt::setDialogHandler({});
        setClockSource(nullptr);
    }

    BattleBoard &board() { return window->board(); }
    PostControls &post(int slot) { return window->posts[slot]; }
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
