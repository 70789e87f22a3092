#include "optionremoval.h"

QString WithRemovedOption(const QString &arguments, const QString &removedValue)
{
    return arguments.isEmpty() ? removedValue : arguments + u' ' + removedValue;
}

QString OptionUsers(const std::vector<Profile> &profiles, int category, int index)
{
    QString users;
    for (const Profile &profile : profiles) {
        if (profile.selection[category - 1] == index)
            users += profile.name + u'\n';
    }
    return users;
}

void RenumberForRemovedOption(std::vector<Profile> &profiles, int category, int index,
                              const QString &removedValue)
{
    for (Profile &profile : profiles) {
        int &choice = profile.selection[category - 1];
        if (choice == index) {
            choice = 0;
            profile.arguments = WithRemovedOption(profile.arguments, removedValue);
        } else if (choice > index) {
            --choice;
        }
    }
}
