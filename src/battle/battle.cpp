#include "battle/battle.h"

#include "battle/desktop.h"
#include "board/post_display.h"
#include "clock/clock_helpers.h"
#include "clock/numeric_text.h"
#include "clock/typed_time.h"
#include "report/report.h"
#include "roster/roster.h"

#include <QStringBuilder>

namespace vantor {

Battle::Battle(Desktop &desktop, QObject *parent)
    : Battle(desktop, Waits{}, parent)
{
}

Battle::Battle(Desktop &desktop, Waits waits, QObject *parent)
    : QObject(parent)
    , m_desktop(desktop)
{
    // Named, so that a test's event loop can tell them apart.
    const auto wait = [this](QTimer &timer, const char *name, std::chrono::milliseconds interval,
                             void (Battle::*tick)(), bool once) {
        timer.setObjectName(QLatin1String(name));
        timer.setInterval(interval);
        timer.setSingleShot(once);
        connect(&timer, &QTimer::timeout, this, tick);
    };
    wait(m_clockTick, "clockTick", waits.clockTick, &Battle::tick, false);
    wait(m_placementEditWait, "placementEditWait", waits.placementEdit, &Battle::readTypedPlacementTimes, true);
    wait(m_elapsedEditWait, "elapsedEditWait", waits.elapsedEdit, &Battle::readTypedElapsedTime, true);
    wait(m_scoreSettleWait, "scoreSettleWait", waits.scoreSettle, &Battle::settleTypedScores, true);
    wait(m_markWait, "markWait", waits.mark, &Battle::clearMarks, true);
    m_board.forecast.caption = QStringLiteral("--:--");
}

int Battle::nowMinutes() const
{
    return clockMinutes(m_desktop.timeOfDay());
}

void Battle::publish()
{
    // A view may act on what it is told; its call publishes on its own.
    const unsigned changed = std::exchange(m_changed, 0);
    const auto posts = std::exchange(m_changedPosts, {});
    if (changed & Factions)
        emit factionsChanged();
    for (int s = 0; s < SlotCount; ++s)
        if (posts[s])
            emit postChanged(s);
    if (changed & Display)
        emit displayModeChanged();
    if (changed & Clock)
        emit clockChanged();
    if (changed & Elapsed)
        emit elapsedChanged();
    if (changed & Scores)
        emit scoresChanged();
    if (changed & Balance)
        emit balanceChanged();
    if (changed & Forecast)
        emit forecastChanged();
    if (changed & Options)
        emit optionsChanged();
    if (changed & Notices)
        emit noticesChanged();
}

void Battle::build(const FactionChoice &choice)
{
    Batch batch(*this);
    m_board.choice = choice;
    m_board.statusWords = {QStringLiteral("健在"), QStringLiteral("主将戦闘中"), QStringLiteral("主将配置待ち")};
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
    m_board.clockText = clockText(m_desktop.timeOfDay());
    touch(Everything); // a new board: every view draws it afresh
    reset();
    if (!m_clockTick.isActive())
        m_clockTick.start();
}

void Battle::reset()
{
    Batch batch(*this);
    m_board.userInputArmed = false;
    for (int s = 0; s < SlotCount; ++s) {
        PostState &post = m_board.posts[s];
        writeTimeText(s, QString());
        post.status = OwnPresent;
        post.placeMinute = 0;
        post.placeArmed = false;
        post.savedSchedule.reset();
        post.countdown.clear();
        post.marked = false;
        touchPost(s);
    }
    m_board.userInputArmed = true;

    // The write runs the box's change reaction; the lines after it make the
    // elapsed time valid again from this minute.
    writeElapsedText(QStringLiteral("00:00"));
    m_board.elapsedTextUnreadable = false;
    m_board.elapsedMinutes = 0;
    m_board.lastTickMinute = nowMinutes();
    m_board.elapsedValid = true;
    m_board.elapsedEditArmed = true;
    m_board.displayMode = DisplayMode::NamesAndStatus;
    m_board.westRate = 0;
    m_board.eastRate = 0;
    setBattleResults(false);
    writeScore(Army::West, QStringLiteral("0"), Write::Edit);
    writeScore(Army::East, QStringLiteral("0"), Write::Edit);
    m_board.scoresSettled = false;
    m_board.scoreChangeSuppressed = false;
    m_board.forecast.message.clear();
    setAutoPlace(true);
    setNoticeBox(true);
    touch(Change(Display | Balance | Forecast));
}

void Battle::setAutoPlace(bool on)
{
    Batch batch(*this);
    if (m_board.autoPlace == on)
        return;
    // Every change of the automatic switch leaves the notice box unticked.
    m_board.autoPlace = on;
    m_board.noticeBox = false;
    touch(Options);
}

void Battle::setNoticeBox(bool on)
{
    Batch batch(*this);
    if (!m_board.autoPlace)
        return; // greyed out
    m_board.noticeBox = on;
    touch(Options);
}

void Battle::switchDisplayMode()
{
    Batch batch(*this);
    m_board.displayMode = nextDisplayMode(m_board.displayMode);
    touch(Display);
}

void Battle::closeNotice()
{
    Batch batch(*this);
    if (m_notices.empty())
        return;
    m_notices.pop_front();
    touch(Notices);
}

QString Battle::report() const
{
    const FactionChoice &choice = m_board.choice;
    BoardSnapshot snapshot;
    snapshot.westName = factionName(choice.WestFaction);
    snapshot.eastName = factionName(choice.EastFaction);
    snapshot.restoration = choice.RestorationFaction;
    for (int k = 0; k < SlotCount; ++k) {
        const PostState &post = m_board.posts[k];
        snapshot.statuses[k] = post.status;
        snapshot.westMainNames[k] = post.west.main.name;
        snapshot.eastMainNames[k] = post.east.main.name;
        snapshot.captions[k] = postCaption(k);
        snapshot.timeTexts[k] = post.timeText;
    }
    snapshot.nowText = clockText(m_desktop.timeOfDay());
    snapshot.elapsedText = m_board.elapsedText;
    return composeReport(snapshot);
}

QString Battle::title() const
{
    return QStringLiteral("Vantor　") + factionName(m_board.choice.WestFaction) + QStringLiteral("×")
           + factionName(m_board.choice.EastFaction) + QStringLiteral("　合戦状況");
}

QString Battle::factionCaption(Army army) const
{
    return army == Army::West ? factionName(m_board.choice.WestFaction) + QStringLiteral("(西軍)")
                              : factionName(m_board.choice.EastFaction) + QStringLiteral("(東軍)");
}

PostView Battle::post(int slot) const
{
    const PostState &post = m_board.posts[slot];
    const PostLook look = postLook(slot, post.status, m_board.choice.Colours);
    const bool unreadable = post.timeTextUnreadable;
    const auto factionOf = [this](Army army) {
        return factionName(army == Army::West ? m_board.choice.WestFaction : m_board.choice.EastFaction);
    };
    PostView view;
    view.caption = postCaption(slot);
    view.shown = postShown(slot);
    view.generals = post.generalsOf(look.namesFrom);
    view.statusWord = m_board.statusWords[look.statusWordIndex];
    view.tag = m_board.macroTags[look.tagIndex];
    view.tagPicture = look.tagIndex;
    view.colour = look.colour;
    view.countdown = post.countdown;
    view.time.text = post.timeText;
    view.time.cue = unreadable ? TextCue::Unreadable : post.placeArmed ? TextCue::Armed : TextCue::Plain;
    // A post whose typed time could not be read has no countdown: its box tells
    // the player which forms it takes instead.
    view.time.tooltip = unreadable ? QString::fromUtf16(PlacementTextForms) : post.countdown;
    view.time.enabled = look.kind == StatusKind::Awaiting;
    view.marked = post.marked;
    // What a screen reader says of the post: where it is and how it stands,
    // then who holds it and, while a general is awaited, when.
    view.accessibleName = (armyOfSlot(slot) == Army::West ? u"西軍の" : u"東軍の") % view.caption % u"：" % view.statusWord;
    view.accessibleDescription = factionOf(look.namesFrom) % u"・" % view.generals.main.name;
    if (view.time.enabled) {
        view.accessibleDescription += u"、配置予定 " % (post.timeText.isEmpty() ? QStringLiteral("不明") : post.timeText);
        if (!post.countdown.isEmpty())
            view.accessibleDescription += u"（" % post.countdown % u"）";
    }
    return view;
}

void Battle::clearMarks()
{
    Batch batch(*this);
    for (int s = 0; s < SlotCount; ++s) {
        if (m_board.posts[s].marked) {
            m_board.posts[s].marked = false;
            touchPost(s);
        }
    }
}

BoxView Battle::elapsed() const
{
    const bool unreadable = m_board.elapsedTextUnreadable;
    return BoxView{m_board.elapsedText, unreadable ? TextCue::Unreadable : TextCue::Plain,
                   unreadable ? QStringLiteral("入力された経過時間を読めなかったため、前の経過時間のまま進めています。\n")
                                    + QString::fromUtf16(ElapsedTextForms)
                              : QString(),
                   true};
}

BoxView Battle::score(Army army) const
{
    const ScoreBox &box = m_board.score(army);
    return BoxView{box.text, box.unreadable ? TextCue::Unreadable : TextCue::Plain,
                   box.unreadable ? QStringLiteral("数字のあとは読めません。この戦果は %1 として数えています")
                                        .arg(scoreText(numericValue(box.text)))
                                  : QString(),
                   m_board.battleResults};
}

std::array<QColor, BalanceCells> Battle::balance() const
{
    return balanceCells(rates(), m_board.choice.Colours);
}

ForecastView Battle::forecast() const
{
    const EndForecast &forecast = m_board.forecast;
    const QColor colour = forecast.winner == Winner::None
                              ? QColor(NeutralGrey)
                              : armyColour(forecast.winner == Winner::West ? Army::West : Army::East,
                                           StatusKind::Present, m_board.choice.Colours);
    return ForecastView{m_board.battleResults, forecast.caption, colour, forecast.message};
}

OptionsView Battle::options() const
{
    return OptionsView{m_board.autoPlace, m_board.noticeBox, m_board.autoPlace, m_board.battleResults};
}

} // namespace vantor
