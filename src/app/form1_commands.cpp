// Start, reset and the window's commands: the faction choice, the display modes,
// the clipboard report, the About box and exit.
#include "app/form1.h"

#include "app/artwork.h"
#include "app/control_writes.h"
#include "app/form2.h"
#include "app/frm_about.h"
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
#include <QLineEdit>
#include <QTimer>

namespace vantor {

void Form1::Form_Load()
{
    // The chooser comes first so that it is on screen as soon as the program
    // starts; the board's controls are built while nobody sees them, after it.
    Prompt::runDialog(chooser());
    buildWindowOnce();
    for (int s = 0; s < SlotCount; ++s)
        posts[s].Frame1->setTitle(postCaption(s));
    m_board.statusWords[0] = QStringLiteral("健在");
    m_board.statusWords[1] = QStringLiteral("主将戦闘中");
    m_board.statusWords[2] = QStringLiteral("主将配置待ち");

    const FactionChoice choice = factions();
    const QString west = factionName(choice.WestFaction);
    const QString east = factionName(choice.EastFaction);
    Label4->setText(west + QStringLiteral("(西軍)"));
    Label5->setText(east + QStringLiteral("(東軍)"));
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
    Picture3[0] = chooser().emblem(choice.WestFaction);
    Picture3[1] = chooser().emblem(choice.EastFaction);
    for (int entry = 2; entry <= 5; ++entry) {
        m_board.macroTags[entry] = schemeTag(entry, choice.Colours);
        Picture3[entry] = statusIcon(statusIconForTag(entry, choice.Colours));
    }
    Label6->setText(currentTimeHHMM());
    commonReset();
    if (!Timer1->isActive())
        Timer1->start();
}

void Form1::commonReset()
{
    m_board.userInputArmed = false;
    const bool restoration = factions().RestorationFaction == 1;
    for (int s : {9, 10, 11}) {
        posts[s].Frame1->setEnabled(!restoration);
        posts[s].Frame1->setVisible(!restoration);
    }
    for (int s = 0; s < SlotCount; ++s)
        resetPost(s, armyOfSlot(s));

    m_board.userInputArmed = true;
    Text2->setText(QStringLiteral("00:00"));
    m_board.elapsedMinutes = 0;
    m_board.lastTickMinute = currentClockMinutes();
    m_board.elapsedValid = true;
    m_board.elapsedEditArmed = true;
    m_board.displayMode = DisplayMode::NamesAndStatus;
    m_board.westRate = 0;
    m_board.eastRate = 0;
    Label12->setText(QStringLiteral("0"));
    Label13->setText(QStringLiteral("0"));
    Check3->setChecked(false);
    Text3->setText(QStringLiteral("0"));
    Text4->setText(QStringLiteral("0"));
    m_board.scoresSettled = false;
    m_board.scoreChangeSuppressed = false;
    for (QLabel *cell : Picture4)
        setBackground(cell, QColor(NeutralGrey));
    Frame4->setToolTip(QString());
    Label14->setToolTip(QString());
    Check1->setChecked(true);
    Check2->setChecked(true);
}

void Form1::resetPost(int s, Army army)
{
    PostControls &p = posts[s];
    showPostNames(s, army);
    const int own = army == Army::West ? 0 : 1;
    setPostImage(s, own);
    p.Label7->setText(m_board.macroTags[own]);
    const QColor colour = armyColour(army, StatusKind::Present, factions().Colours);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, colour);

    p.Label3->setText(m_board.statusWords[0]);
    p.Text1->setText(QString());
    m_board.posts[s].status = OwnPresent;
    m_board.posts[s].placeMinute = 0;
    m_board.posts[s].placeArmed = false;
    p.Text1->setEnabled(false);
    setBold(p.Text1, false);
    m_board.posts[s].savedSchedule.reset();
    setPostTooltip(s, QString());
    applyPostVisibility(p, displayModeVisibility(DisplayMode::NamesAndStatus));
}

void Form1::Command1_Click()
{
    commonReset();
}

void Form1::menu_new_Click()
{
    if (Prompt::confirm(this, QStringLiteral("初期化確認"), QStringLiteral("初期化してよろしいですか？")))
        commonReset();
}

void Form1::menu_seiryoku_Click()
{
    if (!Prompt::confirm(this, QStringLiteral("勢力選択確認"),
                         QStringLiteral("勢力選択してよろしいですか？(同時に初期化されます)")))
        return;
    chooser().resetToStart();
    Form_Load();
}

void Form1::Command3_Click()
{
    m_board.displayMode = nextDisplayMode(m_board.displayMode);
    const DisplayVisibility visibility = displayModeVisibility(m_board.displayMode);
    for (PostControls &p : posts)
        applyPostVisibility(p, visibility);
}

void Form1::Command2_Click()
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
        snapshot.captions[k] = posts[k].Frame1->title();
        snapshot.timeTexts[k] = posts[k].Text1->text();
    }
    snapshot.nowText = currentTimeHHMM();
    snapshot.elapsedText = Text2->text();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(composeReport(snapshot));
}

void Form1::show_ver_Click()
{
    frmAbout about(this);
    Prompt::runDialog(about);
}

bool Form1::confirmExit()
{
    return Prompt::confirm(this, QStringLiteral("終了確認"), QStringLiteral("終了してよろしいですか？"));
}

void Form1::file_end_Click()
{
    if (!confirmExit())
        return;
    m_exitConfirmed = true;
    close();
    QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent *event)
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
