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
    m_board.StatusWords[0] = QStringLiteral("健在");
    m_board.StatusWords[1] = QStringLiteral("主将戦闘中");
    m_board.StatusWords[2] = QStringLiteral("主将配置待ち");

    const FactionChoice choice = factions();
    const QString west = factionName(choice.WestFaction);
    const QString east = factionName(choice.EastFaction);
    Label4->setText(west + QStringLiteral("(西軍)"));
    Label5->setText(east + QStringLiteral("(東軍)"));
    setWindowTitle(QStringLiteral("Vantor　") + west + QStringLiteral("×") + east + QStringLiteral("　合戦状況"));

    const auto fillRoster = [](NameTable &names, NameTable &info, Faction faction, int army) {
        for (int s = 0; s < SlotCount; ++s) {
            for (int r = 0; r < 2; ++r) {
                names[s][r] = rosterName(faction, army, s, r);
                info[s][r] = rosterInfo(faction, army, s, r);
            }
        }
    };
    fillRoster(m_board.WestGeneralNames, m_board.WestGeneralInfo, choice.WestFaction, 0);
    fillRoster(m_board.EastGeneralNames, m_board.EastGeneralInfo, choice.EastFaction, 1);
    m_board.MacroTags[0] = factionTag(choice.WestFaction);
    m_board.MacroTags[1] = factionTag(choice.EastFaction);
    Picture3[0] = chooser().emblem(choice.WestFaction);
    Picture3[1] = chooser().emblem(choice.EastFaction);
    for (int entry = 2; entry <= 5; ++entry) {
        m_board.MacroTags[entry] = schemeTag(entry, choice.Colours);
        Picture3[entry] = statusIcon(statusIconForTag(entry, choice.Colours));
    }
    Label6->setText(currentTimeHHMM());
    commonReset();
    if (!Timer1->isActive())
        Timer1->start();
}

void Form1::commonReset()
{
    m_board.UserInputArmed = 0;
    const bool restoration = factions().RestorationFaction == 1;
    for (int s : {9, 10, 11}) {
        posts[s].Frame1->setEnabled(!restoration);
        posts[s].Frame1->setVisible(!restoration);
    }
    for (int s = 0; s < SlotCount; ++s)
        resetPost(s, armyOfSlot(s));

    m_board.UserInputArmed = 1;
    Text2->setText(QStringLiteral("00:00"));
    m_board.ElapsedMinutes = 0;
    m_board.LastTickMinute = currentClockMinutes();
    m_board.ElapsedValid = 1;
    m_board.Text2ChangeArmed = 1;
    m_board.DisplayMode = 0;
    m_board.WestRate = 0;
    m_board.EastRate = 0;
    Label12->setText(QStringLiteral("0"));
    Label13->setText(QStringLiteral("0"));
    Check3->setChecked(false);
    Text3->setText(QStringLiteral("0"));
    Text4->setText(QStringLiteral("0"));
    m_board.ScoresSettled = 0;
    m_board.ScoreChangeSuppressed = 0;
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
    p.Label7->setText(m_board.MacroTags[own]);
    const QColor colour = armyColour(army, StatusKind::Present, factions().Colours);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, colour);

    p.Label3->setText(m_board.StatusWords[0]);
    p.Text1->setText(QString());
    m_board.SlotStatus[s] = OwnPresent;
    m_board.PlaceMinute[s] = 0;
    m_board.PlaceArmed[s] = 0;
    p.Text1->setEnabled(false);
    setBold(p.Text1, false);
    m_board.forgetSavedSchedule(s);
    setPostTooltip(s, QString());
    applyPostVisibility(p, displayModeVisibility(0));
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
    m_board.DisplayMode = nextDisplayMode(m_board.DisplayMode);
    const DisplayVisibility visibility = displayModeVisibility(m_board.DisplayMode);
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
        snapshot.statuses[k] = m_board.SlotStatus[k];
        snapshot.westMainNames[k] = m_board.WestGeneralNames[k][0];
        snapshot.eastMainNames[k] = m_board.EastGeneralNames[k][0];
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
