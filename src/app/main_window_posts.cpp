// The posts: the hub that steps and redraws a post, its schedule and points, the
// balance bar, and the mouse input of the posts.
#include "app/main_window.h"

#include "app/artwork.h"
#include "app/control_writes.h"
#include "app/faction_chooser.h"
#include "app/prompt.h"
#include "board/balance.h"
#include "board/post_display.h"
#include "board/schedule.h"
#include "clock/clock_helpers.h"
#include "clock/typed_time.h"
#include "score/score_rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantor {

void MainWindow::changePost(int s, bool fromTimer, Qt::MouseButton button)
{
    PostControls &p = posts[s];
    PostState &post = m_board.posts[s];
    const int now = currentClockMinutes();
    int stepped = post.status;
    if (m_board.userInputArmed)
        stepped = steppedStatus(stepped, button);
    m_board.userInputArmed = false;
    post.status = PostStatus(wrappedStatus(stepped));
    const PostStatus status = post.status;
    const FactionChoice choice = factions();
    const PostLook look = postLook(s, status, choice.Colours);

    setPostTooltip(s, QString());
    showPostNames(s, look.namesFrom);
    for (QWidget *control : p.colouredGroup())
        setBackground(control, look.colour);
    p.statusCaption->setText(m_board.statusWords[look.statusWordIndex]);

    switch (look.kind) {
    case StatusKind::Present:
        if (!fromTimer && button != Qt::RightButton)
            post.savedSchedule = SavedSchedule{p.timeBox->text(), post.placeMinute, post.placeArmed};
        [[fallthrough]];
    case StatusKind::Fighting:
        p.timeBox->setText(QString());
        disableTimeBox(p.timeBox);
        post.placeMinute = 0;
        post.placeArmed = false;
        setBold(p.timeBox, false);
        break;
    case StatusKind::Awaiting:
        p.timeBox->setEnabled(true);
        if (post.savedSchedule && button == Qt::RightButton)
            restoreSchedule(s, now);
        else
            freshSchedule(s);
        break;
    }

    p.tagCaption->setText(m_board.macroTags[look.tagIndex]);
    setPostImage(s, look.tagIndex);

    if (look.kind == StatusKind::Present) {
        if (fromTimer && noticeBoxCheck->isChecked())
            showPlacementNotice(s, look.namesFrom);
    } else {
        creditPoints(s, status, button);
    }

    redrawBalance();
    if (!typedScoresPending()) {
        for (QLineEdit *box : {westScoreBox, eastScoreBox})
            if (const auto floored = flooredScore(box->text()))
                box->setText(*floored);
    }
    updateForecast();
    m_board.userInputArmed = true;
}

void MainWindow::showPostNames(int slot, Army holder)
{
    const PostControls &p = posts[slot];
    const PostGenerals &generals = m_board.posts[slot].generalsOf(holder);
    p.mainName->setText(generals.main.name);
    p.detailsMainName->setText(generals.main.name);
    p.viceName->setText(generals.vice.name);
    p.detailsViceName->setText(generals.vice.name);
    p.mainGeneralDetails->setText(generals.main.details);
    p.viceGeneralDetails->setText(generals.vice.details);
}

void MainWindow::setPostTooltip(int slot, const QString &text)
{
    for (QWidget *control : posts[slot].tooltipGroup())
        control->setToolTip(text);
    // A post whose typed time could not be read has no countdown: its box goes on
    // telling the player which forms it takes.
    if (showsUnreadable(posts[slot].timeBox))
        posts[slot].timeBox->setToolTip(QString::fromUtf16(PlacementTextForms));
}

void MainWindow::setPostImage(int slot, int index)
{
    m_postPicture[slot] = index;
    posts[slot].tagPicture->setPixmap(tagPictures[index]);
}

// Drawn for the pixels the posts show them at, after each faction choice and
// whenever the board's scale or the screen's pixel density changes.
void MainWindow::drawTagPictures()
{
    const FactionChoice choice = factions();
    const qreal ratio = devicePixelRatioF();
    const int pixels = qRound(posts[0].tagPicture->width() * ratio);
    tagPictures[0] = forScreen(chooser().emblem(choice.WestFaction, pixels), ratio);
    tagPictures[1] = forScreen(chooser().emblem(choice.EastFaction, pixels), ratio);
    for (int entry = 2; entry <= 5; ++entry)
        tagPictures[entry] = forScreen(statusIcon(statusIconForTag(entry, choice.Colours), pixels), ratio);
    for (int s = 0; s < SlotCount; ++s)
        setPostImage(s, m_postPicture[s]);
}

void MainWindow::restoreSchedule(int slot, int now)
{
    QLineEdit *box = posts[slot].timeBox;
    PostState &post = m_board.posts[slot];
    const SavedSchedule saved = *post.savedSchedule;
    box->setText(saved.timeText);
    post.placeMinute = saved.placeMinute;
    post.placeArmed = saved.placeArmed;
    post.savedSchedule.reset();
    if (!post.placeArmed) {
        // A time the player had typed but that was never read back: read it anew.
        restartTimer(placementEditWait);
        setBold(box, false);
    } else {
        setBold(box, true);
        setPostTooltip(slot, placementTooltip(post.placeMinute, now));
    }
}

void MainWindow::freshSchedule(int slot)
{
    QLineEdit *box = posts[slot].timeBox;
    box->setText(nextHourHHMM());
    m_board.posts[slot].placeMinute = nextHourClockMinutes();
    m_board.posts[slot].placeArmed = true;
    setBold(box, true);
    m_board.posts[slot].savedSchedule.reset();
    setPostTooltip(slot, QStringLiteral("01:00後に配置"));
}

void MainWindow::disableTimeBox(QLineEdit *box)
{
    // Qt would pass the focus of a disabled box on down the tab chain, where a
    // stray key edits whatever comes next; the board's background takes it, so
    // the menu shortcuts still work.
    if (focusWidget() == box)
        centralWidget()->setFocus();
    box->setEnabled(false);
}

void MainWindow::creditPoints(int slot, PostStatus status, Qt::MouseButton button)
{
    if (!battleResultsCheck->isChecked())
        return;
    if (const auto change = mainGeneralScoreChange(slot, status, button)) {
        QLineEdit *box = scoreBox(change->army);
        writeScoreQuietly(box, awardedScore(box->text(), change->points));
    }
}

void MainWindow::redrawBalance()
{
    const Rates rates = ratesFromStatuses(m_board.statuses());
    m_board.westRate = rates.west;
    m_board.eastRate = rates.east;
    const auto cells = balanceCells(rates, factions().Colours);
    for (int k = 0; k < BalanceCells; ++k)
        setBackground(balanceBar[k], cells[k]);
    westRateCaption->setText(QString::number(rates.west));
    eastRateCaption->setText(QString::number(rates.east));
}

void MainWindow::showPlacementNotice(int slot, Army holder)
{
    const FactionChoice choice = factions();
    auto nameOf = [&choice](Army army) {
        return factionName(army == Army::West ? choice.WestFaction : choice.EastFaction);
    };
    const QString text = nameOf(armyOfSlot(slot)) + posts[slot].frame->title() + QStringLiteral("：")
                         + nameOf(holder) + QStringLiteral("・") + m_board.posts[slot].generalsOf(holder).main.name
                         + QStringLiteral("の配置予定時刻になりました。");
    Prompt::inform(this, QStringLiteral("武将配置のお知らせ"), text);
}

void MainWindow::postMouseDown(int slot, Qt::MouseButton button)
{
    changePost(slot, false, button);
    m_board.lastMouseButton = button;
}

void MainWindow::postDoubleClick(int slot, bool statusLabel)
{
    changePost(slot, false, statusLabel ? Qt::NoButton : m_board.lastMouseButton);
}

void MainWindow::onTimeBoxEdited(int slot)
{
    showReadable(posts[slot].timeBox);
    if (!m_board.userInputArmed)
        return;
    m_board.posts[slot].placeMinute = 0;
    m_board.posts[slot].placeArmed = false;
    setBold(posts[slot].timeBox, false);
    restartTimer(placementEditWait);
    setPostTooltip(slot, QString());
}

} // namespace vantor
