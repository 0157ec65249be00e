// Plays simulated days on a real main window: a player pressing and double
// clicking every control of every post, typing times and scores both sensible
// and garbage, switching displays and factions, resetting and exporting, while
// the window's timers tick on a simulated clock that also crosses midnight, runs
// late and is set back and forward. Everything is drawn from one seeded random
// source, so a seed replays the same days. After every event the invariants of
// soak_invariants.h are checked; the first broken one stops the play and is
// reported with the seed and the events that led to it.
#pragma once

#include "app/notice_beep.h"
#include "soak/soak_invariants.h"
#include "support/main_window_harness.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QProperty>
#include <QRadioButton>
#include <QTimer>

#include <deque>
#include <random>

namespace vantor::soak {

inline constexpr qint64 SecondsPerDay = 24 * 60 * 60;

class SoakPlayer {
public:
    SoakPlayer(testing::MainWindowHarness &harness, quint64 seed, int startSecondOfDay = 9 * 3600)
        : h(harness)
        , window(*harness.window)
        , random(seed)
        , m_startSecond(startSecondOfDay)
    {
        m_notifiers.reserve(m_oneShots.size());
        watchOneShot(window.placementEditWait, 0);
        watchOneShot(window.elapsedEditWait, 1);
        watchOneShot(window.scoreSettleWait, 2);
        h.whileOpen = [this](const PromptRequest &request) { boxOpen(request); };
        h.choose = [this](FactionChooser &chooser) { choose(chooser); };
        setNoticeSoundSink([this](const NoticeSound &) { ++m_beeps; });
        setWallClock();
    }

    ~SoakPlayer()
    {
        setNoticeSoundSink({});
        h.whileOpen = {};
        h.choose = {};
    }

    // Plays until the simulated clock has run `seconds` further; false with
    // fault() filled when an invariant broke.
    bool play(qint64 seconds)
    {
        const qint64 end = m_now + seconds;
        if (!checked(QStringLiteral("start")))
            return false;
        while (m_now < end) {
            std::exponential_distribution<double> gap(1.0 / 25.0);
            const qint64 at = qMin(end, m_now + 1 + qint64(gap(random)));
            if (!advanceTo(at))
                return false;
            if (m_now >= end)
                break;
            playOneEvent();
            if (!checked(m_lastEvent))
                return false;
        }
        h.asked.clear(); // the player counts the boxes itself; a month of them would only fill memory
        return true;
    }

    const QString &fault() const { return m_fault; }
    qint64 eventsPlayed() const { return m_events; }
    qint64 ticks() const { return m_ticks; }
    qint64 notices() const { return m_notices; }
    qint64 beeps() const { return m_beeps; }

private:
    testing::MainWindowHarness &h;
    MainWindow &window;
    std::mt19937_64 random;
    qint64 m_startSecond;
    qint64 m_now = 0;                  // simulated seconds since the play began
    qint64 m_wallOffset = 0;           // seconds the wall clock was set forward (or back)
    qint64 m_nextTick = 10;
    std::array<qint64, 3> m_oneShotStarted{}; // placementEditWait, elapsedEditWait, scoreSettleWait
    std::array<QTimer *, 3> m_oneShots{};
    std::vector<QPropertyNotifier> m_notifiers;
    std::deque<QString> m_log;
    QString m_lastEvent;
    QString m_fault;
    QString m_eventFault; // a fault an event itself found
    qint64 m_events = 0;
    qint64 m_ticks = 0;
    qint64 m_beeps = 0;
    qint64 m_notices = 0;
    int m_openBoxes = 0;

    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <typename T> T pick(std::initializer_list<T> options) { return options.begin()[roll(int(options.size()))]; }

    // The one-shot timers are started by the window's own edits; the player
    // notes the simulated time of every start and fires the handler once the
    // timer's interval has passed on the simulated clock. The real timers
    // never fire: the play runs no event loop.
    void watchOneShot(QTimer *timer, int index)
    {
        m_oneShots[index] = timer;
        m_notifiers.push_back(timer->bindableActive().addNotifier([this, timer, index] {
            if (timer->isActive())
                m_oneShotStarted[index] = m_now;
        }));
    }

    qint64 oneShotDue(int index) const
    {
        return m_oneShots[index]->isActive() ? m_oneShotStarted[index] + m_oneShots[index]->interval() / 1000
                                             : std::numeric_limits<qint64>::max();
    }

    void setWallClock()
    {
        qint64 second = (m_startSecond + m_now + m_wallOffset) % SecondsPerDay;
        if (second < 0)
            second += SecondsPerDay;
        h.clock.set(int(second / 3600), int(second / 60 % 60), int(second % 60));
    }

    QString stamp() const
    {
        return QStringLiteral("[day %1 +%2s wall %3]")
            .arg(m_now / SecondsPerDay + 1)
            .arg(m_now % SecondsPerDay)
            .arg(h.clock.time.toString(QStringLiteral("HH:mm:ss")));
    }

    void note(const QString &event)
    {
        m_lastEvent = stamp() + QLatin1Char(' ') + event;
        m_log.push_back(m_lastEvent);
        if (m_log.size() > 60)
            m_log.pop_front();
    }

    bool checked(const QString &after)
    {
        if (m_openBoxes > 0)
            return true;
        const QString broken = m_eventFault.isEmpty() ? brokenInvariant(window) : m_eventFault;
        if (broken.isEmpty())
            return true;
        m_fault = QStringLiteral("broken after %1:\n  %2\nlast events:\n").arg(after, broken);
        for (const QString &line : m_log)
            m_fault += QStringLiteral("  ") + line + QLatin1Char('\n');
        return false;
    }

    // Fires every timer whose time comes up to `until`, in time order, at its time.
    bool advanceTo(qint64 until)
    {
        for (;;) {
            int next = -1;
            qint64 at = m_nextTick;
            for (int i = 0; i < 3; ++i)
                if (oneShotDue(i) < at) {
                    at = oneShotDue(i);
                    next = i;
                }
            if (at > until)
                break;
            m_now = qMax(m_now, at);
            setWallClock();
            fireTimer(next);
            if (!checked(m_lastEvent))
                return false;
        }
        m_now = qMax(m_now, until);
        setWallClock();
        return true;
    }

    void fireTimer(int oneShot)
    {
        switch (oneShot) {
        case -1:
            m_nextTick = m_now + 10;
            ++m_ticks;
            note(QStringLiteral("clockTick tick"));
            window.onClockTick();
            // What the event loop would do between ticks: paint requests,
            // layouts and deferred deletions are handled, no timer fires.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        case 0:
            note(QStringLiteral("placementEditWait (placement times read back)"));
            window.readTypedPlacementTimes();
            break;
        case 1:
            note(QStringLiteral("elapsedEditWait (elapsed time read back)"));
            window.readTypedElapsedTime();
            break;
        case 2:
            note(QStringLiteral("scoreSettleWait (scores settled)"));
            window.settleTypedScores();
            break;
        }
    }

    // While a box waits for the player, the timers go on: the player takes up
    // to two minutes to answer, and the ticks of that time run inside the box.
    void boxOpen(const PromptRequest &request)
    {
        m_notices += request.title == QStringLiteral("武将配置のお知らせ");
        if (m_openBoxes > 0 || !chance(0.5))
            return;
        ++m_openBoxes;
        const QString outer = m_lastEvent;
        note(QStringLiteral("box \"%1\" stays open").arg(request.title));
        advanceTo(m_now + 1 + roll(120));
        m_lastEvent = outer;
        --m_openBoxes;
    }

    void playOneEvent()
    {
        ++m_events;
        const int kind = roll(100);
        if (kind < 30)
            pressPost();
        else if (kind < 40)
            doubleClickPost();
        else if (kind < 48)
            typeTimeBox();
        else if (kind < 51)
            typeElapsed();
        else if (kind < 56)
            typeScore();
        else if (kind < 62)
            pressStepButton();
        else if (kind < 65)
            chooseAward();
        else if (kind < 69)
            clickCheck(window.battleResultsCheck, "戦果表示");
        else if (kind < 71)
            clickCheck(chance(0.5) ? window.autoPlaceCheck : window.noticeBoxCheck, "notice option");
        else if (kind < 75)
            switchDisplay();
        else if (kind < 78)
            exportReport();
        else if (kind < 80)
            resetBoard();
        else if (kind < 82)
            chooseFactions();
        else if (kind < 83)
            smallCommand();
        else if (kind < 88)
            moveWallClock();
        else if (kind < 90)
            runLate();
        else
            pressPost();
    }

    struct Control {
        QWidget *widget;
        const char *name;
    };

    Control postControl(int slot)
    {
        const PostControls &p = window.posts[slot];
        const std::array<Control, 12> controls{{
            {p.frame, "frame"}, {p.mainName, "mainName"}, {p.viceName, "viceName"}, {p.statusCaption, "statusCaption"},
            {p.tagCaption, "tagCaption"}, {p.detailsMainName, "detailsMainName"}, {p.mainGeneralDetails, "mainGeneralDetails"}, {p.detailsViceName, "detailsViceName"},
            {p.viceGeneralDetails, "viceGeneralDetails"}, {p.tagPicture, "tagPicture"}, {p.pictureBox, "pictureBox"}, {p.timeBox, "timeBox"},
        }};
        return controls[roll(12)];
    }

    static void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button)
    {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    Qt::MouseButton anyButton()
    {
        return pick({Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::RightButton,
                     Qt::MiddleButton, Qt::BackButton});
    }

    void notePostEvent(const char *what, int slot, Control control, Qt::MouseButton button)
    {
        note(QStringLiteral("%1 post %2 %3 button %4 (status %5%6%7)")
                 .arg(QLatin1String(what))
                 .arg(slot)
                 .arg(QLatin1String(control.name))
                 .arg(int(button))
                 .arg(int(window.board().posts[slot].status))
                 .arg(control.widget->isVisible() ? QString() : QStringLiteral(", hidden"))
                 .arg(control.widget->isEnabled() ? QString() : QStringLiteral(", disabled")));
    }

    void pressPost()
    {
        const int slot = roll(SlotCount);
        const Control control = postControl(slot);
        const Qt::MouseButton button = anyButton();
        notePostEvent("press", slot, control, button);
        sendMouse(control.widget, QEvent::MouseButtonPress, button);
        sendMouse(control.widget, QEvent::MouseButtonRelease, button);
    }

    // The order Qt delivers a double click in: press, release, press, double click, release.
    void doubleClickPost()
    {
        const int slot = roll(SlotCount);
        const Control control = postControl(slot);
        const Qt::MouseButton button = anyButton();
        notePostEvent("double click", slot, control, button);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            sendMouse(control.widget, type, button);
    }

    static void sendKey(QWidget *target, int key, const QString &text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &release);
    }

    // Keys as the player types them: into whatever the box holds, or over all
    // of it, sometimes with a backspace.
    void typeInto(QLineEdit *box, const QString &text)
    {
        if (chance(0.8))
            box->selectAll();
        else
            box->end(false);
        if (chance(0.2))
            sendKey(box, Qt::Key_Backspace, QString());
        for (QChar c : text)
            sendKey(box, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown, QString(c));
    }

    QString randomDigits(int maxLength, bool colon)
    {
        QString text;
        const int length = roll(maxLength + 1);
        for (int i = 0; i < length; ++i)
            text += colon && roll(4) == 0 ? QChar(u':') : QChar(u'0' + roll(10));
        return text;
    }

    QString timeText()
    {
        switch (roll(4)) {
        case 0:
            return QStringLiteral("%1:%2").arg(roll(24)).arg(roll(60), 2, 10, QChar(u'0'));
        case 1:
            return QStringLiteral("%1:%2").arg(roll(30)).arg(roll(70));
        case 2:
            return randomDigits(7, true);
        default:
            return pick({QStringLiteral(""), QStringLiteral("abc"), QStringLiteral("24:00"), QStringLiteral("23:59"),
                         QStringLiteral("0:00"), QStringLiteral("99:99"), QStringLiteral("１２:００"),
                         QStringLiteral("　"), QStringLiteral("-1:30"), QStringLiteral("12:345"),
                         QStringLiteral("1e3"), QStringLiteral("12.5")});
        }
    }

    void typeTimeBox()
    {
        const int slot = roll(SlotCount);
        const QString text = timeText();
        note(QStringLiteral("type \"%1\" into the time box of post %2 (status %3, %4)")
                 .arg(text)
                 .arg(slot)
                 .arg(int(window.board().posts[slot].status))
                 .arg(window.posts[slot].timeBox->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled")));
        typeInto(window.posts[slot].timeBox, text);
    }

    void typeElapsed()
    {
        const QString text = chance(0.4) ? QString::number(roll(100)) : timeText();
        note(QStringLiteral("type \"%1\" into the elapsed time").arg(text));
        typeInto(window.elapsedBox, text);
    }

    QString scoreTyped()
    {
        switch (roll(3)) {
        case 0:
            return QString::number(roll(20000));
        case 1:
            return randomDigits(7, false);
        default:
            return pick({QStringLiteral("-50"), QStringLiteral("100000"), QStringLiteral("99999"),
                         QStringLiteral("1e9"), QStringLiteral("-1e9"), QStringLiteral("nan"), QStringLiteral("inf"),
                         QStringLiteral("12.5"), QStringLiteral("  42abc"), QStringLiteral("-0"), QStringLiteral("")});
        }
    }

    void typeScore()
    {
        QLineEdit *box = chance(0.5) ? window.westScoreBox : window.eastScoreBox;
        const QString text = scoreTyped();
        note(QStringLiteral("type \"%1\" into score box %2").arg(text).arg(box == window.westScoreBox ? 3 : 4));
        typeInto(box, text);
    }

    void pressStepButton()
    {
        const int k = roll(6);
        QPushButton *step = window.scoreStepButtons[k];
        const Qt::MouseButton button = anyButton();
        note(QStringLiteral("press step button %1 (%2) button %3").arg(k).arg(step->text()).arg(int(button)));
        sendMouse(step, QEvent::MouseButtonPress, button);
        sendMouse(step, QEvent::MouseButtonRelease, button);
    }

    void chooseAward()
    {
        QMenu *menu = chance(0.5) ? window.westAwardMenu : window.eastAwardMenu;
        QAction *action = menu->actions().at(roll(int(menu->actions().size())));
        note(QStringLiteral("menu %1 → %2").arg(menu->title(), action->text()));
        action->trigger();
    }

    void clickCheck(QCheckBox *box, const char *what)
    {
        note(QStringLiteral("click %1 \"%2\" (was %3)").arg(QLatin1String(what), box->text()).arg(box->isChecked()));
        box->click();
    }

    void switchDisplay()
    {
        note(QStringLiteral("display switch from mode %1").arg(int(window.board().displayMode)));
        if (chance(0.5))
            window.displaySwitchButton->click();
        else
            window.displaySwitchAction->trigger();
    }

    void exportReport()
    {
        note(QStringLiteral("clipboard export"));
        if (chance(0.5))
            window.copyReportButton->click();
        else
            window.copyReportAction->trigger();
        if (!QGuiApplication::clipboard()->text().endsWith(QStringLiteral("\r\n")))
            m_eventFault = QStringLiteral("the clipboard report does not end in CR LF");
    }

    void answerNext(bool ok) { h.answers.push_back(ok); }

    void resetBoard()
    {
        if (chance(0.5)) {
            note(QStringLiteral("初期化 button"));
            window.resetButton->click();
            return;
        }
        const bool ok = chance(0.8);
        note(QStringLiteral("menu 初期化, answered %1").arg(ok ? QStringLiteral("OK") : QStringLiteral("Cancel")));
        answerNext(ok);
        window.resetAction->trigger();
        h.answers.clear();
    }

    void chooseFactions()
    {
        const bool ok = chance(0.85);
        note(QStringLiteral("menu 勢力選択, answered %1").arg(ok ? QStringLiteral("OK") : QStringLiteral("Cancel")));
        answerNext(ok);
        window.chooseFactionsAction->trigger();
        h.answers.clear();
    }

    void choose(FactionChooser &chooser)
    {
        int west = 0;
        int east = 0;
        switch (roll(10)) {
        case 0:
        case 1:
            west = east = 14; // the great battle on both sides
            break;
        case 2:
            west = pick({-1, 14, 3});
            east = west == 3 ? 3 : roll(15); // nothing, the battle against a house, or one house twice
            break;
        default:
            west = roll(14);
            east = (west + 1 + roll(13)) % 14;
        }
        chooser.factionLists[0]->setCurrentRow(west);
        chooser.factionLists[1]->setCurrentRow(east);
        if (chance(0.4))
            chooser.schemeOptions[roll(2)]->click();
        if (chance(0.3))
            chooser.restorationCheck->click();
        m_lastEvent += QStringLiteral(" — chooser: West row %1, East row %2, scheme %3, restoration %4, OK %5")
                           .arg(west)
                           .arg(east)
                           .arg(chooser.schemeOptions[1]->isChecked() ? 1 : 0)
                           .arg(chooser.restorationCheck->isChecked() ? 1 : 0)
                           .arg(chooser.okButton->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        m_log.back() = m_lastEvent;
    }

    void smallCommand()
    {
        if (chance(0.5)) {
            note(QStringLiteral("About box"));
            window.aboutAction->trigger();
        } else {
            note(QStringLiteral("menu 終了, answered Cancel"));
            answerNext(false);
            window.exitAction->trigger();
            h.answers.clear();
        }
    }

    void moveWallClock()
    {
        const qint64 by = pick<qint64>({-3600, -600, -60, -1, 60, 600, 3600, 7200}) + roll(60);
        note(QStringLiteral("wall clock set %1 by %2 s").arg(by < 0 ? QStringLiteral("back") : QStringLiteral("forward")).arg(qAbs(by)));
        m_wallOffset += by;
        setWallClock();
    }

    // The machine was busy or asleep: no timer fired meanwhile, and each fires
    // once as soon as it wakes.
    void runLate()
    {
        const qint64 late = 10 + roll(chance(0.8) ? 120 : 1800);
        note(QStringLiteral("no timer fires for %1 s").arg(late));
        m_now += late;
        m_nextTick = qMin(m_nextTick, m_now);
        for (int i = 0; i < 3; ++i)
            if (m_oneShots[i]->isActive())
                m_oneShotStarted[i] = qMin(m_oneShotStarted[i], m_now - m_oneShots[i]->interval() / 1000);
        setWallClock();
    }
};

} // namespace vantor::soak
