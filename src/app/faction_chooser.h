// The faction chooser: the only store of the current FactionChoice. It is shown
// modally whenever the board is built; OK hides it and keeps its state, the
// window's close command discards that state (the next reader sees the start
// values again).
#pragma once

#include "roster/faction.h"

#include <QDialog>
#include <QImage>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vantor {

class FactionChooser : public QDialog {
    Q_OBJECT
public:
    explicit FactionChooser(QWidget *parent = nullptr);

    FactionChoice choice() const;
    QImage emblem(Faction faction, int pixels) const;

    // The faction-choice command's reset: lists refilled, 徳川家 against 北条家,
    // default colours, no restoration.
    void resetToStart();

    QListWidget *factionLists[2]{}; // West, East
    QGroupBox *westFrame = nullptr;
    QGroupBox *eastFrame = nullptr;
    QGroupBox *schemeFrame = nullptr;
    QCheckBox *restorationCheck = nullptr;
    QRadioButton *schemeOptions[2]{}; // default colours, the great battle's colours
    QPushButton *okButton = nullptr;
    QLabel *titleCaption = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

public slots:
    // Closing without OK (window close button, Escape) throws the choice away.
    void reject() override;

private:
    void fillLists(int entries);
    void onFactionPicked();
    void onSchemePicked();
    void acceptChoice();
    void paintScheme();
};

} // namespace vantor
