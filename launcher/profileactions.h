#pragma once

#include <QKeySequence>
#include <QList>

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
