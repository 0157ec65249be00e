// Every modal box of the program goes through here: the confirmations, the
// placement notice, the faction chooser and the About box. A test installs a
// handler that answers without blocking (and may do work "while the box is open").
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace vantor {

struct PromptRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool withCancel = false;
};

class Prompt {
public:
    using BoxHandler = std::function<bool(const PromptRequest &)>; // true = OK
    using DialogHandler = std::function<void(QDialog &)>;

    // OK/Cancel with the question icon; true only for OK.
    static bool confirm(QWidget *parent, const QString &title, const QString &text);
    // A notice with the information icon and a single OK button.
    static void inform(QWidget *parent, const QString &title, const QString &text);
    // Shows a dialog modally and returns when it is hidden or closed.
    static void runDialog(QDialog &dialog);

    static void setBoxHandler(BoxHandler handler);
    static void setDialogHandler(DialogHandler handler);

private:
    static bool ask(QWidget *parent, const PromptRequest &request);
};

} // namespace vantor
