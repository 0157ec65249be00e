// The main window. It owns the BattleBoard and every control that shows it, and
// keeps the board's handlers under the names they have always had: the post hub
// hyouji_change, the forecast nokori_time, the four timers, the change reactions
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

class Form2;

// The eleven controls of one post that take the mouse and share one tooltip,
// and its time box.
struct PostControls {
    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Image1 = nullptr;

    std::array<QWidget *, 11> tooltipGroup() const;
    std::array<QWidget *, 9> colouredGroup() const;
};

void applyPostVisibility(PostControls &post, const DisplayVisibility &visibility);

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    BattleBoard &board() { return m_board; }
    const BattleBoard &board() const { return m_board; }
    Form2 &chooser();

    // Start-up and the faction choice: ask for the factions, then build the board.
    // The window's controls exist from the first call on.
    void Form_Load();

    void hyouji_change(int Index, bool FromTimer, Qt::MouseButton Button);
    void nokori_time();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    void Command1_Click(); // 初期化 without asking
    void Command2_Click(); // clipboard report
    void Command3_Click(); // display mode
    void menu_new_Click();
    void menu_seiryoku_Click();
    void file_end_Click();
    void show_ver_Click();

    std::array<PostControls, SlotCount> posts;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    std::array<QPushButton *, 10> Command{}; // Command4..Command9 at their own numbers
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    std::array<QLabel *, 21> Picture4{};
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;

    QAction *menu_new = nullptr;
    QAction *menu_seiryoku = nullptr;
    QAction *file_end = nullptr;
    QAction *menu_hyouji_change = nullptr;
    QAction *menu_copy = nullptr;
    QAction *show_ver = nullptr;
    QMenu *menu_seigun = nullptr;
    QMenu *menu_togun = nullptr;

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
    void commonReset();
    void resetPost(int slot, Army army);
    void applyDisplayMode();
    bool confirmExit();

    // Posts (form1_posts.cpp)
    void postMouseDown(int slot, Qt::MouseButton button);
    void postDoubleClick(int slot, bool statusLabel);
    void Text1_Change(int Index);
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
    void Text2_Change();

    // Battle results (form1_scores.cpp)
    void Check3_Click();
    void Check1_Click();
    struct ScoreStep {
        Army army;
        int points;
    };
    void scoreButtonDown(ScoreStep step, Qt::MouseButton button);
    void award(QLineEdit *box, int points);
    void scoreChanged();
    void accrueScores(int now);
    bool clampScores();
    QLineEdit *scoreBox(Army army) const;
    void writeScoreQuietly(QLineEdit *box, const QString &text);

    FactionChoice factions();

    BattleBoard m_board;
    std::unique_ptr<Form2> m_form2;
    std::array<QImage, 6> Picture3; // hidden picture holders: two emblems, four status icons
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
