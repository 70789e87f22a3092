#include "modal.h"

#include <QDialog>

namespace
{

ModalHook &Hook()
{
    static ModalHook hook;
    return hook;
}

} // namespace

void SetModalHook(ModalHook hook)
{
    Hook() = std::move(hook);
}

int RunModal(QDialog &dialog)
{
    return Hook() ? Hook()(dialog) : dialog.exec();
}

QMessageBox::StandardButton ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    return QMessageBox::StandardButton(RunModal(box));
}
