#include "support/main_window_harness.h"

#include "app/about_box.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

namespace {

void showActive(MainWindowHarness &h)
{
    h.window->show();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
}

void focusBox(QLineEdit *box)
{
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
}

// Everything a post shows besides which of its controls are visible, and the
// values the window keeps for the whole battle.
QStringList boardLooks(MainWindowHarness &h)
{
    QStringList looks;
    for (int s = 0; s < SlotCount; ++s) {
        const PostControls &p = h.post(s);
        looks << p.frame->title() << p.timeBox->text() << QString::number(p.timeBox->font().bold())
              << QString::number(p.timeBox->isEnabled());
        for (const QWidget *control : p.colouredGroup())
            looks << control->palette().color(QPalette::Window).name();
        for (const QWidget *control : p.tooltipGroup())
            looks << control->toolTip();
        for (const QLabel *label : {p.mainName, p.viceName, p.statusCaption, p.tagCaption, p.detailsMainName, p.mainGeneralDetails, p.detailsViceName, p.viceGeneralDetails})
            looks << label->text();
        looks << QString::number(int(h.board().posts[s].status)) << QString::number(h.board().posts[s].placeMinute)
              << QString::number(h.board().posts[s].placeArmed) << QString::number(h.board().posts[s].savedSchedule.has_value());
    }
    const MainWindow &f = *h.window;
    looks << f.elapsedBox->text() << f.westScoreBox->text() << f.eastScoreBox->text() << f.westRateCaption->text() << f.eastRateCaption->text()
          << f.forecastCaption->text() << QString::number(h.board().elapsedMinutes)
          << QString::number(h.board().userInputArmed) << QString::number(f.placementEditWait->isActive())
          << QString::number(f.elapsedEditWait->isActive()) << QString::number(f.scoreSettleWait->isActive());
    return looks;
}

enum class Use { Button, MenuItem, KeyInElapsedBox, KeyInTimeBox };

void trigger(Use use, QPushButton *button, QAction *item, Qt::Key key)
{
    switch (use) {
    case Use::Button:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    case Use::MenuItem:
        item->trigger();
        break;
    case Use::KeyInElapsedBox:
    case Use::KeyInTimeBox:
        // The keyboard delivers to the box that has the focus, so the box is
        // asked first whether it wants the key for its own undo or copy.
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        break;
    }
}

QString crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

Q_DECLARE_METATYPE(Use)

class MainWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void displayModeCycle_data()
    {
        QTest::addColumn<Use>("use");
        QTest::addColumn<int>("uses");
        const std::pair<Use, const char *> uses[] = {{Use::Button, "displaySwitchButton"},
                                                     {Use::MenuItem, "menu item"},
                                                     {Use::KeyInElapsedBox, "Ctrl+Z in elapsedBox"},
                                                     {Use::KeyInTimeBox, "Ctrl+Z in a time box"}};
        for (const auto &[use, name] : uses)
            for (int n = 1; n <= 3; ++n)
                QTest::newRow(qPrintable(QStringLiteral("%1 ×%2").arg(QString::fromUtf8(name)).arg(n))) << use << n;
    }

    void displayModeCycle()
    {
        QFETCH(Use, use);
        QFETCH(int, uses);
        MainWindowHarness h;
        showActive(h);
        h.window->changePost(4, false, Qt::LeftButton);
        h.window->changePost(4, false, Qt::LeftButton); // the time box of post 4 takes input
        QLineEdit *box = use == Use::KeyInElapsedBox ? h.window->elapsedBox : h.post(4).timeBox;
        if (use == Use::KeyInElapsedBox || use == Use::KeyInTimeBox) {
            focusBox(box);
            box->end(false);
            QTest::keyClicks(box, QStringLiteral("7"));
        }
        const QString typed = box->text();
        const QStringList looks = boardLooks(h);

        for (int n = 0; n < uses; ++n)
            trigger(use, h.window->displaySwitchButton, h.window->displaySwitchAction, Qt::Key_Z);

        const int mode = uses % 3;
        QCOMPARE(int(h.board().displayMode), mode);
        QCOMPARE(box->text(), typed); // the menu's Ctrl+Z is not the box's undo
        QCOMPARE(boardLooks(h), looks);
        for (int s = 0; s < SlotCount; ++s) {
            const PostControls &p = h.post(s);
            const QList<QWidget *> all{p.mainName, p.viceName, p.statusCaption, p.tagCaption, p.pictureBox,
                                       p.tagPicture, p.detailsMainName, p.mainGeneralDetails, p.detailsViceName, p.viceGeneralDetails};
            const QList<QList<QWidget *>> shownByMode{{p.mainName, p.viceName, p.statusCaption},
                                                      {p.mainName, p.viceName, p.tagCaption, p.tagPicture},
                                                      {p.detailsMainName, p.mainGeneralDetails, p.detailsViceName, p.viceGeneralDetails}};
            for (QWidget *control : all)
                QCOMPARE(control->isVisible(), shownByMode[mode].contains(control));
        }
    }

    void restorationPostsStayHiddenInEveryMode()
    {
        MainWindowHarness h;
        h.choose = [](FactionChooser &chooser) { chooser.restorationCheck->click(); };
        h.window->buildBoard();
        for (int n = 0; n < 4; ++n) {
            for (int s = 0; s < SlotCount; ++s)
                QCOMPARE(h.post(s).frame->isHidden(), s >= 9 && s <= 11);
            h.window->switchDisplayMode();
        }
    }

    // 初期化 resets without asking, so no key may reach a command button: not
    // the Space after a click on one, nor Tab.
    void noKeyReachesTheCommandButtons()
    {
        MainWindowHarness h;
        showActive(h);
        const MainWindow &f = *h.window;
        QWindow *keyboard = h.window->windowHandle();
        QTest::mouseClick(f.displaySwitchButton, Qt::LeftButton);
        QTest::keyClick(keyboard, Qt::Key_Space);
        QCOMPARE(h.board().displayMode, DisplayMode::TagsAndEmblems);

        QSet<QWidget *> stops;
        for (int k = 0; k < 40; ++k) {
            QTest::keyClick(keyboard, Qt::Key_Tab);
            stops.insert(QApplication::focusWidget());
        }
        for (QWidget *command : {f.resetButton, f.displaySwitchButton, f.copyReportButton})
            QVERIFY(!stops.contains(command));
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        for (const QString &how : {QStringLiteral("window close"), QStringLiteral("exitAction"),
                                  QStringLiteral("終了 menu item")}) {
            QTest::newRow(qPrintable(how + QStringLiteral(", OK"))) << how << true;
            QTest::newRow(qPrintable(how + QStringLiteral(", Cancel"))) << how << false;
        }
    }

    void exitAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        MainWindowHarness h;
        showActive(h);
        h.window->changePost(4, false, Qt::LeftButton);
        const QStringList looks = boardLooks(h);
        h.answers = {ok};

        if (how == QLatin1String("window close"))
            QCOMPARE(h.window->close(), ok);
        else if (how == QLatin1String("exitAction"))
            h.window->exitCommand();
        else
            h.window->exitAction->trigger();

        QCOMPARE(h.asked.size(), 1); // OK in the menu does not ask a second time on closing
        QCOMPARE(h.asked[0].title, QStringLiteral("終了確認"));
        QCOMPARE(h.asked[0].text, QStringLiteral("終了してよろしいですか？"));
        QCOMPARE(h.asked[0].icon, QMessageBox::Question);
        QVERIFY(h.asked[0].withCancel);
        QCOMPARE(h.window->isVisible(), !ok);
        if (!ok)
            QCOMPARE(boardLooks(h), looks);
    }

    // A confirmed exit ends the program's event loop, the hidden chooser
    // notwithstanding.
    void confirmedExitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("window close") << false;
        QTest::newRow("exitAction") << true;
    }

    void confirmedExitEndsTheProgram()
    {
        QFETCH(bool, fromMenu);
        MainWindowHarness h;
        showActive(h);
        QTimer::singleShot(0, h.window.get(), [&h, fromMenu] {
            if (fromMenu)
                h.window->exitCommand();
            else
                h.window->close();
        });
        QTimer hang;
        hang.setSingleShot(true);
        connect(&hang, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        hang.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(h.asked.size(), 1);
    }

    void aboutBoxOpensModallyAndCloses()
    {
        MainWindowHarness h;
        QList<QPointer<AboutBox>> opened;
        QStringList titles;
        QStringList labels;
        Prompt::setDialogHandler([&](QDialog &dialog) {
            auto *about = qobject_cast<AboutBox *>(&dialog);
            QVERIFY(about);
            opened << about;
            titles << about->windowTitle();
            for (const QLabel *label : about->findChildren<QLabel *>())
                labels << label->text();
            QPushButton *ok = about->findChild<QPushButton *>();
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            ok->click();
            QCOMPARE(about->result(), int(QDialog::Accepted));
        });

        h.window->aboutAction->trigger();
        h.window->showAbout();

        QCOMPARE(titles, (QStringList{QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")}));
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0].isNull() && opened[1].isNull()); // made afresh and gone after OK
        QVERIFY(labels.contains(QStringLiteral("Vantor  Ver.0.16")));
        QVERIFY(std::any_of(labels.cbegin(), labels.cend(),
                            [](const QString &text) { return text.startsWith(QStringLiteral("注意事項...")); }));
        QVERIFY(h.asked.isEmpty());
    }

    void exportOfAFreshBoard_data()
    {
        QTest::addColumn<Use>("use");
        QTest::newRow("copyReportButton") << Use::Button;
        QTest::newRow("menu item") << Use::MenuItem;
        QTest::newRow("Ctrl+C in elapsedBox") << Use::KeyInElapsedBox;
    }

    void exportOfAFreshBoard()
    {
        QFETCH(Use, use);
        MainWindowHarness h(9, 5);
        showActive(h);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        if (use == Use::KeyInElapsedBox) {
            focusBox(h.window->elapsedBox);
            h.window->elapsedBox->selectAll();
        }
        const QStringList looks = boardLooks(h);

        trigger(use, h.window->copyReportButton, h.window->copyReportAction, Qt::Key_C);

        const QString expected = crlf({
            QStringLiteral("～合戦状況09:05(00:00経過)現在～"),
            QStringLiteral("　　　　西　　　　東"),
            QStringLiteral("　　　■■■　　□□□"),
            QStringLiteral("　　　■■■　　□□□"),
            QStringLiteral("　　　■■■　　□□□"),
            QString(),
            QStringLiteral("徳川家健在■　　北条家健在□"),
            QStringLiteral("徳川家未配置▲　北条家未配置△"),
            QStringLiteral("徳川家取付☆　　北条家取付★"),
            QString(),
            QStringLiteral("～　武将配置予定時刻　～"),
            QStringLiteral(" 情報は特にありません"),
        });
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(boardLooks(h), looks);
        QVERIFY(h.asked.isEmpty());
    }

    // Posts awaiting placement are listed West first, each army in slot order,
    // with "不明" for a time box left empty; restoration blanks three East posts.
    void exportOfABoardInPlay_data()
    {
        QTest::addColumn<Use>("use");
        QTest::newRow("copyReportButton") << Use::Button;
        QTest::newRow("Ctrl+C in a time box") << Use::KeyInTimeBox;
    }

    void exportOfABoardInPlay()
    {
        QFETCH(Use, use);
        MainWindowHarness h(12, 0);
        h.choose = [](FactionChooser &chooser) { chooser.restorationCheck->click(); };
        h.window->buildBoard();
        showActive(h);
        h.window->changePost(12, false, Qt::RightButton);                 // East own general awaiting, due 13:00
        h.window->changePost(8, false, Qt::RightButton);                  // West own general awaiting
        h.post(8).timeBox->setText(QString());              // ... time cleared by the user
        h.window->changePost(0, false, Qt::LeftButton);
        h.window->changePost(0, false, Qt::LeftButton);                  // West post taken, rival awaiting, due 13:00
        h.clock.set(12, 34);
        h.window->elapsedBox->setText(QStringLiteral("00:34"));
        if (use == Use::KeyInTimeBox)
            focusBox(h.post(0).timeBox);
        const QStringList looks = boardLooks(h);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));

        trigger(use, h.window->copyReportButton, h.window->copyReportAction, Qt::Key_C);
        const QString first = QGuiApplication::clipboard()->text();
        h.window->copyReport();

        const BattleBoard &b = h.board();
        const QString expected = crlf({
            QStringLiteral("～合戦状況12:34(00:34経過)現在～"),
            QStringLiteral("　　　　西　　　　東"),
            QStringLiteral("　　　△■■　　　△□"),
            QStringLiteral("　　　■■■　　　□□"),
            QStringLiteral("　　　■■▲　　　□□"),
            QString(),
            QStringLiteral("徳川家健在■　　北条家健在□"),
            QStringLiteral("徳川家未配置▲　北条家未配置△"),
            QStringLiteral("徳川家取付☆　　北条家取付★"),
            QString(),
            QStringLiteral("～　武将配置予定時刻　～"),
            QStringLiteral("徳川家左翼後詰：北条家・%1(徳川家・%2)→13:00")
                .arg(b.posts[0].east.main.name, b.posts[0].west.main.name),
            QStringLiteral("徳川家右翼先鋒：徳川家・%1→不明").arg(b.posts[8].west.main.name),
            QStringLiteral("北条家%1：北条家・%2→13:00").arg(h.post(12).frame->title(), b.posts[12].east.main.name),
        });
        QCOMPARE(first, expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(boardLooks(h), looks);
    }
};

QTEST_MAIN(MainWindowCommands)
#include "tst_main_window_commands.moc"
