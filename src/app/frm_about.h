#pragma once

#include <QDialog>

namespace vantor {

// The About box: the program's name and version and a usage disclaimer.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};

} // namespace vantor
