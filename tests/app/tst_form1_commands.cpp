#include "support/form1_harness.h"

#include "app/frm_about.h"

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

void showActive(Form1Harness &h)
{
    h.form->show();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
}

void focusBox(QLineEdit *box)
{
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
}

// Everything a post shows besides which of its controls are visible, and the
// values the window keeps for the whole battle.
QStringList boardLooks(Form1Harness &h)
{
    QStringList looks;
    for (int s = 0; s < SlotCount; ++s) {
        const PostControls &p = h.post(s);
        looks << p.Frame1->title() << p.Text1->text() << QString::number(p.Text1->font().bold())
              << QString::number(p.Text1->isEnabled());
        for (const QWidget *control : p.colouredGroup())
            looks << control->palette().color(QPalette::Window).name();
        for (const QWidget *control : p.tooltipGroup())
            looks << control->toolTip();
        for (const QLabel *label : {p.Label1, p.Label2, p.Label3, p.Label7, p.Label8, p.Label9, p.Label10, p.Label11})
            looks << label->text();
        looks << QString::number(int(h.board().posts[s].status)) << QString::number(h.board().posts[s].placeMinute)
              << QString::number(h.board().posts[s].placeArmed) << QString::number(h.board().posts[s].savedSchedule.has_value());
    }
    const Form1 &f = *h.form;
    looks << f.Text2->text() << f.Text3->text() << f.Text4->text() << f.Label12->text() << f.Label13->text()
          << f.Label14->text() << QString::number(h.board().elapsedMinutes)
          << QString::number(h.board().userInputArmed) << QString::number(f.Timer2->isActive())
          << QString::number(f.Timer3->isActive()) << QString::number(f.Timer4->isActive());
    return looks;
}

enum class Use { Button, MenuItem, KeyInText2, KeyInTimeBox };

void trigger(Use use, QPushButton *button, QAction *item, Qt::Key key)
{
    switch (use) {
    case Use::Button:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    case Use::MenuItem:
        item->trigger();
        break;
    case Use::KeyInText2:
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

class Form1Commands : public QObject {
    Q_OBJECT
private slots:
    void displayModeCycle_data()
    {
        QTest::addColumn<Use>("use");
        QTest::addColumn<int>("uses");
        const std::pair<Use, const char *> uses[] = {{Use::Button, "Command3"},
                                                     {Use::MenuItem, "menu item"},
                                                     {Use::KeyInText2, "Ctrl+Z in Text2"},
                                                     {Use::KeyInTimeBox, "Ctrl+Z in a time box"}};
        for (const auto &[use, name] : uses)
            for (int n = 1; n <= 3; ++n)
                QTest::newRow(qPrintable(QStringLiteral("%1 ×%2").arg(QString::fromUtf8(name)).arg(n))) << use << n;
    }

    void displayModeCycle()
    {
        QFETCH(Use, use);
        QFETCH(int, uses);
        Form1Harness h;
        showActive(h);
        h.form->hyouji_change(4, false, Qt::LeftButton);
        h.form->hyouji_change(4, false, Qt::LeftButton); // the time box of post 4 takes input
        QLineEdit *box = use == Use::KeyInText2 ? h.form->Text2 : h.post(4).Text1;
        if (use == Use::KeyInText2 || use == Use::KeyInTimeBox) {
            focusBox(box);
            box->end(false);
            QTest::keyClicks(box, QStringLiteral("7"));
        }
        const QString typed = box->text();
        const QStringList looks = boardLooks(h);

        for (int n = 0; n < uses; ++n)
            trigger(use, h.form->Command3, h.form->menu_hyouji_change, Qt::Key_Z);

        const int mode = uses % 3;
        QCOMPARE(int(h.board().displayMode), mode);
        QCOMPARE(box->text(), typed); // the menu's Ctrl+Z is not the box's undo
        QCOMPARE(boardLooks(h), looks);
        for (int s = 0; s < SlotCount; ++s) {
            const PostControls &p = h.post(s);
            const QList<QWidget *> all{p.Label1, p.Label2, p.Label3, p.Label7, p.Picture1,
                                       p.Image1, p.Label8, p.Label9, p.Label10, p.Label11};
            const QList<QList<QWidget *>> shownByMode{{p.Label1, p.Label2, p.Label3},
                                                      {p.Label1, p.Label2, p.Label7, p.Image1},
                                                      {p.Label8, p.Label9, p.Label10, p.Label11}};
            for (QWidget *control : all)
                QCOMPARE(control->isVisible(), shownByMode[mode].contains(control));
        }
    }

    void restorationPostsStayHiddenInEveryMode()
    {
        Form1Harness h;
        h.choose = [](Form2 &chooser) { chooser.Check1->click(); };
        h.form->Form_Load();
        for (int n = 0; n < 4; ++n) {
            for (int s = 0; s < SlotCount; ++s)
                QCOMPARE(h.post(s).Frame1->isHidden(), s >= 9 && s <= 11);
            h.form->Command3_Click();
        }
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        for (const QString &how : {QStringLiteral("window close"), QStringLiteral("file_end"),
                                  QStringLiteral("終了 menu item")}) {
            QTest::newRow(qPrintable(how + QStringLiteral(", OK"))) << how << true;
            QTest::newRow(qPrintable(how + QStringLiteral(", Cancel"))) << how << false;
        }
    }

    void exitAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        Form1Harness h;
        showActive(h);
        h.form->hyouji_change(4, false, Qt::LeftButton);
        const QStringList looks = boardLooks(h);
        h.answers = {ok};

        if (how == QLatin1String("window close"))
            QCOMPARE(h.form->close(), ok);
        else if (how == QLatin1String("file_end"))
            h.form->file_end_Click();
        else
            h.form->file_end->trigger();

        QCOMPARE(h.asked.size(), 1); // OK in the menu does not ask a second time on closing
        QCOMPARE(h.asked[0].title, QStringLiteral("終了確認"));
        QCOMPARE(h.asked[0].text, QStringLiteral("終了してよろしいですか？"));
        QCOMPARE(h.asked[0].icon, QMessageBox::Question);
        QVERIFY(h.asked[0].withCancel);
        QCOMPARE(h.form->isVisible(), !ok);
        if (!ok)
            QCOMPARE(boardLooks(h), looks);
    }

    // A confirmed exit ends the program's event loop, the hidden chooser
    // notwithstanding.
    void confirmedExitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("window close") << false;
        QTest::newRow("file_end") << true;
    }

    void confirmedExitEndsTheProgram()
    {
        QFETCH(bool, fromMenu);
        Form1Harness h;
        showActive(h);
        QTimer::singleShot(0, h.form.get(), [&h, fromMenu] {
            if (fromMenu)
                h.form->file_end_Click();
            else
                h.form->close();
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
        Form1Harness h;
        QList<QPointer<frmAbout>> opened;
        QStringList titles;
        QStringList labels;
        Prompt::setDialogHandler([&](QDialog &dialog) {
            auto *about = qobject_cast<frmAbout *>(&dialog);
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

        h.form->show_ver->trigger();
        h.form->show_ver_Click();

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
        QTest::newRow("Command2") << Use::Button;
        QTest::newRow("menu item") << Use::MenuItem;
        QTest::newRow("Ctrl+C in Text2") << Use::KeyInText2;
    }

    void exportOfAFreshBoard()
    {
        QFETCH(Use, use);
        Form1Harness h(9, 5);
        showActive(h);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        if (use == Use::KeyInText2) {
            focusBox(h.form->Text2);
            h.form->Text2->selectAll();
        }
        const QStringList looks = boardLooks(h);

        trigger(use, h.form->Command2, h.form->menu_copy, Qt::Key_C);

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
        QTest::newRow("Command2") << Use::Button;
        QTest::newRow("Ctrl+C in a time box") << Use::KeyInTimeBox;
    }

    void exportOfABoardInPlay()
    {
        QFETCH(Use, use);
        Form1Harness h(12, 0);
        h.choose = [](Form2 &chooser) { chooser.Check1->click(); };
        h.form->Form_Load();
        showActive(h);
        h.form->hyouji_change(12, false, Qt::RightButton);                 // East own general awaiting, due 13:00
        h.form->hyouji_change(8, false, Qt::RightButton);                  // West own general awaiting
        h.post(8).Text1->setText(QString());              // ... time cleared by the user
        h.form->hyouji_change(0, false, Qt::LeftButton);
        h.form->hyouji_change(0, false, Qt::LeftButton);                  // West post taken, rival awaiting, due 13:00
        h.clock.set(12, 34);
        h.form->Text2->setText(QStringLiteral("00:34"));
        if (use == Use::KeyInTimeBox)
            focusBox(h.post(0).Text1);
        const QStringList looks = boardLooks(h);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));

        trigger(use, h.form->Command2, h.form->menu_copy, Qt::Key_C);
        const QString first = QGuiApplication::clipboard()->text();
        h.form->Command2_Click();

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
            QStringLiteral("北条家%1：北条家・%2→13:00").arg(h.post(12).Frame1->title(), b.posts[12].east.main.name),
        });
        QCOMPARE(first, expected);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(boardLooks(h), looks);
    }
};

QTEST_MAIN(Form1Commands)
#include "tst_form1_commands.moc"
