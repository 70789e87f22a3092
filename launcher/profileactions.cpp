#include "profileactions.h"

#include "filelocations.h"
#include "fileopener.h"
#include "launchcommand.h"
#include "launcher.h"
#include "launchlog.h"
#include "profilelistwidget.h"
#include "runningemulators.h"
#include "runningview.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

const std::vector<ProfileActionItem> &ProfileActionItems()
{
    static const std::vector<ProfileActionItem> items = {
        {ProfileAction::Launch,
         QT_TRANSLATE_NOOP("MainWindow", "&Launch"),
         {Qt::Key_Return, Qt::Key_Enter},
         false},
        {ProfileAction::Stop, QT_TRANSLATE_NOOP("MainWindow", "&Stop"), {Qt::CTRL | Qt::Key_T}, false},
        {ProfileAction::CopyCommandLine,
         QT_TRANSLATE_NOOP("MainWindow", "&Copy Command Line"),
         {Qt::CTRL | Qt::Key_C},
         false},
        {ProfileAction::OpenLog, QT_TRANSLATE_NOOP("MainWindow", "Open Lo&g"), {}, false},
        {ProfileAction::Rename, QT_TRANSLATE_NOOP("MainWindow", "&Rename…"), {Qt::Key_F2}, true},
        {ProfileAction::Duplicate,
         QT_TRANSLATE_NOOP("MainWindow", "D&uplicate…"),
         {Qt::CTRL | Qt::Key_D},
         false},
        {ProfileAction::MoveUp, QT_TRANSLATE_NOOP("MainWindow", "Move &Up"), {Qt::ALT | Qt::Key_Up}, true},
        {ProfileAction::MoveDown,
         QT_TRANSLATE_NOOP("MainWindow", "Move &Down"),
         {Qt::ALT | Qt::Key_Down},
         false},
        {ProfileAction::Remove, QT_TRANSLATE_NOOP("MainWindow", "Re&move…"), {Qt::Key_Delete}, true},
    };
    return items;
}

bool ProfileActionApplies(ProfileAction action, int row, int count)
{
    if (row < 0 || row >= count)
        return false;
    switch (action) {
    case ProfileAction::MoveUp:
        return row >= 2;
    case ProfileAction::MoveDown:
        return row >= 1 && row + 1 < count;
    case ProfileAction::Remove:
        return row >= 1;
    default:
        return true;
    }
}

ProfileListKeys::ProfileListKeys(QWidget *list, std::function<void(ProfileAction)> onAction,
                                 std::function<void()> onMenu)
    : QObject(list), onAction(std::move(onAction)), onMenu(std::move(onMenu))
{
    list->installEventFilter(this);
}

bool ProfileListKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Enter on the keypad is Enter, as the menu shows it.
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    if (pressed == QKeySequence(Qt::Key_Menu) || pressed == QKeySequence(Qt::SHIFT | Qt::Key_F10)) {
        onMenu();
        return true;
    }
    for (const ProfileActionItem &item : ProfileActionItems()) {
        if (item.keys.contains(pressed)) {
            onAction(item.action);
            return true;
        }
    }
    return false;
}

// The menu is built each time it is asked for, so the window gains no widget.
void MainWindow::SetUpProfileListActions()
{
    profileList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(profileList, &QWidget::customContextMenuRequested, this, &MainWindow::ShowProfileMenu);
    // Some styles activate an item on a single click; only a double click
    // launches here, so a click always just selects.
    connect(profileList, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { RunProfileAction(ProfileAction::Launch, index.row()); });
    // The keyboard's ways to the menu open it at the current profile.
    new ProfileListKeys(
        profileList, [this](ProfileAction action) { RunProfileAction(action, profileList->currentRow()); },
        [this] { ShowProfileMenu(profileList->visualItemRect(profileList->currentItem()).center()); });
}

// Opens the menu for the current profile at a point of the list's viewport.
// It stays open without a nested event loop and goes when it closes.
void MainWindow::ShowProfileMenu(const QPoint &position)
{
    const int row = profileList->currentRow();
    auto *menu = new QMenu(profileList);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const ProfileActionItem &item : ProfileActionItems()) {
        if (item.separatorBefore)
            menu->addSeparator();
        QAction *entry = menu->addAction(
            tr(item.text), this, [this, row, action = item.action] { RunProfileAction(action, row); });
        entry->setShortcuts(item.keys);
        entry->setEnabled(CanRunProfileAction(item.action, row));
    }
    menu->popup(profileList->viewport()->mapToGlobal(position));
}

void MainWindow::RunProfileAction(ProfileAction action, int row)
{
    if (!CanRunProfileAction(action, row))
        return;
    switch (action) {
    case ProfileAction::Launch:
        Launch(GetProfileLaunchCommand(row), profiles[row].name);
        break;
    case ProfileAction::Stop:
        runningView->Stop(profiles[row].name);
        break;
    case ProfileAction::OpenLog:
        OpenLocalFile(this, NewestLaunchLog(LaunchLogFolder(), profiles[row].name));
        break;
    case ProfileAction::CopyCommandLine:
        QGuiApplication::clipboard()->setText(ShellCommandLine(GetProfileLaunchCommand(row)));
        break;
    case ProfileAction::Rename:
        RenameProfile(row);
        break;
    case ProfileAction::Duplicate:
        DuplicateProfile(row);
        break;
    case ProfileAction::MoveUp:
        MoveProfile(row, row - 1);
        break;
    case ProfileAction::MoveDown:
        MoveProfile(row, row + 1);
        break;
    case ProfileAction::Remove:
        OnRemoveProfile(); // row is the current row, as the menu opens on it
        break;
    }
}

// Stop and Open Log also need something to act on.
bool MainWindow::CanRunProfileAction(ProfileAction action, int row) const
{
    if (!ProfileActionApplies(action, row, int(profiles.size())))
        return false;
    if (action == ProfileAction::Stop)
        return runningView->Count(profiles[row].name) > 0;
    if (action == ProfileAction::OpenLog)
        return !NewestLaunchLog(LaunchLogFolder(), profiles[row].name).isEmpty();
    return true;
}

// The stored profile's command, as Launch runs it with the profile selected
// and unchanged and as --dry-run prints it.
LaunchCommand MainWindow::GetProfileLaunchCommand(int row) const
{
    return BuildLaunchCommand(GetFileName(EmulatorBinary), categories, profiles[row].selection,
                              profiles[row].arguments);
}

// Only the name changes: the profile keeps its place, and the window what it
// shows, stored or not.
void MainWindow::RenameProfile(int row)
{
    const QString name = AskProfileName(
        tr("Rename Profile"), tr("Enter the new name for the profile"), profiles[row].name,
        [this, row](const QString &name) { return name != profiles[row].name && FindProfile(name) >= 0; });
    if (name.isEmpty() || name == profiles[row].name)
        return;
    RenameRunningEmulators(RunningEmulatorFolder(), profiles[row].name, name);
    profiles[row].name = name;
    profileList->item(row)->setText(name);
    runningView->Refresh();
    runningView->Show();
    SaveConfig();
}

// The copy is of the stored profile. It is selected, and the window keeps
// showing what it showed, so choices not yet stored now stand against the
// copy instead of being dropped.
void MainWindow::DuplicateProfile(int row)
{
    const QString name = AskProfileName(tr("Duplicate Profile"), tr("Enter the name for the new profile"),
                                        tr("%1 (copy)").arg(profiles[row].name),
                                        [this](const QString &name) { return FindProfile(name) >= 0; });
    if (name.isEmpty())
        return;
    Profile copy = profiles[row];
    copy.name = name;
    profiles.insert(profiles.begin() + row + 1, copy);
    profileList->insertItem(row + 1, name);
    SelectRowKeepingChoices(row + 1);
    SaveConfig();
}

// Swaps two stored profiles; the moved one stays selected and the window
// keeps what it shows.
void MainWindow::MoveProfile(int row, int to)
{
    std::swap(profiles[row], profiles[to]);
    profileList->item(row)->setText(profiles[row].name);
    profileList->item(to)->setText(profiles[to].name);
    runningView->Show();
    SelectRowKeepingChoices(to);
    SaveConfig();
}

void MainWindow::SelectRowKeepingChoices(int row)
{
    const std::vector<int> selection = GetWindowSelection();
    const QString arguments = argumentsEdit->text();
    profileList->setCurrentRow(row);
    for (int category = ResolutionCategory; category <= InputCategory; ++category)
        categories[category].combo->setCurrentIndex(selection[category - 1]);
    argumentsEdit->setText(arguments);
}
