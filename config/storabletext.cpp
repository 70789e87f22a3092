#include "storabletext.h"

#include "configformat.h"

#include <QStringList>

bool CanStoreName(const QString &name, QString *reason)
{
    if (name.contains(u'"')) {
        *reason = QStringLiteral("A name cannot contain a double quote (\"): Launcher.ini has no way to "
                                 "store it, so the name would be cut short the next time the launcher "
                                 "starts.\n\nPlease choose a name without double quotes.");
        return false;
    }
    if (name.contains(QLatin1String("\\t"))) {
        *reason = QStringLiteral("A name cannot contain a backslash followed by t (\\t): Launcher.ini "
                                 "reads it back as a TAB the next time the launcher starts.\n\n"
                                 "Please choose another name.");
        return false;
    }
    return true;
}

bool CanStoreArguments(const QString &arguments, const std::vector<OptionCategory> &categories,
                       QString *reason)
{
    if (arguments.contains(u'"')) {
        *reason = QStringLiteral("The arguments cannot be stored because they contain a double quote "
                                 "(\"), which Launcher.ini has no way to keep.\n\nRemove the double quotes "
                                 "to store the profile; Launch still uses the arguments as typed.");
        return false;
    }
    // A word equal to a section header would be read back as an option choice.
    const QStringList words = SplitAtWhiteSpace(arguments);
    for (int k = ResolutionCategory; k <= InputCategory; ++k) {
        if (words.contains(categories[k].section)) {
            *reason = QStringLiteral("The arguments cannot be stored because they contain %1 as a word "
                                     "of its own, which Launcher.ini reads back as an option choice.\n\n"
                                     "Remove it to store the profile; Launch still uses the arguments "
                                     "as typed.")
                          .arg(categories[k].section);
            return false;
        }
    }
    return true;
}
