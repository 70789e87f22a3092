#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>
#include <vector>

// What the profile list offers on its context menu and on keys while it has
// the focus, always on one profile: the current one, or the one the menu was
// opened on.
enum class ProfileAction {
    Launch,
    Stop,
    CopyCommandLine,
    OpenLog,
    Rename,
    Duplicate,
    MoveUp,
    MoveDown,
    Remove
};

struct ProfileActionItem {
    ProfileAction action;
    const char *text; // untranslated, in the MainWindow context
    QList<QKeySequence> keys;
    bool separatorBefore;
};

// The menu's items in menu order.
const std::vector<ProfileActionItem> &ProfileActionItems();

// Whether the action applies to row of count profiles. The first profile is
// where new profiles start: it is never removed or moved, and no other
// profile moves above it.
bool ProfileActionApplies(ProfileAction action, int row, int count);

// Runs the list's actions for the keys that reach the list itself. Keys
// typed while a popup, a menu or a dialog has the keyboard never reach the
// list, so they never act on a profile: a Return that picks a combo box's
// item through its popup launches nothing.
class ProfileListKeys : public QObject
{
public:
    ProfileListKeys(QWidget *list, std::function<void(ProfileAction)> onAction, std::function<void()> onMenu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(ProfileAction)> onAction;
    std::function<void()> onMenu;
};
