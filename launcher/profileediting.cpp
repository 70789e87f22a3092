#include "launcher.h"

#include "configmessages.h"
#include "modal.h"
#include "profilelistwidget.h"
#include "storabletext.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace
{

// Asked each time rather than kept, so that it is worded in the language
// installed when it is shown.
QString AddProfileTitle()
{
    return MainWindow::tr("Add Profile");
}

} // namespace

void MainWindow::OnAddUpdateProfile()
{
    const int row = profileList->currentRow();
    if (row < 0 || row >= int(profiles.size()))
        return;
    UnstorableText problem;
    if (!CanStoreArguments(argumentsEdit->text(), categories, &problem)) {
        ShowMessage(this, QMessageBox::Warning, row == 0 ? AddProfileTitle() : tr("Update Profile"),
                    ArgumentsRefusal(problem));
        return;
    }
    // The button is disabled once the profile is stored, and the list keeps
    // the focus from moving on to the next control.
    profileList->setFocus();
    if (row != 0) {
        CopyWindowToProfile(profiles[row]);
        UpdateAddUpdateButton();
        SaveConfig();
        return;
    }
    for (;;) {
        const QString name = AskProfileName(AddProfileTitle(), tr("Enter the name for the new profile"));
        if (name.isEmpty())
            return;
        const int found = FindProfile(name);
        if (found < 0) {
            Profile profile;
            profile.name = name;
            CopyWindowToProfile(profile);
            profiles.push_back(profile);
            profileList->insertItem(profileList->count(), name);
            profileList->setCurrentRow(int(profiles.size()) - 1);
            SaveConfig();
            return;
        }
        if (ShowMessage(this, QMessageBox::Question, AddProfileTitle(),
                        tr("This profile already exists. Do you want to replace it?"),
                        QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok) {
            CopyWindowToProfile(profiles[found]);
            profileList->setCurrentRow(found);
            // Replacing profile 0 changes no row, yet the window now equals it.
            UpdateAddUpdateButton();
            SaveConfig();
            return;
        }
    }
}

void MainWindow::OnRemoveProfile()
{
    const int row = profileList->currentRow();
    if (row < 0 || row >= int(profiles.size()))
        return;
    if (ShowMessage(this, QMessageBox::Question, tr("Confirm Remove Profile"),
                    tr("Are you sure you want to remove this profile?\n\n%1").arg(profiles[row].name),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    profiles.erase(profiles.begin() + row);
    delete profileList->takeItem(row);
    profileList->setCurrentRow(0);
    profileList->setFocus();
    SaveConfig();
}

// Asks for a profile's name, offering name; empty when the user cancels or
// enters nothing. A name that Launcher.ini cannot keep, or that taken refuses,
// is explained and offered again for correction.
QString MainWindow::AskProfileName(const QString &title, const QString &label, QString name,
                                   const std::function<bool(const QString &)> &taken)
{
    for (;;) {
        QInputDialog dialog(this);
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setTextValue(name);
        if (RunModal(dialog) != QDialog::Accepted || dialog.textValue().isEmpty())
            return QString();
        name = dialog.textValue();
        UnstorableText problem;
        if (!CanStoreName(name, &problem))
            ShowMessage(this, QMessageBox::Warning, title, NameRefusal(problem));
        else if (taken && taken(name))
            ShowMessage(
                this, QMessageBox::Warning, title,
                tr("Another profile is already called \"%1\". Please choose another name.").arg(name));
        else
            return name;
    }
}

// The first profile of that name, or -1.
int MainWindow::FindProfile(const QString &name) const
{
    const auto found = std::find_if(profiles.begin(), profiles.end(),
                                    [&name](const Profile &profile) { return profile.name == name; });
    return found == profiles.end() ? -1 : int(found - profiles.begin());
}

void MainWindow::CopyWindowToProfile(Profile &profile)
{
    for (int k = ResolutionCategory; k <= InputCategory; ++k)
        profile.selection[k - 1] = categories[k].combo->currentIndex();
    profile.arguments = argumentsEdit->text();
}
