// The main window: the board's views laid out as designed, the menus, and the
// wiring between them and the battle. The battle owns everything the board
// shows; the window hands the player's input to it, redraws a view when the
// battle says it changed, asks before the destructive commands, shows the
// placement notices one at a time, and scales the board with the window.
#pragma once

#include "board/post_status.h"

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace vantor {

class BalanceBar;
class Battle;
class BoardScaler;
class BoardTextBox;
class Desktop;
class FactionChooser;
class ForecastPanel;
class PostWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Battle &battle, Desktop &desktop, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up and 勢力選択: the chooser first, then the board for its choice.
    // The board's views are built, unseen, once the chooser is answered.
    void chooseAndBuild();
    FactionChooser &chooser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Building the board (main_window.cpp)
    void buildBoardOnce();
    void buildTopStrip(QWidget *board);
    void buildPosts(QWidget *board);
    void buildBottomStrip(QWidget *board);
    void buildMenus();
    void openAtFittingSize();
    void connectBattle();

    // Showing the battle
    void showFactions();
    void showPost(int slot);
    void showDisplayMode();
    void showClock();
    void showElapsed();
    void showScores();
    void showBalance();
    void showForecast();
    void showOptions();
    void showNextNotice();
    void drawTagPictures();
    void focusPostBeside(int slot, int columns, int rows);
    void makeTabStop(int slot);

    // Commands (main_window_commands.cpp)
    void resetCommand();
    void chooseFactions();
    void copyReport();
    void showAbout();
    void keepOnTop(bool on);
    void exitCommand();
    bool confirmExit();

    Battle &m_battle;
    Desktop &m_desktop;
    std::unique_ptr<FactionChooser> m_chooser;
    BoardScaler *m_scaler = nullptr;
    std::array<PostWidget *, SlotCount> m_posts{};
    std::array<QPixmap, 6> m_tagPictures; // the two emblems, then the four status icons
    QLabel *m_westFactionCaption = nullptr;
    QLabel *m_eastFactionCaption = nullptr;
    QLabel *m_clockCaption = nullptr;
    BoardTextBox *m_elapsedBox = nullptr;
    BoardTextBox *m_westScoreBox = nullptr;
    BoardTextBox *m_eastScoreBox = nullptr;
    QLabel *m_westRateCaption = nullptr;
    QLabel *m_eastRateCaption = nullptr;
    BalanceBar *m_balanceBar = nullptr;
    std::array<QPushButton *, 6> m_stepButtons{};
    QCheckBox *m_autoPlaceCheck = nullptr;
    QCheckBox *m_noticeBoxCheck = nullptr;
    QCheckBox *m_battleResultsCheck = nullptr;
    ForecastPanel *m_forecast = nullptr;
    QLabel *m_copyNote = nullptr;
    QTimer *m_copyNoteWait = nullptr;
    QMenu *m_westAwardMenu = nullptr;
    QMenu *m_eastAwardMenu = nullptr;
    bool m_noticeOpen = false;
    bool m_exitConfirmed = false;
};

} // namespace vantor
