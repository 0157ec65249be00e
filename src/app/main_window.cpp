#include "app/main_window.h"

#include "app/board_scaler.h"
#include "app/control_writes.h"
#include "app/faction_chooser.h"
#include "app/desktop_look.h"
#include "app/twips.h"
#include "board/balance.h"
#include "board/post_display.h"
#include "score/score_rules.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vantor {

namespace {

constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 7560;

template <typename Widget>
Widget *place(Widget *widget, QRect geometry)
{
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget *parent, const QString &caption, QRect geometry, QFont font)
{
    auto *l = place(new QLabel(caption, parent), geometry);
    l->setFont(font);
    return l;
}

int scoreStepIndex(Army army, int points)
{
    return (army == Army::East ? 3 : 0) + (points == 1 ? 0 : points == 10 ? 1 : 2);
}

QTimer *timer(QObject *parent, int interval, void (MainWindow::*tick)(), MainWindow *window)
{
    auto *t = new QTimer(parent);
    t->setInterval(interval);
    QObject::connect(t, &QTimer::timeout, window, tick);
    return t;
}

} // namespace

std::array<QWidget *, 11> PostControls::tooltipGroup() const
{
    return {frame, mainName, viceName, statusCaption, tagCaption, detailsMainName, mainGeneralDetails, detailsViceName, viceGeneralDetails, tagPicture, timeBox};
}

std::array<QWidget *, 9> PostControls::colouredGroup() const
{
    return {frame, mainName, viceName, statusCaption, tagCaption, detailsMainName, mainGeneralDetails, detailsViceName, viceGeneralDetails};
}

void applyPostVisibility(PostControls &p, const DisplayVisibility &v)
{
    auto apply = [](QWidget *control, Shown shown) {
        if (shown != Shown::Keep)
            control->setVisible(shown == Shown::Show);
    };
    apply(p.mainName, v.mainName);
    apply(p.viceName, v.viceName);
    apply(p.statusCaption, v.statusCaption);
    apply(p.tagCaption, v.tagCaption);
    apply(p.pictureBox, v.pictureBox);
    apply(p.tagPicture, v.tagPicture);
    apply(p.detailsMainName, v.detailsMainName);
    apply(p.mainGeneralDetails, v.mainGeneralDetails);
    apply(p.detailsViceName, v.detailsViceName);
    apply(p.viceGeneralDetails, v.viceGeneralDetails);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    clockTick = timer(this, 10000, &MainWindow::onClockTick, this);
    placementEditWait = timer(this, 30000, &MainWindow::readTypedPlacementTimes, this);
    elapsedEditWait = timer(this, 10000, &MainWindow::readTypedElapsedTime, this);
    scoreSettleWait = timer(this, 10000, &MainWindow::settleTypedScores, this);
}

MainWindow::~MainWindow() = default;

QPushButton *MainWindow::scoreStepButton(Army army, int points) const
{
    return scoreStepButtons[scoreStepIndex(army, points)];
}

FactionChooser &MainWindow::chooser()
{
    if (!m_chooser)
        m_chooser = std::make_unique<FactionChooser>(this);
    return *m_chooser;
}

FactionChoice MainWindow::factions()
{
    return m_builtChoice;
}

void MainWindow::buildWindowOnce()
{
    if (centralWidget())
        return;
    buildControls();
    buildMenus();
    openAtFittingSize();
}

void MainWindow::buildControls()
{
    auto *host = new QWidget(this);
    setCentralWidget(host);
    setBackground(host, QColor(NeutralGrey));
    auto *client = new QWidget(host);
    setBackground(client, QColor(NeutralGrey));
    client->resize(px(ClientWidth), px(ClientHeight));
    buildTopStrip(client);
    for (int s = 0; s < SlotCount; ++s)
        buildPost(client, s);
    buildBottomStrip(client);
    boardScaler = new BoardScaler(host, client);
    host->setMinimumSize(boardScaler->sizeAt(SmallestBoardScale));
    connect(boardScaler, &BoardScaler::pixelSizeChanged, this, &MainWindow::drawTagPictures);
    // The window opens with the focus on its background rather than in a text
    // box: no caret blinks while the board sits idle beside the game.
    client->setFocusPolicy(Qt::ClickFocus);
    client->setFocus();
}

void MainWindow::buildTopStrip(QWidget *client)
{
    const QFont font = gothicFont(9);
    struct StepButton {
        ScoreStep step;
        int left, width;
    };
    const StepButton steps[] = {{{Army::West, 100}, 240, 495},  {{Army::West, 10}, 720, 375},
                                {{Army::West, 1}, 1080, 255},   {{Army::East, 100}, 9360, 495},
                                {{Army::East, 10}, 9840, 375},  {{Army::East, 1}, 10200, 255}};
    for (const StepButton &b : steps) {
        auto *button = place(new QPushButton(QString::number(b.step.points), client),
                             twipsRect(b.left, 240, b.width, 255));
        button->setEnabled(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        m_scoreButtons.insert(button, b.step);
        scoreStepButtons[scoreStepIndex(b.step.army, b.step.points)] = button;
    }
    westScoreBox = place(new QLineEdit(QStringLiteral("0"), client), twipsRect(240, 540, 1095, 360));
    eastScoreBox = place(new QLineEdit(QStringLiteral("0"), client), twipsRect(9360, 540, 1095, 360));
    for (QLineEdit *box : {westScoreBox, eastScoreBox}) {
        box->setEnabled(false);
        keepMenuShortcuts(box);
        connect(box, &QLineEdit::textChanged, this, &MainWindow::onScoreBoxEdited);
    }
    westFactionCaption = label(client, QString(), twipsRect(1800, 480, 1575, 255), font);
    eastFactionCaption = label(client, QString(), twipsRect(7320, 480, 1575, 255), font);

    clockFrame = place(new QGroupBox(QStringLiteral("現在の時刻"), client), twipsRect(3960, 120, 1335, 735));
    clockCaption = label(clockFrame, QString(), twipsRect(120, 285, 1095, 255), font);
    elapsedFrame = place(new QGroupBox(QStringLiteral("経過時間"), client), twipsRect(5400, 120, 1335, 735));
    elapsedBox = place(new QLineEdit(QStringLiteral("00:00"), elapsedFrame), twipsRect(120, 240, 1095, 360));
    keepMenuShortcuts(elapsedBox);
    connect(elapsedBox, &QLineEdit::textChanged, this, &MainWindow::onElapsedBoxEdited);

    westRateCaption = label(client, QStringLiteral("0"), twipsRect(0, 960, 255, 255), font);
    eastRateCaption = label(client, QStringLiteral("0"), twipsRect(10440, 960, 255, 255), font);
    for (QLabel *rate : {westRateCaption, eastRateCaption})
        rate->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < BalanceCells; ++k) {
        balanceBar[k] = place(new QLabel(client), twipsRect(360 + 480 * k, 960, 375, 255));
        balanceBar[k]->setFrameShape(QFrame::Panel);
        balanceBar[k]->setFrameShadow(QFrame::Sunken);
        setBackground(balanceBar[k], QColor(NeutralGrey));
    }
}

void MainWindow::buildPost(QWidget *client, int slot)
{
    PostControls &p = posts[slot];
    const int column = slot / 3;
    const int row = slot % 3;
    p.frame = place(new QGroupBox(client), twipsRect(120 + 1680 * column, 1320 + 1800 * row, 1575, 1695));
    QWidget *frame = p.frame;
    const QFont name = gothicFont(9, true);
    // A slightly narrower face lets the longest details fit whole.
    const QFont info = narrowedToFit(gothicFont(8.25), QStringLiteral("侍45/二刀手槍/与力"), twipsRect(0, 0, 1335, 0).width());
    const QFont plain = gothicFont(9);
    p.mainName = label(frame, QStringLiteral("主将"), twipsRect(120, 240, 1335, 255), name);
    p.detailsMainName = label(frame, QStringLiteral("主将2"), twipsRect(120, 240, 1335, 255), name);
    p.mainGeneralDetails = label(frame, QStringLiteral("主将情報"), twipsRect(120, 480, 1335, 255), info);
    p.viceName = label(frame, QStringLiteral("副将"), twipsRect(120, 600, 1335, 255), name);
    p.detailsViceName = label(frame, QStringLiteral("副将2"), twipsRect(120, 720, 1335, 255), name);
    p.pictureBox = place(new QLabel(frame), twipsRect(1080, 840, 375, 375));
    p.tagPicture = place(new QLabel(frame), twipsRect(1080, 840, 315, 315));
    p.statusCaption = label(frame, QStringLiteral("状態"), twipsRect(120, 960, 1335, 255), plain);
    p.viceGeneralDetails = label(frame, QStringLiteral("副将情報"), twipsRect(120, 960, 1335, 255), info);
    p.tagCaption = label(frame, QStringLiteral("マクロ"), twipsRect(240, 960, 855, 255), plain);
    p.timeBox = place(new QLineEdit(QStringLiteral("時間表示"), frame), twipsRect(120, 1320, 1335, 270));
    p.timeBox->setFont(gothicFont(11.25));
    p.timeBox->setAlignment(Qt::AlignCenter);
    // A greyed-out time box would hand its presses to the frame, which steps the post.
    p.timeBox->setAttribute(Qt::WA_NoMousePropagation);
    // Only the player's click puts the keyboard into a post's time: neither Tab
    // nor a focus Qt moves on lands there, text selected for the next stray key.
    p.timeBox->setFocusPolicy(Qt::ClickFocus);
    keepMenuShortcuts(p.timeBox);
    connect(p.timeBox, &QLineEdit::textChanged, this, [this, slot] { onTimeBoxEdited(slot); });

    // The image sits on top of the picture box and the status labels below both.
    p.statusCaption->lower();
    p.viceGeneralDetails->lower();
    p.tagPicture->raise();
    for (QWidget *control : p.tooltipGroup())
        if (control != p.timeBox)
            watchMouse(control, slot, control == p.statusCaption);
    watchMouse(p.pictureBox, slot, false);
}

void MainWindow::buildBottomStrip(QWidget *client)
{
    autoPlaceCheck = place(new QCheckBox(QStringLiteral("主将配置時刻がきたら自動で健在に変更"), client),
                   twipsRect(360, 6720, 3615, 240));
    noticeBoxCheck = place(new QCheckBox(QStringLiteral("MsgBoxでお知らせ"), client), twipsRect(360, 6960, 2295, 240));
    battleResultsCheck = place(new QCheckBox(QStringLiteral("戦果表示"), client), twipsRect(360, 7200, 1095, 240));
    for (QCheckBox *box : {autoPlaceCheck, noticeBoxCheck, battleResultsCheck})
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
    autoPlaceCheck->setChecked(true);
    noticeBoxCheck->setChecked(true);
    connect(autoPlaceCheck, &QCheckBox::toggled, this, &MainWindow::onAutoPlaceToggled);
    connect(battleResultsCheck, &QCheckBox::toggled, this, &MainWindow::onBattleResultsToggled);

    // The design puts 初期化 over the right half of the two option captions; it
    // moves right and down just enough for both captions to be read whole.
    resetButton = place(new QPushButton(QStringLiteral("初期化"), client), twipsRect(2160, 6990, 2055, 495));
    displaySwitchButton = place(new QPushButton(QStringLiteral("表示切替"), client), twipsRect(7320, 6840, 1575, 495));
    copyReportButton = place(new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ書出"), client), twipsRect(9000, 6840, 1575, 495));
    // No key reaches the commands, least of all 初期化, which resets without
    // asking: a stray Space after Tab or after a click must not wipe the board.
    // The menu's Ctrl+N asks first.
    for (QPushButton *button : {resetButton, displaySwitchButton, copyReportButton})
        button->setFocusPolicy(Qt::NoFocus);
    connect(resetButton, &QPushButton::clicked, this, &MainWindow::resetBoard);
    connect(copyReportButton, &QPushButton::clicked, this, &MainWindow::copyReport);
    connect(displaySwitchButton, &QPushButton::clicked, this, &MainWindow::switchDisplayMode);

    forecastFrame = place(new QGroupBox(QStringLiteral("陣終了予想時刻"), client), twipsRect(4560, 6720, 1575, 615));
    setBackground(forecastFrame, QColor(NeutralGrey));
    forecastCaption = label(forecastFrame, QStringLiteral("--:--"), twipsRect(240, 240, 1095, 255), gothicFont(9));
    forecastCaption->setAlignment(Qt::AlignCenter);
    setBackground(forecastCaption, QColor(NeutralGrey));
    forecastFrame->hide();
}

void MainWindow::buildMenus()
{
    auto action = [this](QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                         QKeySequence shortcut = {}) {
        QAction *a = menu->addAction(caption);
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    resetAction = action(fileMenu, QStringLiteral("初期化(&N)"), &MainWindow::resetCommand, QKeySequence(Qt::CTRL | Qt::Key_N));
    chooseFactionsAction = action(fileMenu, QStringLiteral("勢力選択"), &MainWindow::chooseFactions);
    exitAction = action(fileMenu, QStringLiteral("終了"), &MainWindow::exitCommand);

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    displaySwitchAction = action(editMenu, QStringLiteral("表示切替(&Z)"), &MainWindow::switchDisplayMode,
                                QKeySequence(Qt::CTRL | Qt::Key_Z));
    copyReportAction = action(editMenu, QStringLiteral("クリップボード書出(&C)"), &MainWindow::copyReport,
                       QKeySequence(Qt::CTRL | Qt::Key_C));
    editMenu->addSeparator();
    alwaysOnTopAction = editMenu->addAction(QStringLiteral("常に手前に表示"));
    alwaysOnTopAction->setCheckable(true);
    connect(alwaysOnTopAction, &QAction::toggled, this, &MainWindow::keepOnTop);

    westAwardMenu = menuBar()->addMenu(QStringLiteral("西軍戦果加算(&A)"));
    eastAwardMenu = menuBar()->addMenu(QStringLiteral("東軍戦果加算(&B)"));
    for (const Award &a : westAwards())
        connect(westAwardMenu->addAction(QString::fromUtf16(a.caption)), &QAction::triggered, this,
                [this, points = a.points] { award(westScoreBox, points); });
    for (const Award &a : eastAwards())
        connect(eastAwardMenu->addAction(QString::fromUtf16(a.caption)), &QAction::triggered, this,
                [this, points = a.points] { award(eastScoreBox, points); });

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    aboutAction = action(helpMenu, QStringLiteral("バージョン情報(&A)"), &MainWindow::showAbout);
}

void MainWindow::openAtFittingSize()
{
    // The frame is unknown until the window is first shown: room for a title
    // bar and borders is kept free.
    constexpr QMargins FrameAllowance(8, 32, 8, 8);
    const QSize menus(0, menuBar()->sizeHint().height());
    const QSize room = screen()->availableGeometry().size().shrunkBy(FrameAllowance) - menus;
    const qreal scale = std::min(qreal(1.0), boardScaler->scaleFor(room));
    resize(boardScaler->sizeAt(scale) + menus);
}

void MainWindow::watchMouse(QWidget *control, int slot, bool statusLabel)
{
    control->installEventFilter(this);
    m_mouseTargets.insert(control, MouseTarget{slot, statusLabel});
}

void MainWindow::keepMenuShortcuts(QLineEdit *box)
{
    box->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::MouseButton pressed = static_cast<QMouseEvent *>(event)->button();
        if (const auto post = m_mouseTargets.constFind(watched); post != m_mouseTargets.cend()) {
            // Posts answer the left (1), right (2) and middle (4) buttons only.
            constexpr Qt::MouseButtons postButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
            if (!widget->isEnabled() || !(postButtons & pressed))
                return true;
            if (event->type() == QEvent::MouseButtonPress)
                postMouseDown(post->slot, pressed);
            else
                postDoubleClick(post->slot, post->statusLabel);
            return true;
        }
        if (const auto step = m_scoreButtons.constFind(watched); step != m_scoreButtons.cend()) {
            if (widget->isEnabled())
                scoreButtonDown(*step, pressed);
            return false;
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // The menu's Ctrl+N, Ctrl+Z and Ctrl+C win over a text box's own undo and copy.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *a : {resetAction, displaySwitchAction, copyReportAction})
            if (a->shortcut() == pressed)
                return true;
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vantor
