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

void Form1::hyouji_change(int Index, bool FromTimer, Qt::MouseButton Button)
{
    const int s = Index;
    PostControls &p = posts[s];
    PostState &post = m_board.posts[s];
    const int now = currentClockMinutes();
    int stepped = post.status;
    if (m_board.userInputArmed)
        stepped = steppedStatus(stepped, Button);
    m_board.userInputArmed = false;
    post.status = PostStatus(wrappedStatus(stepped));
    const PostStatus status = post.status;
    const FactionChoice choice = factions();
    const PostLook look = postLook(s, status, choice.Colours);

    setPostTooltip(s, QString());
    showPostNames(s, look.namesFrom);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, look.colour);
    p.Label3->setText(m_board.statusWords[look.statusWordIndex]);

    switch (look.kind) {
    case StatusKind::Present:
        if (!FromTimer && Button != Qt::RightButton)
            post.savedSchedule = SavedSchedule{p.Text1->text(), post.placeMinute, post.placeArmed};
        [[fallthrough]];
    case StatusKind::Fighting:
        p.Text1->setText(QString());
        p.Text1->setEnabled(false);
        post.placeMinute = 0;
        post.placeArmed = false;
        setBold(p.Text1, false);
        break;
    case StatusKind::Awaiting:
        p.Text1->setEnabled(true);
        if (post.savedSchedule && Button == Qt::RightButton)
            restoreSchedule(s, now);
        else
            freshSchedule(s);
        break;
    }

    p.Label7->setText(m_board.macroTags[look.tagIndex]);
    setPostImage(s, look.tagIndex);

    if (look.kind == StatusKind::Present) {
        if (FromTimer && Check2->isChecked())
            showPlacementNotice(s, look.namesFrom);
    } else {
        creditPoints(s, status, Button);
    }

    redrawBalance();
    for (QLineEdit *box : {Text3, Text4})
        if (const auto floored = flooredScore(box->text()))
            box->setText(*floored);
    nokori_time();
    m_board.userInputArmed = true;
}

void Form1::showPostNames(int slot, Army holder)
{
    const PostControls &p = posts[slot];
    const PostGenerals &generals = m_board.posts[slot].generalsOf(holder);
    p.Label1->setText(generals.main.name);
    p.Label8->setText(generals.main.name);
    p.Label2->setText(generals.vice.name);
    p.Label10->setText(generals.vice.name);
    p.Label9->setText(generals.main.details);
    p.Label11->setText(generals.vice.details);
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
    PostState &post = m_board.posts[slot];
    const SavedSchedule saved = *post.savedSchedule;
    box->setText(saved.timeText);
    post.placeMinute = saved.placeMinute;
    post.placeArmed = saved.placeArmed;
    post.savedSchedule.reset();
    if (!post.placeArmed) {
        // A time the player had typed but that was never read back: read it anew.
        restartTimer(Timer2);
        setBold(box, false);
    } else {
        setBold(box, true);
        setPostTooltip(slot, placementTooltip(post.placeMinute, now));
    }
}

void Form1::freshSchedule(int slot)
{
    QLineEdit *box = posts[slot].Text1;
    box->setText(nextHourHHMM());
    m_board.posts[slot].placeMinute = nextHourClockMinutes();
    m_board.posts[slot].placeArmed = true;
    setBold(box, true);
    m_board.posts[slot].savedSchedule.reset();
    setPostTooltip(slot, QStringLiteral("01:00後に配置"));
}

void Form1::creditPoints(int slot, PostStatus status, Qt::MouseButton Button)
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
    const Rates rates = ratesFromStatuses(m_board.statuses());
    m_board.westRate = rates.west;
    m_board.eastRate = rates.east;
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
                         + nameOf(holder) + QStringLiteral("・") + m_board.posts[slot].generalsOf(holder).main.name
                         + QStringLiteral("の配置予定時刻になりました。");
    Prompt::inform(this, QStringLiteral("武将配置のお知らせ"), text);
}

void Form1::postMouseDown(int slot, Qt::MouseButton button)
{
    hyouji_change(slot, false, button);
    m_board.lastMouseButton = button;
}

void Form1::postDoubleClick(int slot, bool statusLabel)
{
    hyouji_change(slot, false, statusLabel ? Qt::NoButton : m_board.lastMouseButton);
}

void Form1::Text1_Change(int Index)
{
    if (!m_board.userInputArmed)
        return;
    m_board.posts[Index].placeMinute = 0;
    m_board.posts[Index].placeArmed = false;
    setBold(posts[Index].Text1, false);
    restartTimer(Timer2);
    setPostTooltip(Index, QString());
}

} // namespace vantor
