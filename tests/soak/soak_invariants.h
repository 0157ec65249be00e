// What must hold on the main window whenever no handler is running: the checks
// the soak makes after every event it plays. Each check reads the board and the
// controls the player sees; the first one broken is described in words, so that
// a failing soak says what went wrong and where.
#pragma once

#include "app/form1.h"
#include "app/form2.h"
#include "board/balance.h"
#include "board/post_display.h"
#include "clock/numeric_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>

namespace vantor::soak {

inline QString describePostValue(const char *name, int slot, int value)
{
    return QStringLiteral("%1 of post %2 = %3").arg(QLatin1String(name)).arg(slot).arg(value);
}

inline QString brokenPostInvariant(Form1 &form, int s)
{
    const BattleBoard &b = form.board();
    const int status = b.posts[s].status;
    if (status < 0 || status > 5)
        return describePostValue("status", s, status) + QStringLiteral(", outside 0..5");
    const bool awaiting = statusKind(status) == StatusKind::Awaiting;
    const PostControls &p = form.posts[s];
    if (p.Text1->isEnabledTo(p.Frame1) != awaiting)
        return QStringLiteral("time box of post %1 is %2 at status %3")
            .arg(s)
            .arg(p.Text1->isEnabledTo(p.Frame1) ? QStringLiteral("enabled") : QStringLiteral("disabled"))
            .arg(status);
    if (b.posts[s].placeArmed && !awaiting)
        return QStringLiteral("post %1 is armed for placement at status %2").arg(s).arg(status);
    if (b.posts[s].placeMinute < 0 || b.posts[s].placeMinute > 1439)
        return describePostValue("placeMinute", s, b.posts[s].placeMinute) + QStringLiteral(", not a minute of day");
    return {};
}

inline QString brokenBalance(Form1 &form)
{
    const BattleBoard &b = form.board();
    const Rates shown{b.westRate, b.eastRate};
    if (shown.west < 0 || shown.west > 21 || shown.east < 0 || shown.east > 21)
        return QStringLiteral("rates %1 / %2 outside 0..21").arg(shown.west).arg(shown.east);
    if (shown.west > 0 && shown.east > 0)
        return QStringLiteral("both rates above 0: %1 / %2").arg(shown.west).arg(shown.east);
    if (shown != ratesFromStatuses(b.statuses()))
        return QStringLiteral("rates %1 / %2 do not follow the statuses").arg(shown.west).arg(shown.east);
    if (form.Label12->text() != QString::number(shown.west) || form.Label13->text() != QString::number(shown.east))
        return QStringLiteral("rate captions \"%1\" / \"%2\" for rates %3 / %4")
            .arg(form.Label12->text(), form.Label13->text())
            .arg(shown.west)
            .arg(shown.east);
    const ColourScheme scheme = form.chooser().choice().Colours;
    const QColor west = armyColour(Army::West, StatusKind::Present, scheme);
    const QColor east = armyColour(Army::East, StatusKind::Present, scheme);
    for (int k = 0; k < BalanceCells; ++k) {
        const QColor expected = k < shown.west                    ? west
                                : k >= BalanceCells - shown.east ? east
                                                                  : QColor(NeutralGrey);
        const QColor cell = form.Picture4[k]->palette().color(QPalette::Window);
        if (cell != expected)
            return QStringLiteral("bar cell %1 is %2, expected %3 for rates %4 / %5")
                .arg(k)
                .arg(cell.name(), expected.name())
                .arg(shown.west)
                .arg(shown.east);
    }
    return {};
}

inline QString brokenScores(Form1 &form)
{
    const BattleBoard &b = form.board();
    const bool on = form.Check3->isChecked();
    if (form.Text3->isEnabled() != on || form.Text4->isEnabled() != on || form.Frame4->isVisibleTo(form.Frame4->parentWidget()) != on)
        return QStringLiteral("score boxes or forecast frame do not follow 戦果表示 (%1)").arg(on);
    for (int c = 4; c <= 9; ++c)
        if (form.Command[c]->isEnabled() != on)
            return QStringLiteral("Command%1 enabled = %2 with 戦果表示 %3").arg(c).arg(form.Command[c]->isEnabled()).arg(on);
    if (b.scoresSettled)
        for (QLineEdit *box : {form.Text3, form.Text4})
            if (numericValue(box->text()) < 0)
                return QStringLiteral("settled score box %1 reads \"%2\"").arg(box == form.Text3 ? 3 : 4).arg(box->text());
    if (b.elapsedMinutes < 0 || b.elapsedMinutes > 32767)
        return QStringLiteral("elapsedMinutes = %1").arg(b.elapsedMinutes);
    if (!on)
        return {};
    static const QRegularExpression ruleAtEnd(QStringLiteral("\\((\\d+)\\)$"));
    static const QRegularExpression caption(QStringLiteral("^(--:--|終了|([01]\\d|2[0-4]):[0-5]\\d)$"));
    const QString tip = form.Label14->toolTip();
    const QRegularExpressionMatch rule = ruleAtEnd.match(tip);
    if (!rule.hasMatch() || rule.captured(1).toInt() > 28)
        return QStringLiteral("forecast tooltip \"%1\" names no rule 0..28").arg(tip);
    if (form.Frame4->toolTip() != tip)
        return QStringLiteral("forecast frame tooltip \"%1\" differs from its label's \"%2\"").arg(form.Frame4->toolTip(), tip);
    if (!caption.match(form.Label14->text()).hasMatch())
        return QStringLiteral("forecast caption \"%1\"").arg(form.Label14->text());
    return {};
}

// Empty while everything holds.
inline QString brokenInvariant(Form1 &form)
{
    const BattleBoard &b = form.board();
    if (!b.userInputArmed)
        return QStringLiteral("user input left disarmed between events");
    for (int s = 0; s < SlotCount; ++s)
        if (QString broken = brokenPostInvariant(form, s); !broken.isEmpty())
            return broken;
    for (const QString &broken : {brokenBalance(form), brokenScores(form)})
        if (!broken.isEmpty())
            return broken;
    return {};
}

} // namespace vantor::soak
