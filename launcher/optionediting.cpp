#include "launcher.h"

#include "adddlg.h"
#include "configmessages.h"
#include "modal.h"
#include "optionremoval.h"
#include "storabletext.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace
{

// Runs the dialog until it is cancelled or accepted with a name that
// Launcher.ini can keep; a refused name brings the dialog back with the
// texts as typed, so only the name needs correcting.
bool ExecWithStorableName(AddDlg &dialog)
{
    while (RunModal(dialog) == QDialog::Accepted) {
        UnstorableText problem;
        if (CanStoreName(dialog.fields[0].edit->text(), &problem))
            return true;
        ShowMessage(dialog.parentWidget(), QMessageBox::Warning, dialog.windowTitle(), NameRefusal(problem));
    }
    return false;
}

// The typed texts are digit strings of up to 64 bits, so a dimension beyond
// int still compares correctly and is shown exactly as typed. Without any
// screen there is no size to compare with, and nothing is asked.
bool ConfirmResolution(QWidget *parent, const QString &width, const QString &height)
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return true;
    const QRect screen = primary->geometry();
    if (width.toLongLong() <= screen.width() && height.toLongLong() <= screen.height())
        return true;
    QMessageBox box(
        QMessageBox::Warning, MainWindow::tr("Resolution bigger than the current screen size!"),
        MainWindow::tr("You are trying to add: %1x%2\nbut the current screen resolution is: "
                       "%3x%4\n\nAre you sure ?")
            .arg(width, height, QString::number(screen.width()), QString::number(screen.height())),
        QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(MainWindow::tr("Yes"), QMessageBox::AcceptRole);
    box.addButton(MainWindow::tr("No"), QMessageBox::RejectRole);
    RunModal(box);
    return box.clickedButton() == yes;
}

void AppendOption(OptionCategory &category, const Option &option)
{
    category.options.push_back(option);
    category.combo->insertItem(category.combo->count(), option.name);
    category.combo->setCurrentIndex(int(category.options.size()) - 1);
}

} // namespace

void MainWindow::OnAddResolution()
{
    AddDlg dialog(this, tr("Add Resolution"),
                  {{TextField, tr("Name:")}, {NumberField, tr("Width:")}, {NumberField, tr("Height:")}});
    if (!ExecWithStorableName(dialog))
        return;
    const QString width = dialog.fields[1].edit->text();
    const QString height = dialog.fields[2].edit->text();
    if (!ConfirmResolution(this, width, height))
        return;
    AppendOption(categories[ResolutionCategory],
                 {dialog.fields[0].edit->text(), QStringLiteral(" -windowsize ") + width + u'x' + height});
    SaveConfig();
}

void MainWindow::OnRemoveResolution()
{
    if (!RemoveOption(ResolutionCategory))
        return;
    categories[ResolutionCategory].combo->setCurrentIndex(0);
    SaveConfig();
}

void MainWindow::OnAddPixelDensity()
{
    AddDlg dialog(this, tr("Add Pixel Density"),
                  {{TextField, tr("Name:")}, {NumberField, tr("Pixel Density:")}});
    if (!ExecWithStorableName(dialog))
        return;
    AppendOption(categories[PixelDensityCategory],
                 {dialog.fields[0].edit->text(), QStringLiteral(" -ppi ") + dialog.fields[1].edit->text()});
    SaveConfig();
}

void MainWindow::OnRemovePixelDensity()
{
    if (!RemoveOption(PixelDensityCategory))
        return;
    categories[PixelDensityCategory].combo->setCurrentIndex(0);
    SaveConfig();
}

bool MainWindow::RemoveOption(int category)
{
    OptionCategory &cat = categories[category];
    const int current = cat.combo->currentIndex();
    // Option 0 is every profile's fallback and must stay.
    if (current <= 0 || current >= int(cat.options.size()))
        return false;
    const QString users = OptionUsers(profiles, category, current);
    //: %1 is the category's label in lower case, such as "pixel density".
    const QString title = tr("Confirm remove %1").arg(GetCategoryLabel(cat, true));
    if (!users.isEmpty() &&
        ShowMessage(
            this, QMessageBox::Warning, title,
            //: %1 is the list of profiles, one per line.
            tr("The following profiles use this option, are you sure you want to continue?\n\n%1").arg(users),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    const QString removedValue = cat.options[current].value;
    RenumberForRemovedOption(profiles, category, current, removedValue);
    cat.options.erase(cat.options.begin() + current);
    cat.combo->removeItem(current);
    // The window showed the option too, so it keeps the switches as the
    // profiles do; a profile it matched still matches it.
    argumentsEdit->setText(WithRemovedOption(argumentsEdit->text(), removedValue));
    return true;
}
