#include "modal.h"

#include <QDialog>
#include <QGridLayout>

#include <algorithm>

namespace
{

ModalHook &Hook()
{
    static ModalHook hook;
    return hook;
}

// Window managers draw a dialog's title in bold between the title bar's
// icon and buttons, and cut one that does not fit ("Add R… lution"). A
// message box sizes itself to its layout, so it gets a spacer of that width.
void WidenForTitle(QDialog &dialog)
{
    QFont bold = dialog.font();
    bold.setBold(true);
    // The icon and the three buttons, with the space around them, take
    // about two lines' height each.
    const int titleBarButtons = 8 * dialog.fontMetrics().height();
    const int width = QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + titleBarButtons;
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (qobject_cast<QMessageBox *>(&dialog) && grid)
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    else
        dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
}

} // namespace

void SetModalHook(ModalHook hook)
{
    Hook() = std::move(hook);
}

int RunModal(QDialog &dialog)
{
    WidenForTitle(dialog);
    return Hook() ? Hook()(dialog) : dialog.exec();
}

QMessageBox::StandardButton ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    // Names of profiles and options show as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(RunModal(box));
}
