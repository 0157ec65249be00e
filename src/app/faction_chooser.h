// The faction chooser: the only store of the current FactionChoice. It is shown
// modally whenever the board is built; OK hides it and keeps its state, the
// window's close command discards that state (the next reader sees the start
// values again).
#pragma once

#include "roster/faction.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vantor {

// Its controls are found by object name: westList, eastList, restorationCheck,
// defaultColoursOption, battleColoursOption, okButton, okNote, westFrame,
// eastFrame, schemeFrame, titleCaption.
class FactionChooser : public QDialog {
    Q_OBJECT
public:
    explicit FactionChooser(QWidget *parent = nullptr);

    FactionChoice choice() const;

    // The faction-choice command's reset: lists refilled, 徳川家 against 北条家,
    // default colours, no restoration.
    void resetToStart();

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
    void showScheme();

    QListWidget *m_lists[2]{}; // West, East
    QGroupBox *m_westFrame = nullptr;
    QGroupBox *m_eastFrame = nullptr;
    QGroupBox *m_schemeFrame = nullptr;
    QCheckBox *m_restorationCheck = nullptr;
    QRadioButton *m_schemeOptions[2]{}; // default colours, the great battle's colours
    QPushButton *m_okButton = nullptr;
    QLabel *m_okNote = nullptr; // why OK is greyed, empty while it is not
    QLabel *m_titleCaption = nullptr;
};

} // namespace vantor
