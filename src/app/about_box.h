#pragma once

#include <QDialog>

namespace vantor {

// The About box: the program's name and version and a usage disclaimer.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace vantor
