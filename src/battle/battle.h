// The battle in play: the eighteen posts and everything battle-wide, the four
// waits that drive them, and the placement notices waiting for the player. It
// has no widgets. Every action of the player and every tick of a wait is one
// call; each call ends by telling the views, once, what it changed, through the
// signals below, and the views then ask for what they show.
//
// The sources are split by concern:
//   battle.cpp         building the board, reset, the options, the display
//                      switch, the report, and what the views are shown
//   battle_posts.cpp   the post hub: steps, schedules, points, rates, notices
//   battle_clock.cpp   the clock tick, the elapsed time, automatic placement and
//                      the read-back of typed times
//   battle_scores.cpp  battle results: steps, awards, typing, settling, accrual
//                      and the forecast that reads them
//
// Writing a box's text runs the box's change reaction at once, inside the
// writer, as typing into it does; the guard flags of BattleBoard keep the
// board's own writes from counting as the player's edits where they must not.
#pragma once

#include "battle/battle_board.h"
#include "battle/board_views.h"
#include "board/balance.h"
#include "score/score_rules.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <deque>

namespace vantor {

class Desktop;

class Battle : public QObject {
    Q_OBJECT
public:
    // How long each wait lasts; tests shorten them to run the real event loop.
    struct Waits {
        std::chrono::milliseconds clockTick{10000};
        std::chrono::milliseconds placementEdit{30000};
        std::chrono::milliseconds elapsedEdit{10000};
        std::chrono::milliseconds scoreSettle{10000};
        std::chrono::milliseconds mark{5000}; // how long a post the clock switched stays marked
    };

    explicit Battle(Desktop &desktop, QObject *parent = nullptr);
    Battle(Desktop &desktop, Waits waits, QObject *parent = nullptr);

    // The player's actions.
    void build(const FactionChoice &choice); // start-up and 勢力選択, once the chooser is answered
    void reset();                            // 初期化
    void pressPost(int slot, Qt::MouseButton button);
    void doubleClickPost(int slot, bool onStatusCaption);
    void editTimeText(int slot, const QString &text);
    void editElapsedText(const QString &text);
    void editScore(Army army, const QString &text);
    void stepScore(Army army, int points, StepDirection direction);
    void award(Army army, int points);
    void setAutoPlace(bool on);
    void setNoticeBox(bool on);
    void setBattleResults(bool on);
    void switchDisplayMode();
    void closeNotice(); // the player closed the notice on screen
    QString report() const;

    // The waits' ticks. The timers call them; a test may call one directly
    // wherever the event loop could deliver it.
    void tick();                    // every ten seconds
    void readTypedPlacementTimes(); // thirty seconds after a post's time was typed
    void readTypedElapsedTime();    // ten seconds after the elapsed time was typed
    void settleTypedScores();       // ten seconds after a score was edited
    void clearMarks();              // a few seconds after a post was marked

    // What the views show.
    const BattleBoard &board() const { return m_board; }
    const FactionChoice &choice() const { return m_board.choice; }
    QString title() const;
    QString factionCaption(Army army) const;
    PostView post(int slot) const;
    DisplayMode displayMode() const { return m_board.displayMode; }
    QString clockCaption() const { return m_board.clockText; }
    BoxView elapsed() const;
    BoxView score(Army army) const;
    Rates rates() const { return {m_board.westRate, m_board.eastRate}; }
    std::array<QColor, BalanceCells> balance() const;
    ForecastView forecast() const;
    OptionsView options() const;
    // The notice on screen, or waiting for the one before it to close.
    bool hasNotice() const { return !m_notices.empty(); }
    QString notice() const { return hasNotice() ? m_notices.front() : QString(); }

    static inline const QString NoticeTitle = QStringLiteral("武将配置のお知らせ");

signals:
    void factionsChanged(); // the title, the faction captions and the emblems
    void postChanged(int slot);
    void displayModeChanged();
    void clockChanged();
    void elapsedChanged();
    void scoresChanged();
    void balanceChanged(); // the rates and the bar
    void forecastChanged();
    void optionsChanged();
    void noticesChanged();

private:
    enum Change : unsigned {
        Factions = 1 << 0,
        Display = 1 << 1,
        Clock = 1 << 2,
        Elapsed = 1 << 3,
        Scores = 1 << 4,
        Balance = 1 << 5,
        Forecast = 1 << 6,
        Options = 1 << 7,
        Notices = 1 << 8,
        Everything = (1 << 9) - 1,
    };
    // Every public call holds one: the signals go out when the outermost ends,
    // so a view never sees a change half made.
    class Batch {
    public:
        explicit Batch(Battle &battle)
            : m_battle(battle)
        {
            ++m_battle.m_batchDepth;
        }
        ~Batch()
        {
            if (--m_battle.m_batchDepth == 0)
                m_battle.publish();
        }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        Battle &m_battle;
    };
    void touch(Change change) { m_changed |= change; }
    void touchPost(int slot) { m_changedPosts[slot] = true; }
    void publish();

    int nowMinutes() const;

    // Posts (battle_posts.cpp)
    void changePost(int slot, bool fromTimer, Qt::MouseButton button);
    bool postShown(int slot) const;
    void restoreSchedule(int slot, int now);
    void freshSchedule(int slot, QTime now);
    void creditPoints(int slot, PostStatus status, Qt::MouseButton button);
    void updateRates();
    void queueNotice(int slot, Army holder);
    void mark(int slot);
    void writeTimeText(int slot, const QString &text);
    void onTimeTextChanged(int slot);

    // Clock (battle_clock.cpp)
    void advanceElapsed(int now);
    void placeDuePosts(int now);
    void writeElapsedText(const QString &text);
    void onElapsedTextChanged();

    // Battle results (battle_scores.cpp)
    enum class Write {
        Typed, // the player's keys
        Edit,  // the board's own write that still counts as an edit
        Quiet, // the board's own write that the box's change reaction ignores
    };
    void writeScore(Army army, const QString &text, Write write);
    void onScoreTextChanged();
    enum class Clamp { Floor, FloorAndBound };
    void clampScores(std::initializer_list<Army> armies, Clamp clamp = Clamp::FloorAndBound);
    void accrueScores(int now);
    void updateForecast();

    Desktop &m_desktop;
    BattleBoard m_board;
    std::deque<QString> m_notices;
    QTimer m_clockTick;
    QTimer m_placementEditWait;
    QTimer m_elapsedEditWait;
    QTimer m_scoreSettleWait;
    QTimer m_markWait;
    int m_batchDepth = 0;
    unsigned m_changed = 0;
    std::array<bool, SlotCount> m_changedPosts{};
};

} // namespace vantor
