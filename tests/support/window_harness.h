// The main window over a battle for widget tests: a fake desktop (a clock the
// test sets, answered confirmations, notices the test closes), the chooser
// answered by a function instead of a player, and the window's controls found
// by their object names.
#pragma once

#include "support/fake_desktop.h"

#include "app/faction_chooser.h"
#include "app/main_window.h"
#include "app/post_widget.h"
#include "battle/battle.h"

#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace vantor::testing {

struct WindowHarness {
    FakeDesktop desktop;
    std::function<void(FactionChooser &)> choose; // sets the chooser up; OK is pressed after it
    int choicesMade = 0;
    std::unique_ptr<Battle> battle;
    std::unique_ptr<MainWindow> window;

    explicit WindowHarness(int hour = 12, int minute = 0, Battle::Waits waits = {})
    {
        desktop.set(hour, minute);
        desktop.dialogs = [this](QDialog &dialog) {
            auto *chooser = qobject_cast<FactionChooser *>(&dialog);
            if (!chooser)
                return;
            ++choicesMade;
            if (choose)
                choose(*chooser);
            auto *ok = chooser->findChild<QPushButton *>(QStringLiteral("okButton"));
            if (ok->isEnabled())
                ok->click();
            else
                chooser->reject();
        };
        battle = std::make_unique<Battle>(desktop, waits);
        window = std::make_unique<MainWindow>(*battle, desktop);
        window->chooseAndBuild();
    }

    template <typename Widget = QWidget>
    Widget *find(const QString &name) const
    {
        auto *found = window->findChild<Widget *>(name);
        if (!found)
            qFatal("no %s named %s", Widget::staticMetaObject.className(), qPrintable(name));
        return found;
    }
    PostWidget *post(int slot) const { return find<PostWidget>(QStringLiteral("post%1").arg(slot)); }
};

} // namespace vantor::testing
