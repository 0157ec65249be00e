// The main window. It owns the BattleBoard and every control that shows it. Every
// change of a post goes through the post hub changePost, and every change that
// can move the end of the battle ends in updateForecast. Each handler reads
// controls, asks the rules in board/, clock/, score/ and report/, and writes
// controls back.
//
// The sources are split by concern:
//   main_window.cpp           building the controls and menus, routing mouse presses
//   main_window_posts.cpp     the post hub, schedules, points, the balance bar, post input
//   main_window_clock.cpp     the clock tick, elapsed time, automatic placement, and
//                             reading typed times back after their waits
//   main_window_scores.cpp    battle results: step buttons, awards, the settle wait,
//                             accrual, and the forecast
//   main_window_commands.cpp  building the board, reset, faction choice, display
//                             switch, clipboard report, About box, exit
//
// The board's guard flags (userInputArmed, elapsedEditArmed,
// scoreChangeSuppressed) fence the program's own writes: a write to a box runs
// its change reaction at once, inside the writer, and the reaction looks at the
// flag first.
#pragma once

#include "board/battle_board.h"
#include "board/display_mode.h"
#include "roster/faction.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <initializer_list>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace vantor {

class BoardScaler;
class FactionChooser;

// The eleven controls of one post that take the mouse and share one tooltip,
// and its time box.
struct PostControls {
    QGroupBox *frame = nullptr;
    QLineEdit *timeBox = nullptr;
    QLabel *mainName = nullptr;
    QLabel *viceName = nullptr;
    QLabel *statusCaption = nullptr;
    QLabel *tagCaption = nullptr;
    QLabel *detailsMainName = nullptr;
    QLabel *mainGeneralDetails = nullptr;
    QLabel *detailsViceName = nullptr;
    QLabel *viceGeneralDetails = nullptr;
    QLabel *pictureBox = nullptr;
    QLabel *tagPicture = nullptr;

    std::array<QWidget *, 11> tooltipGroup() const;
    std::array<QWidget *, 9> colouredGroup() const;
};

void applyPostVisibility(PostControls &post, const DisplayVisibility &visibility);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    BattleBoard &board() { return m_board; }
    const BattleBoard &board() const { return m_board; }
    FactionChooser &chooser();

    // Start-up and the faction choice: ask for the factions, then build the board.
    // The window's controls exist from the first call on.
    void buildBoard();

    // Steps the post by the button (Qt::NoButton steps forward) unless the step is
    // disarmed, then redraws it and everything that follows from it.
    void changePost(int slot, bool fromTimer, Qt::MouseButton button);
    void updateForecast();

    void onClockTick();
    void readTypedPlacementTimes();
    void readTypedElapsedTime();
    void settleTypedScores();

    void resetBoard(); // 初期化 without asking
    void copyReport();
    void switchDisplayMode();
    void resetCommand(); // asks first
    void chooseFactions();
    void exitCommand();
    void showAbout();
    void keepOnTop(bool on); // 常に手前に表示

    std::array<PostControls, SlotCount> posts;
    QLabel *westFactionCaption = nullptr;
    QLabel *eastFactionCaption = nullptr;
    QLabel *clockCaption = nullptr;
    QLabel *westRateCaption = nullptr;
    QLabel *eastRateCaption = nullptr;
    QLabel *forecastCaption = nullptr;
    QGroupBox *clockFrame = nullptr;
    QGroupBox *elapsedFrame = nullptr;
    QGroupBox *forecastFrame = nullptr;
    QLineEdit *elapsedBox = nullptr;
    QLineEdit *westScoreBox = nullptr;
    QLineEdit *eastScoreBox = nullptr;
    QPushButton *resetButton = nullptr;
    QPushButton *copyReportButton = nullptr;
    QPushButton *displaySwitchButton = nullptr;
    std::array<QPushButton *, 6> scoreStepButtons{}; // West 1, 10, 100, then East 1, 10, 100
    QPushButton *scoreStepButton(Army army, int points) const;
    QCheckBox *autoPlaceCheck = nullptr;
    QCheckBox *noticeBoxCheck = nullptr;
    QCheckBox *battleResultsCheck = nullptr;
    std::array<QLabel *, 21> balanceBar{};
    QTimer *clockTick = nullptr;
    QTimer *placementEditWait = nullptr;
    QTimer *elapsedEditWait = nullptr;
    QTimer *scoreSettleWait = nullptr;
    BoardScaler *boardScaler = nullptr;

    QAction *resetAction = nullptr;
    QAction *chooseFactionsAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *displaySwitchAction = nullptr;
    QAction *copyReportAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *alwaysOnTopAction = nullptr;
    QMenu *westAwardMenu = nullptr;
    QMenu *eastAwardMenu = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Window construction (main_window.cpp)
    void buildWindowOnce();
    void buildControls();
    void buildTopStrip(QWidget *client);
    void buildPost(QWidget *client, int slot);
    void buildBottomStrip(QWidget *client);
    void buildMenus();
    void openAtFittingSize();
    void watchMouse(QWidget *control, int slot, bool statusLabel);
    void keepMenuShortcuts(QLineEdit *box);

    // Board set-up (main_window_commands.cpp)
    void resetPost(int slot, Army army);
    bool confirmExit();

    // Posts (main_window_posts.cpp)
    void postMouseDown(int slot, Qt::MouseButton button);
    void postDoubleClick(int slot, bool statusLabel);
    void onTimeBoxEdited(int slot);
    void showPostNames(int slot, Army holder);
    void setPostTooltip(int slot, const QString &text);
    void setPostImage(int slot, int index);
    void drawTagPictures();
    void restoreSchedule(int slot, int now);
    void freshSchedule(int slot);
    void disableTimeBox(QLineEdit *box);
    void creditPoints(int slot, PostStatus status, Qt::MouseButton button);
    void redrawBalance();
    void showPlacementNotice(int slot, Army holder);
    void placeDuePosts(int now);

    // Clock (main_window_clock.cpp)
    void advanceElapsed(int now);
    void onElapsedBoxEdited();

    // Battle results (main_window_scores.cpp)
    void onBattleResultsToggled();
    void onAutoPlaceToggled();
    struct ScoreStep {
        Army army;
        int points;
    };
    void scoreButtonDown(ScoreStep step, Qt::MouseButton button);
    void award(QLineEdit *box, int points);
    void onScoreBoxEdited();
    void accrueScores(int now);
    bool typedScoresPending() const;
    bool clampScores(std::initializer_list<QLineEdit *> boxes);
    QLineEdit *scoreBox(Army army) const;
    void writeScoreQuietly(QLineEdit *box, const QString &text);

    FactionChoice factions();

    BattleBoard m_board;
    std::unique_ptr<FactionChooser> m_chooser;
    // The board in play keeps the factions it was built with: while 勢力選択 has
    // the chooser open, its half-made choice must not reach notices or redraws.
    FactionChoice m_builtChoice;
    std::array<QPixmap, 6> tagPictures; // the two emblems, then the four status icons
    std::array<int, SlotCount> m_postPicture{}; // which of them each post shows
    struct MouseTarget {
        int slot;
        bool statusLabel;
    };
    QHash<QObject *, MouseTarget> m_mouseTargets;
    QHash<QObject *, ScoreStep> m_scoreButtons;
    bool m_tickRunning = false;
    bool m_exitConfirmed = false;
};

} // namespace vantor
