// Start, reset and the window's commands: the faction choice, the display modes,
// the clipboard report, the About box and exit.
#include "app/main_window.h"

#include "app/control_writes.h"
#include "app/faction_chooser.h"
#include "app/about_box.h"
#include "app/prompt.h"
#include "board/display_mode.h"
#include "board/post_display.h"
#include "clock/clock_helpers.h"
#include "report/report.h"
#include "roster/roster.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QWindow>
#include <QLineEdit>
#include <QTimer>

namespace vantor {

void MainWindow::buildBoard()
{
    // The chooser comes first so that it is on screen as soon as the program
    // starts; the board's controls are built while nobody sees them, after it.
    Prompt::runDialog(chooser());
    m_builtChoice = chooser().choice();
    buildWindowOnce();
    for (int s = 0; s < SlotCount; ++s)
        posts[s].frame->setTitle(postCaption(s));
    m_board.statusWords[0] = QStringLiteral("健在");
    m_board.statusWords[1] = QStringLiteral("主将戦闘中");
    m_board.statusWords[2] = QStringLiteral("主将配置待ち");

    const FactionChoice choice = factions();
    const QString west = factionName(choice.WestFaction);
    const QString east = factionName(choice.EastFaction);
    westFactionCaption->setText(west + QStringLiteral("(西軍)"));
    eastFactionCaption->setText(east + QStringLiteral("(東軍)"));
    setWindowTitle(QStringLiteral("Vantor　") + west + QStringLiteral("×") + east + QStringLiteral("　合戦状況"));

    for (int s = 0; s < SlotCount; ++s) {
        const auto generalsAt = [s](Faction faction, int army) {
            return PostGenerals{{rosterName(faction, army, s, 0), rosterInfo(faction, army, s, 0)},
                                {rosterName(faction, army, s, 1), rosterInfo(faction, army, s, 1)}};
        };
        m_board.posts[s].west = generalsAt(choice.WestFaction, 0);
        m_board.posts[s].east = generalsAt(choice.EastFaction, 1);
    }
    m_board.macroTags[0] = factionTag(choice.WestFaction);
    m_board.macroTags[1] = factionTag(choice.EastFaction);
    for (int entry = 2; entry <= 5; ++entry)
        m_board.macroTags[entry] = schemeTag(entry, choice.Colours);
    drawTagPictures();
    clockCaption->setText(currentTimeHHMM());
    resetBoard();
    if (!clockTick->isActive())
        clockTick->start();
}

void MainWindow::resetBoard()
{
    m_board.userInputArmed = false;
    const bool restoration = factions().RestorationFaction == 1;
    for (int s : {9, 10, 11}) {
        posts[s].frame->setEnabled(!restoration);
        posts[s].frame->setVisible(!restoration);
    }
    for (int s = 0; s < SlotCount; ++s)
        resetPost(s, armyOfSlot(s));

    m_board.userInputArmed = true;
    elapsedBox->setText(QStringLiteral("00:00"));
    showReadable(elapsedBox);
    m_board.elapsedMinutes = 0;
    m_board.lastTickMinute = currentClockMinutes();
    m_board.elapsedValid = true;
    m_board.elapsedEditArmed = true;
    m_board.displayMode = DisplayMode::NamesAndStatus;
    m_board.westRate = 0;
    m_board.eastRate = 0;
    westRateCaption->setText(QStringLiteral("0"));
    eastRateCaption->setText(QStringLiteral("0"));
    battleResultsCheck->setChecked(false);
    westScoreBox->setText(QStringLiteral("0"));
    eastScoreBox->setText(QStringLiteral("0"));
    m_board.scoresSettled = false;
    m_board.scoreChangeSuppressed = false;
    for (QLabel *cell : balanceBar)
        setBackground(cell, QColor(NeutralGrey));
    forecastFrame->setToolTip(QString());
    forecastCaption->setToolTip(QString());
    autoPlaceCheck->setChecked(true);
    noticeBoxCheck->setChecked(true);
}

void MainWindow::resetPost(int s, Army army)
{
    PostControls &p = posts[s];
    showPostNames(s, army);
    const int own = army == Army::West ? 0 : 1;
    setPostImage(s, own);
    p.tagCaption->setText(m_board.macroTags[own]);
    const QColor colour = armyColour(army, StatusKind::Present, factions().Colours);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, colour);

    p.statusCaption->setText(m_board.statusWords[0]);
    p.timeBox->setText(QString());
    m_board.posts[s].status = OwnPresent;
    m_board.posts[s].placeMinute = 0;
    m_board.posts[s].placeArmed = false;
    disableTimeBox(p.timeBox);
    setBold(p.timeBox, false);
    m_board.posts[s].savedSchedule.reset();
    setPostTooltip(s, QString());
    applyPostVisibility(p, displayModeVisibility(DisplayMode::NamesAndStatus));
}

void MainWindow::resetCommand()
{
    if (Prompt::confirm(this, QStringLiteral("初期化確認"), QStringLiteral("初期化してよろしいですか？")))
        resetBoard();
}

void MainWindow::chooseFactions()
{
    if (!Prompt::confirm(this, QStringLiteral("勢力選択確認"),
                         QStringLiteral("勢力選択してよろしいですか？(同時に初期化されます)")))
        return;
    chooser().resetToStart();
    buildBoard();
}

void MainWindow::switchDisplayMode()
{
    m_board.displayMode = nextDisplayMode(m_board.displayMode);
    const DisplayVisibility visibility = displayModeVisibility(m_board.displayMode);
    for (PostControls &p : posts)
        applyPostVisibility(p, visibility);
}

void MainWindow::copyReport()
{
    const FactionChoice choice = factions();
    BoardSnapshot snapshot;
    snapshot.westName = factionName(choice.WestFaction);
    snapshot.eastName = factionName(choice.EastFaction);
    snapshot.restoration = choice.RestorationFaction;
    for (int k = 0; k < SlotCount; ++k) {
        snapshot.statuses[k] = m_board.posts[k].status;
        snapshot.westMainNames[k] = m_board.posts[k].west.main.name;
        snapshot.eastMainNames[k] = m_board.posts[k].east.main.name;
        snapshot.captions[k] = posts[k].frame->title();
        snapshot.timeTexts[k] = posts[k].timeBox->text();
    }
    snapshot.nowText = currentTimeHHMM();
    snapshot.elapsedText = elapsedBox->text();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(composeReport(snapshot));
}

void MainWindow::showAbout()
{
    AboutBox about(this);
    Prompt::runDialog(about);
}

void MainWindow::keepOnTop(bool on)
{
    // QWidget::setWindowFlags would hide the window and create it afresh: it
    // would flicker, and a window manager may put it somewhere else. The live
    // window takes the hint in place; the widget is only told what it now is.
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(flags);
    if (QWindow *live = windowHandle())
        live->setFlags(flags);
}

bool MainWindow::confirmExit()
{
    return Prompt::confirm(this, QStringLiteral("終了確認"), QStringLiteral("終了してよろしいですか？"));
}

void MainWindow::exitCommand()
{
    if (!confirmExit())
        return;
    m_exitConfirmed = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_exitConfirmed && !confirmExit()) {
        event->ignore();
        return;
    }
    m_exitConfirmed = true;
    event->accept();
    QCoreApplication::quit();
}

} // namespace vantor
