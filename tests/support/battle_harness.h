// A battle for model tests: the fake desktop's clock set to a time of day, the
// board built there with a faction choice, and the few moves every test makes
// the way the player makes them.
#pragma once

#include "battle/battle.h"
#include "board/post_display.h"
#include "support/fake_desktop.h"

#include <QList>
#include <QStringList>

namespace vantor::testing {

inline const QString WaitingMessage = QStringLiteral("しばらくおまちください(0)");
inline const QString PlacementPassed = QStringLiteral("配置時間を経過しています");
inline const QString PlacementDue = QStringLiteral("の配置予定時刻になりました。");

struct BattleHarness {
    FakeDesktop desktop;
    Battle battle;

    explicit BattleHarness(int hour = 12, int minute = 0, const FactionChoice &choice = {}, Battle::Waits waits = {})
        : battle(desktop, waits)
    {
        desktop.set(hour, minute);
        battle.build(choice);
    }

    const BattleBoard &board() const { return battle.board(); }
    const PostState &state(int slot) const { return battle.board().posts[slot]; }
    PostStatus status(int slot) const { return state(slot).status; }
    QString score(Army army) const { return battle.score(army).text; }

    void tickAt(int minuteOfDay)
    {
        desktop.setMinutes(minuteOfDay);
        battle.tick();
    }

    void press(int slot, Qt::MouseButton button, int times = 1)
    {
        for (int k = 0; k < times; ++k)
            battle.pressPost(slot, button);
    }

    // Two left presses: each post falls to the other army (status 2).
    void take(const QList<int> &posts)
    {
        for (int slot : posts)
            press(slot, Qt::LeftButton, 2);
    }

    // A step into an Awaiting status schedules the post an hour on, so the step is
    // taken an hour before `due`: a right press gives OwnAwaiting, two left presses
    // RivalAwaiting.
    void awaitPlacement(int slot, int due, PostStatus awaiting = OwnAwaiting)
    {
        desktop.setMinutes((due + 1380) % 1440);
        press(slot, awaiting == OwnAwaiting ? Qt::RightButton : Qt::LeftButton, awaiting == OwnAwaiting ? 1 : 2);
    }

    // Battle results on, both scores typed and settled.
    void enterScores(const QString &west, const QString &east)
    {
        battle.setBattleResults(true);
        battle.editScore(Army::West, west);
        battle.editScore(Army::East, east);
        battle.settleTypedScores();
    }

    void enterElapsed(const QString &text)
    {
        battle.editElapsedText(text);
        battle.readTypedElapsedTime();
    }

    bool forecastWaiting() const
    {
        const ForecastView forecast = battle.forecast();
        return forecast.caption == QStringLiteral("--:--") && forecast.message == WaitingMessage
               && forecast.colour == QColor(NeutralGrey);
    }

    // Every notice waiting, oldest first, closed as the player would close them.
    QStringList closeNotices()
    {
        QStringList texts;
        while (battle.hasNotice()) {
            texts << battle.notice();
            battle.closeNotice();
        }
        return texts;
    }
};

} // namespace vantor::testing
