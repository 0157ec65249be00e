// Start-up and the window's commands: the faction choice, reset, the clipboard
// report, the About box, staying on top, and exit.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/faction_chooser.h"
#include "battle/battle.h"
#include "battle/desktop.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace vantor {

FactionChooser &MainWindow::chooser()
{
    if (!m_chooser)
        m_chooser = std::make_unique<FactionChooser>(this);
    return *m_chooser;
}

void MainWindow::chooseAndBuild()
{
    // The chooser comes first so that it is on screen as soon as the program
    // starts; the board's views are built while nobody sees them, after it.
    m_desktop.runDialog(chooser());
    buildBoardOnce();
    m_battle.build(chooser().choice());
}

void MainWindow::resetCommand()
{
    if (m_desktop.confirm(QStringLiteral("初期化確認"), QStringLiteral("初期化してよろしいですか？")))
        m_battle.reset();
}

void MainWindow::chooseFactions()
{
    if (!m_desktop.confirm(QStringLiteral("勢力選択確認"), QStringLiteral("勢力選択してよろしいですか？(同時に初期化されます)")))
        return;
    chooser().resetToStart();
    chooseAndBuild();
}

void MainWindow::copyReport()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_battle.report());
    // Nothing else on the board changes: the note tells the player it was done.
    m_copyNote->show();
    m_copyNoteWait->start();
}

void MainWindow::showAbout()
{
    AboutBox about(this);
    m_desktop.runDialog(about);
}

void MainWindow::keepOnTop(bool on)
{
    // QWidget::setWindowFlags would hide the window and create it afresh: it
    // would flicker, and a window manager may put it somewhere else. The live
    // window takes the hint in place; the widget is only told what it now is.
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(flags);
    if (QWindow *live = windowHandle())
        live->setFlags(flags);
}

bool MainWindow::confirmExit()
{
    return m_desktop.confirm(QStringLiteral("終了確認"), QStringLiteral("終了してよろしいですか？"));
}

void MainWindow::exitCommand()
{
    if (!confirmExit())
        return;
    m_exitConfirmed = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_exitConfirmed && !confirmExit()) {
        event->ignore();
        return;
    }
    m_exitConfirmed = true;
    event->accept();
    QCoreApplication::quit();
}

} // namespace vantor
