// What must hold on the main window whenever no handler is running: the checks
// the soak makes after every event it plays. Each check reads the board and the
// controls the player sees; the first one broken is described in words, so that
// a failing soak says what went wrong and where.
#pragma once

#include "app/main_window.h"
#include "app/faction_chooser.h"
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

inline QString brokenPostInvariant(MainWindow &window, int s)
{
    const BattleBoard &b = window.board();
    const int status = b.posts[s].status;
    if (status < 0 || status > 5)
        return describePostValue("status", s, status) + QStringLiteral(", outside 0..5");
    const bool awaiting = statusKind(status) == StatusKind::Awaiting;
    const PostControls &p = window.posts[s];
    if (p.timeBox->isEnabledTo(p.frame) != awaiting)
        return QStringLiteral("time box of post %1 is %2 at status %3")
            .arg(s)
            .arg(p.timeBox->isEnabledTo(p.frame) ? QStringLiteral("enabled") : QStringLiteral("disabled"))
            .arg(status);
    if (b.posts[s].placeArmed && !awaiting)
        return QStringLiteral("post %1 is armed for placement at status %2").arg(s).arg(status);
    if (b.posts[s].placeMinute < 0 || b.posts[s].placeMinute > 1439)
        return describePostValue("placeMinute", s, b.posts[s].placeMinute) + QStringLiteral(", not a minute of day");
    return {};
}

inline QString brokenBalance(MainWindow &window)
{
    const BattleBoard &b = window.board();
    const Rates shown{b.westRate, b.eastRate};
    if (shown.west < 0 || shown.west > 21 || shown.east < 0 || shown.east > 21)
        return QStringLiteral("rates %1 / %2 outside 0..21").arg(shown.west).arg(shown.east);
    if (shown.west > 0 && shown.east > 0)
        return QStringLiteral("both rates above 0: %1 / %2").arg(shown.west).arg(shown.east);
    if (shown != ratesFromStatuses(b.statuses()))
        return QStringLiteral("rates %1 / %2 do not follow the statuses").arg(shown.west).arg(shown.east);
    if (window.westRateCaption->text() != QString::number(shown.west) || window.eastRateCaption->text() != QString::number(shown.east))
        return QStringLiteral("rate captions \"%1\" / \"%2\" for rates %3 / %4")
            .arg(window.westRateCaption->text(), window.eastRateCaption->text())
            .arg(shown.west)
            .arg(shown.east);
    const ColourScheme scheme = window.chooser().choice().Colours;
    const QColor west = armyColour(Army::West, StatusKind::Present, scheme);
    const QColor east = armyColour(Army::East, StatusKind::Present, scheme);
    for (int k = 0; k < BalanceCells; ++k) {
        const QColor expected = k < shown.west                    ? west
                                : k >= BalanceCells - shown.east ? east
                                                                  : QColor(NeutralGrey);
        const QColor cell = window.balanceBar[k]->palette().color(QPalette::Window);
        if (cell != expected)
            return QStringLiteral("bar cell %1 is %2, expected %3 for rates %4 / %5")
                .arg(k)
                .arg(cell.name(), expected.name())
                .arg(shown.west)
                .arg(shown.east);
    }
    return {};
}

inline QString brokenScores(MainWindow &window)
{
    const BattleBoard &b = window.board();
    const bool on = window.battleResultsCheck->isChecked();
    if (window.westScoreBox->isEnabled() != on || window.eastScoreBox->isEnabled() != on || window.forecastFrame->isVisibleTo(window.forecastFrame->parentWidget()) != on)
        return QStringLiteral("score boxes or forecast frame do not follow 戦果表示 (%1)").arg(on);
    for (const QPushButton *button : window.scoreStepButtons)
        if (button->isEnabled() != on)
            return QStringLiteral("step button %1 enabled = %2 with 戦果表示 %3").arg(button->text()).arg(button->isEnabled()).arg(on);
    if (b.scoresSettled)
        for (QLineEdit *box : {window.westScoreBox, window.eastScoreBox})
            if (numericValue(box->text()) < 0)
                return QStringLiteral("settled score box %1 reads \"%2\"").arg(box == window.westScoreBox ? 3 : 4).arg(box->text());
    if (b.elapsedMinutes < 0 || b.elapsedMinutes > 32767)
        return QStringLiteral("elapsedMinutes = %1").arg(b.elapsedMinutes);
    if (!on)
        return {};
    static const QRegularExpression ruleAtEnd(QStringLiteral("\\((\\d+)\\)$"));
    static const QRegularExpression caption(QStringLiteral("^(--:--|終了|([01]\\d|2[0-4]):[0-5]\\d)$"));
    const QString tip = window.forecastCaption->toolTip();
    const QRegularExpressionMatch rule = ruleAtEnd.match(tip);
    if (!rule.hasMatch() || rule.captured(1).toInt() > 28)
        return QStringLiteral("forecast tooltip \"%1\" names no rule 0..28").arg(tip);
    if (window.forecastFrame->toolTip() != tip)
        return QStringLiteral("forecast frame tooltip \"%1\" differs from its label's \"%2\"").arg(window.forecastFrame->toolTip(), tip);
    if (!caption.match(window.forecastCaption->text()).hasMatch())
        return QStringLiteral("forecast caption \"%1\"").arg(window.forecastCaption->text());
    return {};
}

// Empty while everything holds.
inline QString brokenInvariant(MainWindow &window)
{
    const BattleBoard &b = window.board();
    if (!b.userInputArmed)
        return QStringLiteral("user input left disarmed between events");
    for (int s = 0; s < SlotCount; ++s)
        if (QString broken = brokenPostInvariant(window, s); !broken.isEmpty())
            return broken;
    for (const QString &broken : {brokenBalance(window), brokenScores(window)})
        if (!broken.isEmpty())
            return broken;
    return {};
}

} // namespace vantor::soak
