#include "app/form1.h"

#include "app/control_writes.h"
#include "app/form2.h"
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

QTimer *timer(QObject *parent, int interval, void (Form1::*tick)(), Form1 *form)
{
    auto *t = new QTimer(parent);
    t->setInterval(interval);
    QObject::connect(t, &QTimer::timeout, form, tick);
    return t;
}

} // namespace

std::array<QWidget *, 11> PostControls::tooltipGroup() const
{
    return {Frame1, Label1, Label2, Label3, Label7, Label8, Label9, Label10, Label11, Image1, Text1};
}

std::array<QWidget *, 9> PostControls::colouredGroup() const
{
    return {Frame1, Label1, Label2, Label3, Label7, Label8, Label9, Label10, Label11};
}

void applyPostVisibility(PostControls &p, const DisplayVisibility &v)
{
    auto apply = [](QWidget *control, Shown shown) {
        if (shown != Shown::Keep)
            control->setVisible(shown == Shown::Show);
    };
    apply(p.Label1, v.mainName);
    apply(p.Label2, v.viceName);
    apply(p.Label3, v.statusCaption);
    apply(p.Label7, v.tagCaption);
    apply(p.Picture1, v.pictureBox);
    apply(p.Image1, v.tagPicture);
    apply(p.Label8, v.detailsMainName);
    apply(p.Label9, v.mainGeneralDetails);
    apply(p.Label10, v.detailsViceName);
    apply(p.Label11, v.viceGeneralDetails);
}

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    Timer1 = timer(this, 10000, &Form1::Timer1_Timer, this);
    Timer2 = timer(this, 30000, &Form1::Timer2_Timer, this);
    Timer3 = timer(this, 10000, &Form1::Timer3_Timer, this);
    Timer4 = timer(this, 10000, &Form1::Timer4_Timer, this);
}

Form1::~Form1() = default;

Form2 &Form1::chooser()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(this);
    return *m_form2;
}

FactionChoice Form1::factions()
{
    return chooser().choice();
}

void Form1::buildWindowOnce()
{
    if (centralWidget())
        return;
    buildControls();
    buildMenus();
}

void Form1::buildControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    setBackground(client, QColor(NeutralGrey));
    client->setFixedSize(px(ClientWidth), px(ClientHeight));
    buildTopStrip(client);
    for (int s = 0; s < SlotCount; ++s)
        buildPost(client, s);
    buildBottomStrip(client);
    // The window opens with the focus on its background rather than in a text
    // box: no caret blinks while the board sits idle beside the game.
    client->setFocusPolicy(Qt::ClickFocus);
    client->setFocus();
}

void Form1::buildTopStrip(QWidget *client)
{
    const QFont font = gothicFont(9);
    struct StepButton {
        int command;
        ScoreStep step;
        int left, width;
    };
    const StepButton steps[] = {{6, {Army::West, 100}, 240, 495},  {5, {Army::West, 10}, 720, 375},
                                {4, {Army::West, 1}, 1080, 255},   {9, {Army::East, 100}, 9360, 495},
                                {8, {Army::East, 10}, 9840, 375},  {7, {Army::East, 1}, 10200, 255}};
    for (const StepButton &b : steps) {
        auto *button = place(new QPushButton(QString::number(b.step.points), client),
                             twipsRect(b.left, 240, b.width, 255));
        button->setEnabled(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        m_scoreButtons.insert(button, b.step);
        Command[b.command] = button;
    }
    Text3 = place(new QLineEdit(QStringLiteral("0"), client), twipsRect(240, 540, 1095, 360));
    Text4 = place(new QLineEdit(QStringLiteral("0"), client), twipsRect(9360, 540, 1095, 360));
    for (QLineEdit *box : {Text3, Text4}) {
        box->setEnabled(false);
        keepMenuShortcuts(box);
        connect(box, &QLineEdit::textChanged, this, &Form1::scoreChanged);
    }
    Label4 = label(client, QString(), twipsRect(1800, 480, 1575, 255), font);
    Label5 = label(client, QString(), twipsRect(7320, 480, 1575, 255), font);

    Frame2 = place(new QGroupBox(QStringLiteral("現在の時刻"), client), twipsRect(3960, 120, 1335, 735));
    Label6 = label(Frame2, QString(), twipsRect(120, 285, 1095, 255), font);
    Frame3 = place(new QGroupBox(QStringLiteral("経過時間"), client), twipsRect(5400, 120, 1335, 735));
    Text2 = place(new QLineEdit(QStringLiteral("00:00"), Frame3), twipsRect(120, 240, 1095, 360));
    keepMenuShortcuts(Text2);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);

    Label12 = label(client, QStringLiteral("0"), twipsRect(0, 960, 255, 255), font);
    Label13 = label(client, QStringLiteral("0"), twipsRect(10440, 960, 255, 255), font);
    for (QLabel *rate : {Label12, Label13})
        rate->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < BalanceCells; ++k) {
        Picture4[k] = place(new QLabel(client), twipsRect(360 + 480 * k, 960, 375, 255));
        Picture4[k]->setFrameShape(QFrame::Panel);
        Picture4[k]->setFrameShadow(QFrame::Sunken);
        setBackground(Picture4[k], QColor(NeutralGrey));
    }
}

void Form1::buildPost(QWidget *client, int slot)
{
    PostControls &p = posts[slot];
    const int column = slot / 3;
    const int row = slot % 3;
    p.Frame1 = place(new QGroupBox(client), twipsRect(120 + 1680 * column, 1320 + 1800 * row, 1575, 1695));
    QWidget *frame = p.Frame1;
    const QFont name = gothicFont(9, true);
    const QFont info = gothicFont(8.25);
    const QFont plain = gothicFont(9);
    p.Label1 = label(frame, QStringLiteral("主将"), twipsRect(120, 240, 1335, 255), name);
    p.Label8 = label(frame, QStringLiteral("主将2"), twipsRect(120, 240, 1335, 255), name);
    p.Label9 = label(frame, QStringLiteral("主将情報"), twipsRect(120, 480, 1335, 255), info);
    p.Label2 = label(frame, QStringLiteral("副将"), twipsRect(120, 600, 1335, 255), name);
    p.Label10 = label(frame, QStringLiteral("副将2"), twipsRect(120, 720, 1335, 255), name);
    p.Picture1 = place(new QLabel(frame), twipsRect(1080, 840, 375, 375));
    p.Image1 = place(new QLabel(frame), twipsRect(1080, 840, 315, 315));
    p.Label3 = label(frame, QStringLiteral("状態"), twipsRect(120, 960, 1335, 255), plain);
    p.Label11 = label(frame, QStringLiteral("副将情報"), twipsRect(120, 960, 1335, 255), info);
    p.Label7 = label(frame, QStringLiteral("マクロ"), twipsRect(240, 960, 855, 255), plain);
    p.Text1 = place(new QLineEdit(QStringLiteral("時間表示"), frame), twipsRect(120, 1320, 1335, 270));
    p.Text1->setFont(gothicFont(11.25));
    p.Text1->setAlignment(Qt::AlignCenter);
    // A greyed-out time box would hand its presses to the frame, which steps the post.
    p.Text1->setAttribute(Qt::WA_NoMousePropagation);
    keepMenuShortcuts(p.Text1);
    connect(p.Text1, &QLineEdit::textChanged, this, [this, slot] { Text1_Change(slot); });

    // The image sits on top of the picture box and the status labels below both.
    p.Label3->lower();
    p.Label11->lower();
    p.Image1->raise();
    for (QWidget *control : p.tooltipGroup())
        if (control != p.Text1)
            watchMouse(control, slot, control == p.Label3);
    watchMouse(p.Picture1, slot, false);
}

void Form1::buildBottomStrip(QWidget *client)
{
    Check1 = place(new QCheckBox(QStringLiteral("主将配置時刻がきたら自動で健在に変更"), client),
                   twipsRect(360, 6720, 3615, 240));
    Check2 = place(new QCheckBox(QStringLiteral("MsgBoxでお知らせ"), client), twipsRect(360, 6960, 2295, 240));
    Check3 = place(new QCheckBox(QStringLiteral("戦果表示"), client), twipsRect(360, 7200, 1095, 240));
    for (QCheckBox *box : {Check1, Check2, Check3})
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
    Check1->setChecked(true);
    Check2->setChecked(true);
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form1::Check3_Click);

    // The design puts 初期化 over the right half of the two option captions; it
    // moves right and down just enough for both captions to be read whole.
    Command1 = place(new QPushButton(QStringLiteral("初期化"), client), twipsRect(2160, 6990, 2055, 495));
    Command3 = place(new QPushButton(QStringLiteral("表示切替"), client), twipsRect(7320, 6840, 1575, 495));
    Command2 = place(new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ書出"), client), twipsRect(9000, 6840, 1575, 495));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Frame4 = place(new QGroupBox(QStringLiteral("陣終了予想時刻"), client), twipsRect(4560, 6720, 1575, 615));
    setBackground(Frame4, QColor(NeutralGrey));
    Label14 = label(Frame4, QStringLiteral("--:--"), twipsRect(240, 240, 1095, 255), gothicFont(9));
    Label14->setAlignment(Qt::AlignCenter);
    setBackground(Label14, QColor(NeutralGrey));
    Frame4->hide();
}

void Form1::buildMenus()
{
    auto action = [this](QMenu *menu, const QString &caption, void (Form1::*handler)(),
                         QKeySequence shortcut = {}) {
        QAction *a = menu->addAction(caption);
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu *file_info = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    menu_new = action(file_info, QStringLiteral("初期化(&N)"), &Form1::menu_new_Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    menu_seiryoku = action(file_info, QStringLiteral("勢力選択"), &Form1::menu_seiryoku_Click);
    file_end = action(file_info, QStringLiteral("終了"), &Form1::file_end_Click);

    QMenu *menu_edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    menu_hyouji_change = action(menu_edit, QStringLiteral("表示切替(&Z)"), &Form1::Command3_Click,
                                QKeySequence(Qt::CTRL | Qt::Key_Z));
    menu_copy = action(menu_edit, QStringLiteral("クリップボード書出(&C)"), &Form1::Command2_Click,
                       QKeySequence(Qt::CTRL | Qt::Key_C));

    menu_seigun = menuBar()->addMenu(QStringLiteral("西軍戦果加算(&A)"));
    menu_togun = menuBar()->addMenu(QStringLiteral("東軍戦果加算(&B)"));
    for (const Award &a : westAwards())
        connect(menu_seigun->addAction(QString::fromUtf16(a.caption)), &QAction::triggered, this,
                [this, points = a.points] { award(Text3, points); });
    for (const Award &a : eastAwards())
        connect(menu_togun->addAction(QString::fromUtf16(a.caption)), &QAction::triggered, this,
                [this, points = a.points] { award(Text4, points); });

    QMenu *help_info = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    show_ver = action(help_info, QStringLiteral("バージョン情報(&A)"), &Form1::show_ver_Click);
}

void Form1::watchMouse(QWidget *control, int slot, bool statusLabel)
{
    control->installEventFilter(this);
    m_mouseTargets.insert(control, MouseTarget{slot, statusLabel});
}

void Form1::keepMenuShortcuts(QLineEdit *box)
{
    box->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
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
        for (const QAction *a : {menu_new, menu_hyouji_change, menu_copy})
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
