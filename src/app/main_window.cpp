#include "app/main_window.h"

#include "app/artwork.h"
#include "app/background.h"
#include "app/balance_bar.h"
#include "app/board_layout.h"
#include "app/board_scaler.h"
#include "app/board_text_box.h"
#include "app/forecast_panel.h"
#include "app/post_widget.h"
#include "app/score_step_button.h"
#include "app/faction_chooser.h"
#include "battle/battle.h"
#include "battle/desktop.h"
#include "board/post_display.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace vantor {

MainWindow::MainWindow(Battle &battle, Desktop &desktop, QWidget *parent)
    : QMainWindow(parent)
    , m_battle(battle)
    , m_desktop(desktop)
{
}

MainWindow::~MainWindow() = default;

void MainWindow::buildBoardOnce()
{
    if (centralWidget())
        return;
    auto *host = new QWidget(this);
    setCentralWidget(host);
    setBackground(host, QColor(NeutralGrey));
    auto *board = new QWidget(host);
    board->setObjectName(QStringLiteral("board"));
    setBackground(board, QColor(NeutralGrey));
    board->resize(layout::Board.size());
    m_scaler = new BoardScaler(host, board);
    buildTopStrip(board);
    buildPosts(board);
    buildBottomStrip(board);
    host->setMinimumSize(m_scaler->sizeAt(SmallestBoardScale));
    connect(m_scaler, &BoardScaler::pixelSizeChanged, this, &MainWindow::drawTagPictures);
    // The window opens with the focus on its background rather than in a text
    // box: no caret blinks while the board sits idle beside the game.
    board->setFocusPolicy(Qt::ClickFocus);
    board->setFocus();
    buildMenus();
    openAtFittingSize();
    connectBattle();
}

void MainWindow::buildTopStrip(QWidget *board)
{
    for (const layout::StepButton &step : layout::StepButtons) {
        for (Army army : {Army::West, Army::East}) {
            auto *button = new ScoreStepButton(army, step.points, board);
            m_scaler->place(button, army == Army::West ? step.west : step.east);
            const QString side = army == Army::West ? QStringLiteral("西軍") : QStringLiteral("東軍");
            button->setToolTip(QStringLiteral("左クリックで%1の戦果に%2を足し、右クリックで%2を引きます").arg(side).arg(step.points));
            button->setAccessibleName(QStringLiteral("%1の戦果 %2").arg(side).arg(step.points));
            button->setEnabled(false);
            connect(button, &ScoreStepButton::stepped, &m_battle, &Battle::stepScore);
            m_stepButtons[(army == Army::West ? 0 : 3) + (&step - layout::StepButtons)] = button;
        }
    }
    const auto scoreBox = [&](Army army, const QString &name, QRect designed) {
        auto *box = new BoardTextBox(board);
        box->setObjectName(name);
        box->setAccessibleName(army == Army::West ? QStringLiteral("西軍の戦果") : QStringLiteral("東軍の戦果"));
        box->setEnabled(false);
        m_scaler->place(box, designed);
        connect(box, &BoardTextBox::edited, this, [this, army](const QString &text) { m_battle.editScore(army, text); });
        return box;
    };
    m_westScoreBox = scoreBox(Army::West, QStringLiteral("westScoreBox"), layout::WestScoreBox);
    m_eastScoreBox = scoreBox(Army::East, QStringLiteral("eastScoreBox"), layout::EastScoreBox);

    const auto caption = [&](QWidget *parent, const QString &name, QRect designed) {
        auto *label = new QLabel(parent);
        label->setObjectName(name);
        m_scaler->place(label, designed);
        return label;
    };
    m_westFactionCaption = caption(board, QStringLiteral("westFactionCaption"), layout::WestFactionCaption);
    m_eastFactionCaption = caption(board, QStringLiteral("eastFactionCaption"), layout::EastFactionCaption);

    auto *clockFrame = new QGroupBox(QStringLiteral("現在の時刻"), board);
    clockFrame->setObjectName(QStringLiteral("clockFrame"));
    m_scaler->place(clockFrame, layout::ClockFrame);
    m_clockCaption = caption(clockFrame, QStringLiteral("clockCaption"), layout::ClockCaption);
    m_clockCaption->setAccessibleName(QStringLiteral("現在の時刻"));
    auto *elapsedFrame = new QGroupBox(QStringLiteral("経過時間"), board);
    elapsedFrame->setObjectName(QStringLiteral("elapsedFrame"));
    m_scaler->place(elapsedFrame, layout::ElapsedFrame);
    m_elapsedBox = new BoardTextBox(elapsedFrame);
    m_elapsedBox->setObjectName(QStringLiteral("elapsedBox"));
    m_elapsedBox->setAccessibleName(QStringLiteral("経過時間"));
    m_scaler->place(m_elapsedBox, layout::ElapsedBox);
    connect(m_elapsedBox, &BoardTextBox::edited, &m_battle, &Battle::editElapsedText);

    m_westRateCaption = caption(board, QStringLiteral("westRateCaption"), layout::WestRateCaption);
    m_eastRateCaption = caption(board, QStringLiteral("eastRateCaption"), layout::EastRateCaption);
    for (QLabel *rate : {m_westRateCaption, m_eastRateCaption}) {
        const QString side = rate == m_westRateCaption ? QStringLiteral("西軍") : QStringLiteral("東軍");
        rate->setAlignment(Qt::AlignCenter);
        rate->setToolTip(side + QStringLiteral("が毎分得る戦果"));
        rate->setAccessibleName(side + QStringLiteral("の毎分の戦果"));
    }
    m_balanceBar = new BalanceBar(board);
    m_scaler->place(m_balanceBar, layout::BalanceBar);
}

void MainWindow::buildPosts(QWidget *board)
{
    for (int s = 0; s < SlotCount; ++s) {
        auto *post = new PostWidget(s, board);
        m_scaler->place(post, layout::postFrame(s));
        connect(m_scaler, &BoardScaler::scaleChanged, post, &PostWidget::setScale);
        connect(post, &PostWidget::pressed, &m_battle, &Battle::pressPost);
        connect(post, &PostWidget::doubleClicked, &m_battle, &Battle::doubleClickPost);
        connect(post, &PostWidget::timeEdited, &m_battle, &Battle::editTimeText);
        connect(post, &PostWidget::focusMoved, this, &MainWindow::focusPostBeside);
        connect(post, &PostWidget::focused, this, &MainWindow::makeTabStop);
        m_posts[s] = post;
    }
    makeTabStop(0);
}

void MainWindow::buildBottomStrip(QWidget *board)
{
    const auto check = [&](const QString &caption, const QString &name, QRect designed, void (Battle::*set)(bool)) {
        auto *box = new QCheckBox(caption, board);
        box->setObjectName(name);
        // A caption's font may run wider than the design's: the box grows to hold it.
        designed.setWidth(qMax(designed.width(), box->sizeHint().width()));
        m_scaler->place(box, designed);
        connect(box, &QCheckBox::toggled, &m_battle, set);
        return box;
    };
    m_autoPlaceCheck = check(QStringLiteral("主将配置時刻がきたら自動で健在に変更"), QStringLiteral("autoPlaceCheck"),
                             layout::AutoPlaceCheck, &Battle::setAutoPlace);
    m_noticeBoxCheck = check(QStringLiteral("MsgBoxでお知らせ"), QStringLiteral("noticeBoxCheck"),
                             layout::NoticeBoxCheck, &Battle::setNoticeBox);
    m_battleResultsCheck = check(QStringLiteral("戦果表示"), QStringLiteral("battleResultsCheck"),
                                 layout::BattleResultsCheck, &Battle::setBattleResults);

    const auto command = [&](const QString &caption, const QString &name, QRect designed, auto run) {
        auto *button = new QPushButton(caption, board);
        button->setObjectName(name);
        m_scaler->place(button, designed);
        // No key reaches the commands, least of all 初期化, which resets without
        // asking: a stray Space after Tab or a click must not wipe the board.
        // The menu's Ctrl+N asks first.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, run);
    };
    command(QStringLiteral("初期化"), QStringLiteral("resetButton"), layout::ResetButton, [this] { m_battle.reset(); });
    command(QStringLiteral("表示切替"), QStringLiteral("displaySwitchButton"), layout::DisplaySwitchButton,
            [this] { m_battle.switchDisplayMode(); });
    command(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ書出"), QStringLiteral("copyReportButton"), layout::CopyReportButton,
            [this] { copyReport(); });

    m_forecast = new ForecastPanel(board);
    m_scaler->place(m_forecast, layout::ForecastFrame);
    m_scaler->place(m_forecast->caption(), layout::ForecastCaption);

    m_copyNote = new QLabel(QStringLiteral("クリップボードに書き出しました"), board);
    m_copyNote->setObjectName(QStringLiteral("copyReportNote"));
    m_copyNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_scaler->place(m_copyNote, layout::CopyReportNote);
    m_copyNote->hide();
    m_copyNoteWait = new QTimer(this);
    m_copyNoteWait->setSingleShot(true);
    m_copyNoteWait->setInterval(std::chrono::seconds(2));
    connect(m_copyNoteWait, &QTimer::timeout, m_copyNote, &QWidget::hide);
}

void MainWindow::buildMenus()
{
    const auto action = [this](QMenu *menu, const QString &caption, const QString &name, auto run,
                               QKeySequence shortcut = {}) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    action(fileMenu, QStringLiteral("初期化(&N)"), QStringLiteral("resetAction"), [this] { resetCommand(); }, ResetKey);
    action(fileMenu, QStringLiteral("勢力選択"), QStringLiteral("chooseFactionsAction"), [this] { chooseFactions(); });
    action(fileMenu, QStringLiteral("終了"), QStringLiteral("exitAction"), [this] { exitCommand(); });

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    action(editMenu, QStringLiteral("表示切替(&Z)"), QStringLiteral("displaySwitchAction"),
           [this] { m_battle.switchDisplayMode(); }, DisplaySwitchKey);
    action(editMenu, QStringLiteral("クリップボード書出(&C)"), QStringLiteral("copyReportAction"), [this] { copyReport(); },
           CopyReportKey);
    editMenu->addSeparator();
    QAction *onTop = editMenu->addAction(QStringLiteral("常に手前に表示"));
    onTop->setObjectName(QStringLiteral("alwaysOnTopAction"));
    onTop->setCheckable(true);
    connect(onTop, &QAction::toggled, this, &MainWindow::keepOnTop);

    const auto awardMenu = [&](Army army, const QString &caption, const QString &name) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        int key = 0;
        for (const Award &a : army == Army::West ? westAwards() : eastAwards())
            action(menu, QString::fromUtf16(a.caption) + QStringLiteral("(&%1)").arg(++key), QString(),
                   [this, army, points = a.points] { m_battle.award(army, points); });
        return menu;
    };
    m_westAwardMenu = awardMenu(Army::West, QStringLiteral("西軍戦果加算(&A)"), QStringLiteral("westAwardMenu"));
    m_eastAwardMenu = awardMenu(Army::East, QStringLiteral("東軍戦果加算(&B)"), QStringLiteral("eastAwardMenu"));

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    action(helpMenu, QStringLiteral("バージョン情報(&A)"), QStringLiteral("aboutAction"), [this] { showAbout(); });
}

void MainWindow::openAtFittingSize()
{
    // The frame is unknown until the window is first shown: room for a title
    // bar and borders is kept free.
    constexpr QMargins FrameAllowance(8, 32, 8, 8);
    // The menu bar's own height hint runs a pixel short of the height it takes
    // at the board's width, which would open the board just under its designed
    // size, every font a pixel smaller.
    const QSize menus(0, menuBar()->heightForWidth(m_scaler->sizeAt(1.0).width()));
    const QSize room = screen()->availableGeometry().size().shrunkBy(FrameAllowance) - menus;
    const qreal scale = std::min(qreal(1.0), m_scaler->scaleFor(room));
    resize(m_scaler->sizeAt(scale) + menus);
}

void MainWindow::connectBattle()
{
    connect(&m_battle, &Battle::factionsChanged, this, &MainWindow::showFactions);
    connect(&m_battle, &Battle::postChanged, this, &MainWindow::showPost);
    connect(&m_battle, &Battle::displayModeChanged, this, &MainWindow::showDisplayMode);
    connect(&m_battle, &Battle::clockChanged, this, &MainWindow::showClock);
    connect(&m_battle, &Battle::elapsedChanged, this, &MainWindow::showElapsed);
    connect(&m_battle, &Battle::scoresChanged, this, &MainWindow::showScores);
    connect(&m_battle, &Battle::balanceChanged, this, &MainWindow::showBalance);
    connect(&m_battle, &Battle::forecastChanged, this, &MainWindow::showForecast);
    connect(&m_battle, &Battle::optionsChanged, this, &MainWindow::showOptions);
    connect(&m_battle, &Battle::noticesChanged, this, &MainWindow::showNextNotice);
}

void MainWindow::showFactions()
{
    setWindowTitle(m_battle.title());
    m_westFactionCaption->setText(m_battle.factionCaption(Army::West));
    m_eastFactionCaption->setText(m_battle.factionCaption(Army::East));
    drawTagPictures();
}

void MainWindow::showPost(int slot)
{
    const PostView view = m_battle.post(slot);
    m_posts[slot]->display(view, m_tagPictures[view.tagPicture]);
}

void MainWindow::showDisplayMode()
{
    for (PostWidget *post : m_posts)
        post->setDisplayMode(m_battle.displayMode());
}

void MainWindow::showClock()
{
    m_clockCaption->setText(m_battle.clockCaption());
    m_clockCaption->setAccessibleDescription(m_clockCaption->text());
}

void MainWindow::showElapsed()
{
    m_elapsedBox->display(m_battle.elapsed());
}

void MainWindow::showScores()
{
    m_westScoreBox->display(m_battle.score(Army::West));
    m_eastScoreBox->display(m_battle.score(Army::East));
}

void MainWindow::showBalance()
{
    const Rates rates = m_battle.rates();
    m_westRateCaption->setText(QString::number(rates.west));
    m_eastRateCaption->setText(QString::number(rates.east));
    for (QLabel *rate : {m_westRateCaption, m_eastRateCaption})
        rate->setAccessibleDescription(rate->text());
    m_balanceBar->display(m_battle.balance(), rates);
}

void MainWindow::showForecast()
{
    m_forecast->display(m_battle.forecast());
}

void MainWindow::showOptions()
{
    const OptionsView options = m_battle.options();
    const QSignalBlocker autoPlace(m_autoPlaceCheck), noticeBox(m_noticeBoxCheck), battleResults(m_battleResultsCheck);
    m_autoPlaceCheck->setChecked(options.autoPlace);
    m_noticeBoxCheck->setChecked(options.noticeBox);
    m_noticeBoxCheck->setEnabled(options.noticeBoxEnabled);
    m_battleResultsCheck->setChecked(options.battleResults);
    for (QPushButton *button : m_stepButtons)
        button->setEnabled(options.battleResults);
}

void MainWindow::showNextNotice()
{
    // One notice at a time, in the order the posts were placed; the board goes
    // on underneath.
    if (m_noticeOpen || !m_battle.hasNotice())
        return;
    m_noticeOpen = true;
    m_desktop.inform(Battle::NoticeTitle, m_battle.notice(), [this] {
        m_noticeOpen = false;
        m_battle.closeNotice();
    });
}

void MainWindow::focusPostBeside(int slot, int columns, int rows)
{
    const int beside = layout::postBeside(slot, columns, rows, [this](int s) { return m_posts[s]->isVisible(); });
    if (beside >= 0)
        m_posts[beside]->setFocus(Qt::TabFocusReason);
}

// The board is one stop in the Tab chain: the post that had the focus last.
void MainWindow::makeTabStop(int slot)
{
    for (PostWidget *post : m_posts)
        post->setFocusPolicy(post->slot() == slot ? Qt::StrongFocus : Qt::ClickFocus);
}

// Drawn for the pixels the posts show them at, after each faction choice and
// whenever the board's scale or the screen's pixel density changes.
void MainWindow::drawTagPictures()
{
    const FactionChoice &choice = m_battle.choice();
    const qreal ratio = devicePixelRatioF();
    const int pixels = qRound(m_posts[0]->tagPictureSize().width() * ratio);
    m_tagPictures[0] = forScreen(factionEmblem(choice.WestFaction, pixels), ratio);
    m_tagPictures[1] = forScreen(factionEmblem(choice.EastFaction, pixels), ratio);
    for (int entry = 2; entry <= 5; ++entry)
        m_tagPictures[entry] = forScreen(statusIcon(statusIconForTag(entry, choice.Colours), pixels), ratio);
    for (int s = 0; s < SlotCount; ++s)
        m_posts[s]->setTagPicture(m_tagPictures[m_battle.post(s).tagPicture]);
}

} // namespace vantor
