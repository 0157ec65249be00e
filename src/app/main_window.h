// The main window. It owns the BattleBoard and every control that shows it, and
// keeps the board's handlers under the names they have always had: the post hub
// changePost, the forecast updateForecast, the four timers, the change reactions
// of the boxes and the menu commands. Each handler reads controls, asks the rules
// in board/, clock/, score/ and report/, and writes controls back.
//
// The sources are split by concern: form1.cpp builds the window, form1_posts.cpp
// the posts and their mouse input, form1_clock.cpp the ticks and typed times,
// form1_scores.cpp the battle results and the forecast, form1_commands.cpp the
// start, reset, menus, export and exit.
//
// Guard flags of the board (UserInputArmed, Text2ChangeArmed,
// ScoreChangeSuppressed) fence the program's own writes: a write to a box runs
// its change reaction at once, inside the writer, and the reaction looks at the
// flag first.
#pragma once

#include "board/battle_board.h"
#include "board/display_mode.h"
#include "roster/faction.h"

#include <QHash>
#include <QMainWindow>
#include <array>
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

    void changePost(int Index, bool FromTimer, Qt::MouseButton Button);
    void updateForecast();

    void onClockTick();
    void readTypedPlacementTimes();
    void readTypedElapsedTime();
    void settleTypedScores();

    void resetBoard(); // 初期化 without asking
    void copyReport(); // clipboard report
    void switchDisplayMode(); // display mode
    void resetCommand();
    void chooseFactions();
    void exitCommand();
    void showAbout();

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

    QAction *resetAction = nullptr;
    QAction *chooseFactionsAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *displaySwitchAction = nullptr;
    QAction *copyReportAction = nullptr;
    QAction *aboutAction = nullptr;
    QMenu *westAwardMenu = nullptr;
    QMenu *eastAwardMenu = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Window construction (form1.cpp)
    void buildWindowOnce();
    void buildControls();
    void buildTopStrip(QWidget *client);
    void buildPost(QWidget *client, int slot);
    void buildBottomStrip(QWidget *client);
    void buildMenus();
    void watchMouse(QWidget *control, int slot, bool statusLabel);
    void keepMenuShortcuts(QLineEdit *box);

    // Board set-up (form1_commands.cpp)
    void resetPost(int slot, Army army);
    void applyDisplayMode();
    bool confirmExit();

    // Posts (form1_posts.cpp)
    void postMouseDown(int slot, Qt::MouseButton button);
    void postDoubleClick(int slot, bool statusLabel);
    void onTimeBoxEdited(int Index);
    void showPostNames(int slot, Army holder);
    void setPostTooltip(int slot, const QString &text);
    void setPostImage(int slot, int index);
    void restoreSchedule(int slot, int now);
    void freshSchedule(int slot);
    void creditPoints(int slot, PostStatus status, Qt::MouseButton Button);
    void redrawBalance();
    void showPlacementNotice(int slot, Army holder);
    void placeDuePosts(int now);

    // Clock (form1_clock.cpp)
    void advanceElapsed(int now);
    void onElapsedBoxEdited();

    // Battle results (form1_scores.cpp)
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
    bool clampScores();
    QLineEdit *scoreBox(Army army) const;
    void writeScoreQuietly(QLineEdit *box, const QString &text);

    FactionChoice factions();

    BattleBoard m_board;
    std::unique_ptr<FactionChooser> m_chooser;
    std::array<QImage, 6> tagPictures; // hidden picture holders: two emblems, four status icons
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
