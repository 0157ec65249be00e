// The board with its window at other sizes, on a screen of 1.5 device pixels to
// the logical pixel, so that pictures drawn for the wrong density show.
#include "support/text_fit.h"
#include "support/window_harness.h"

#include "app/about_box.h"
#include "app/board_layout.h"
#include "app/board_scaler.h"
#include "app/desktop_look.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

constexpr qreal ScreenRatio = 1.5;

struct Designed {
    QWidget *control;
    QRect geometry;
    qreal pointSize;
};

QWidget *boardOf(MainWindow &window)
{
    return window.findChild<QWidget *>(QStringLiteral("board"));
}

QSize boardAt(qreal scale)
{
    return QSize(qRound(layout::Board.width() * scale), qRound(layout::Board.height() * scale));
}

QList<Designed> designedControls(MainWindow &window)
{
    QList<Designed> designed;
    for (QWidget *control : boardOf(window)->findChildren<QWidget *>())
        designed.append({control, control->geometry(), control->font().pointSizeF()});
    return designed;
}

// Gives the board `room` and waits until it has taken it.
void giveRoom(MainWindow &window, QSize room)
{
    window.resize(room + window.size() - window.centralWidget()->size());
    QTRY_COMPARE(window.centralWidget()->size(), room);
}

bool withinAPixel(QRect actual, QRectF expected)
{
    return std::abs(actual.left() - expected.left()) <= 1 && std::abs(actual.top() - expected.top()) <= 1
           && std::abs(actual.width() - expected.width()) <= 1 && std::abs(actual.height() - expected.height()) <= 1;
}

QRectF times(QRect r, qreal scale)
{
    return QRectF(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
}

} // namespace

class MainWindowScale : public QObject {
    Q_OBJECT
private slots:
    void theWholeBoardFollowsItsRoom_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("extraWidth"); // beyond the board's proportions
        QTest::newRow("smallest, 60 %") << SmallestBoardScale << 0;
        QTest::newRow("designed, 100 %") << 1.0 << 0;
        QTest::newRow("designed, wider window") << 1.0 << 130;
        QTest::newRow("large, 175 %") << 1.75 << 0;
        QTest::newRow("large, wider window") << 1.75 << 200;
    }

    void theWholeBoardFollowsItsRoom()
    {
        QFETCH(qreal, scale);
        QFETCH(int, extraWidth);
        WindowHarness h;
        MainWindow &window = *h.window;
        // Until it is shown the board is as built.
        const QList<Designed> designed = designedControls(window);
        QVERIFY(designed.size() > 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), ScreenRatio);

        const QSize board = boardAt(scale);
        giveRoom(window, board + QSize(extraWidth, 0));

        QCOMPARE(boardOf(window)->geometry(), QRect(QPoint(extraWidth / 2, 0), board));
        const qreal pointsPerPixel = 72.0 / window.logicalDpiY();
        for (const Designed &d : designed) {
            const QString name = d.control->metaObject()->className() + QStringLiteral(" in ")
                                 + d.control->parentWidget()->metaObject()->className();
            QVERIFY2(withinAPixel(d.control->geometry(), times(d.geometry, scale)), qPrintable(name));
            const qreal points = d.control->font().pointSizeF();
            QVERIFY2(points <= d.pointSize * scale + 1e-9 && points > d.pointSize * scale - pointsPerPixel,
                     qPrintable(name + QStringLiteral(": %1 pt").arg(points)));
        }
        // The three stacked options keep their boxes apart.
        for (QCheckBox *option : boardOf(window)->findChildren<QCheckBox *>()) {
            QStyleOptionButton look;
            look.initFrom(option);
            QVERIFY(option->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &look, option).height()
                    <= option->height());
        }
        const QList<CutText> cuts = cutTexts(window, h.battle->board());
        QVERIFY2(cuts.isEmpty(), qPrintable(describeCuts(cuts)));
        for (int s = 0; s < SlotCount; ++s) {
            const QLabel *tagPicture = h.post(s)->findChild<QLabel *>(QStringLiteral("tagPicture"));
            QCOMPARE(tagPicture->pixmap().devicePixelRatio(), ScreenRatio);
            QCOMPARE(tagPicture->pixmap().width(), qRound(tagPicture->width() * ScreenRatio));
        }
    }

    void opensAtTheLargestScaleThatFits()
    {
        // The test screen of 800 × 600 pixels has 533 × 400 logical ones.
        WindowHarness h;
        MainWindow &window = *h.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize room = window.screen()->availableGeometry().size();
        QVERIFY(window.width() <= room.width());
        QVERIFY2(window.height() <= room.height() - 32, qPrintable(QString::number(window.height())));
        // As large as the room lets it be: the board fills the window's height.
        const QSize board = boardOf(window)->size();
        QVERIFY(board.width() < layout::Board.width());
        QVERIFY(board.width() > boardAt(SmallestBoardScale).width());
        QCOMPARE(board.height(), window.centralWidget()->height());
        QCOMPARE(window.minimumSize(), boardAt(SmallestBoardScale) + window.size() - window.centralWidget()->size());
    }

    void alwaysOnTopTakesEffectInPlace()
    {
        WindowHarness h;
        MainWindow &window = *h.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction *alwaysOnTop = h.find<QAction>(QStringLiteral("alwaysOnTopAction"));
        const QList<QAction *> edit = window.menuBar()->actions().at(1)->menu()->actions();
        QCOMPARE(edit.size(), 4);
        QCOMPARE(edit.at(0), h.find<QAction>(QStringLiteral("displaySwitchAction")));
        QCOMPARE(edit.at(1), h.find<QAction>(QStringLiteral("copyReportAction")));
        QVERIFY(edit.at(2)->isSeparator());
        QCOMPARE(edit.at(3), alwaysOnTop);
        QCOMPARE(alwaysOnTop->text(), QStringLiteral("常に手前に表示"));
        QVERIFY(alwaysOnTop->isCheckable());
        QCOMPARE(alwaysOnTop->isChecked(), false);
        const WId native = window.winId();
        const QPoint place = window.pos();

        for (bool on : {true, false}) {
            alwaysOnTop->trigger();
            QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
            QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
            QVERIFY(window.isVisible());
            QCOMPARE(window.winId(), native);
            QCOMPARE(window.pos(), place);
        }
    }

    void aboutPictureIsDrawnForTheScreen()
    {
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto labels = about.findChildren<QLabel *>();
        const auto picture = std::find_if(labels.cbegin(), labels.cend(),
                                          [](const QLabel *l) { return !l->pixmap().isNull(); });
        QVERIFY(picture != labels.cend());
        QCOMPARE((*picture)->pixmap().devicePixelRatio(), ScreenRatio);
        QCOMPARE((*picture)->pixmap().size(), QSize(92, 132)); // 61 × 88 at 1.5
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ScreenRatio));
    QApplication app(argc, argv);
    setUpDesktopLook(app);
    MainWindowScale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window_scale.moc"
