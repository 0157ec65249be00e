#pragma once

#include <QDialog>

class QLabel;

namespace vantor {

// The About box: the program's name and version and a usage disclaimer. Its
// picture is drawn for the screen it is shown on.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    QLabel *m_picture;
};

} // namespace vantor
