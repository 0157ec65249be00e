// The posts: the hub that steps and redraws a post, its schedule and points, the
// balance bar, and the mouse input of the posts.
#include "app/form1.h"

#include "app/control_writes.h"
#include "app/prompt.h"
#include "board/balance.h"
#include "board/post_display.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "score/score_rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantor {

void Form1::hyouji_change(int Index, int FromTimer, int Button)
{
    const int s = Index;
    PostControls &p = posts[s];
    const int now = currentClockMinutes();
    if (m_board.UserInputArmed == 1)
        m_board.SlotStatus[s] = steppedStatus(m_board.SlotStatus[s], Button);
    m_board.UserInputArmed = 0;
    m_board.SlotStatus[s] = wrappedStatus(m_board.SlotStatus[s]);
    const int status = m_board.SlotStatus[s];
    const FactionChoice choice = factions();
    const PostLook look = postLook(s, status, choice.Colours);

    setPostTooltip(s, QString());
    showPostNames(s, look.namesFrom);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, look.colour);
    p.Label3->setText(m_board.StatusWords[look.statusWordIndex]);

    switch (look.kind) {
    case StatusKind::Present:
        if (FromTimer == 0 && Button != RightButton) {
            m_board.SavedFlag[s] = 1;
            m_board.SavedTimeText[s] = p.Text1->text();
            m_board.SavedPlaceMinute[s] = m_board.PlaceMinute[s];
            m_board.SavedPlaceArmed[s] = m_board.PlaceArmed[s];
        }
        [[fallthrough]];
    case StatusKind::Fighting:
        p.Text1->setText(QString());
        p.Text1->setEnabled(false);
        m_board.PlaceMinute[s] = 0;
        m_board.PlaceArmed[s] = 0;
        setBold(p.Text1, false);
        break;
    case StatusKind::Awaiting:
        p.Text1->setEnabled(true);
        if (m_board.SavedFlag[s] == 1 && Button == RightButton)
            restoreSchedule(s, now);
        else
            freshSchedule(s);
        break;
    }

    p.Label7->setText(m_board.MacroTags[look.tagIndex]);
    setPostImage(s, look.tagIndex);

    if (look.kind == StatusKind::Present) {
        if (FromTimer == 1 && Check2->isChecked())
            showPlacementNotice(s, look.namesFrom);
    } else {
        creditPoints(s, status, Button);
    }

    redrawBalance();
    for (QLineEdit *box : {Text3, Text4})
        if (const auto floored = flooredScore(box->text()))
            box->setText(*floored);
    nokori_time();
    m_board.UserInputArmed = 1;
}

void Form1::showPostNames(int slot, Army holder)
{
    const PostControls &p = posts[slot];
    const auto &names = m_board.namesOf(holder)[slot];
    const auto &info = m_board.infoOf(holder)[slot];
    p.Label1->setText(names[0]);
    p.Label8->setText(names[0]);
    p.Label2->setText(names[1]);
    p.Label10->setText(names[1]);
    p.Label9->setText(info[0]);
    p.Label11->setText(info[1]);
}

void Form1::setPostTooltip(int slot, const QString &text)
{
    for (QWidget *control : posts[slot].tooltipGroup())
        control->setToolTip(text);
}

void Form1::setPostImage(int slot, int index)
{
    posts[slot].Image1->setPixmap(QPixmap::fromImage(Picture3[index]));
}

void Form1::restoreSchedule(int slot, int now)
{
    QLineEdit *box = posts[slot].Text1;
    box->setText(m_board.SavedTimeText[slot]);
    m_board.PlaceMinute[slot] = m_board.SavedPlaceMinute[slot];
    m_board.PlaceArmed[slot] = m_board.SavedPlaceArmed[slot];
    m_board.forgetSavedSchedule(slot);
    if (m_board.PlaceArmed[slot] == 0) {
        // A time the player had typed but that was never read back: read it anew.
        restartTimer(Timer2);
        setBold(box, false);
    } else {
        setBold(box, true);
        setPostTooltip(slot, placementTooltip(m_board.PlaceMinute[slot], now));
    }
}

void Form1::freshSchedule(int slot)
{
    QLineEdit *box = posts[slot].Text1;
    box->setText(nextHourHHMM());
    m_board.PlaceMinute[slot] = nextHourClockMinutes();
    m_board.PlaceArmed[slot] = 1;
    setBold(box, true);
    m_board.forgetSavedSchedule(slot);
    setPostTooltip(slot, QStringLiteral("01:00後に配置"));
}

void Form1::creditPoints(int slot, int status, int Button)
{
    if (!Check3->isChecked())
        return;
    if (const auto change = mainGeneralScoreChange(slot, status, Button)) {
        QLineEdit *box = scoreBox(change->army);
        writeScoreQuietly(box, awardedScore(box->text(), change->points));
    }
}

void Form1::redrawBalance()
{
    const Rates rates = ratesFromStatuses(m_board.SlotStatus);
    m_board.WestRate = rates.west;
    m_board.EastRate = rates.east;
    const auto cells = balanceCells(rates, factions().Colours);
    for (int k = 0; k < BalanceCells; ++k)
        setBackground(Picture4[k], cells[k]);
    Label12->setText(QString::number(rates.west));
    Label13->setText(QString::number(rates.east));
}

void Form1::showPlacementNotice(int slot, Army holder)
{
    const FactionChoice choice = factions();
    auto nameOf = [&choice](Army army) {
        return factionName(army == Army::West ? choice.WestFaction : choice.EastFaction);
    };
    const QString text = nameOf(armyOfSlot(slot)) + posts[slot].Frame1->title() + QStringLiteral("：")
                         + nameOf(holder) + QStringLiteral("・") + m_board.namesOf(holder)[slot][0]
                         + QStringLiteral("の配置予定時刻になりました。");
    Prompt::inform(this, QStringLiteral("武将配置のお知らせ"), text);
}

void Form1::postMouseDown(int slot, int button)
{
    hyouji_change(slot, 0, button);
    m_board.LastMouseButton = button;
}

void Form1::postDoubleClick(int slot, bool statusLabel)
{
    hyouji_change(slot, 0, statusLabel ? 0 : m_board.LastMouseButton);
}

void Form1::Text1_Change(int Index)
{
    if (m_board.UserInputArmed != 1)
        return;
    m_board.PlaceMinute[Index] = 0;
    m_board.PlaceArmed[Index] = 0;
    setBold(posts[Index].Text1, false);
    restartTimer(Timer2);
    setPostTooltip(Index, QString());
}

} // namespace vantor
