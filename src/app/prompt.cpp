#include "app/prompt.h"

#include <QDialog>

namespace vantor {

namespace {

Prompt::BoxHandler &boxHandler()
{
    static Prompt::BoxHandler handler;
    return handler;
}

Prompt::DialogHandler &dialogHandler()
{
    static Prompt::DialogHandler handler;
    return handler;
}

} // namespace

bool Prompt::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return ask(parent, PromptRequest{title, text, QMessageBox::Question, true});
}

void Prompt::inform(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, PromptRequest{title, text, QMessageBox::Information, false});
}

void Prompt::runDialog(QDialog &dialog)
{
    if (dialogHandler()) {
        dialogHandler()(dialog);
        return;
    }
    dialog.exec();
}

void Prompt::setBoxHandler(BoxHandler handler)
{
    boxHandler() = std::move(handler);
}

void Prompt::setDialogHandler(DialogHandler handler)
{
    dialogHandler() = std::move(handler);
}

bool Prompt::ask(QWidget *parent, const PromptRequest &request)
{
    if (boxHandler())
        return boxHandler()(request);
    QMessageBox box(request.icon, request.title, request.text,
                    request.withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    return box.exec() == QMessageBox::Ok;
}

} // namespace vantor
