#include "configmessages.h"

#include "knownfile.h"

#include <QCoreApplication>

QString NameRefusal(const UnstorableText &problem)
{
    if (problem.reason == UnstorableReason::DoubleQuote)
        return QCoreApplication::translate(
            "MainWindow",
            "A name cannot contain a double quote (\"): Launcher.ini has no way to store it, so the "
            "name would be cut short the next time the launcher starts.\n\nPlease choose a name "
            "without double quotes.");
    if (problem.reason == UnstorableReason::BackslashT)
        return QCoreApplication::translate(
            "MainWindow",
            "A name cannot contain a backslash followed by t (\\t): Launcher.ini reads it back as a "
            "TAB the next time the launcher starts.\n\nPlease choose another name.");
    return QCoreApplication::translate(
        "MainWindow",
        "A name cannot contain a line break: Launcher.ini keeps each name on one line, so the name "
        "would not come back as typed the next time the launcher starts.\n\nPlease choose a name "
        "on one line.");
}

QString ArgumentsRefusal(const UnstorableText &problem)
{
    if (problem.reason == UnstorableReason::DoubleQuote)
        return QCoreApplication::translate(
            "MainWindow",
            "The arguments cannot be stored because they contain a double quote (\"), which "
            "Launcher.ini has no way to keep.\n\nRemove the double quotes to store the profile; "
            "Launch still uses the arguments as typed.");
    if (problem.reason == UnstorableReason::LineBreak)
        return QCoreApplication::translate(
            "MainWindow",
            "The arguments cannot be stored because they contain a line break, which Launcher.ini "
            "has no way to keep.\n\nRemove the line break to store the profile; Launch still uses "
            "the arguments as typed.");
    return QCoreApplication::translate(
               "MainWindow",
               "The arguments cannot be stored because they contain %1 as a word of its own, which "
               "Launcher.ini reads back as an option choice.\n\nRemove it to store the profile; Launch "
               "still uses the arguments as typed.")
        .arg(problem.value);
}

QString SaveFailureReason(const SaveError &error)
{
    switch (error.failure) {
    case SaveFailure::DirectoryNotCreated:
        return QCoreApplication::translate("MainWindow", "The directory %1 cannot be created.")
            .arg(error.path);
    case SaveFailure::ExistingFileUnreadable:
        return QCoreApplication::translate("MainWindow",
                                           "The existing file %1 cannot be read, so it was not replaced.")
            .arg(error.path);
    case SaveFailure::OutsideVersionNotKept:
        return QCoreApplication::translate("MainWindow",
                                           "The file on disk is not the one the launcher last read or wrote, "
                                           "and it could not be kept as %1 (%2), so it was not replaced.")
            .arg(error.path, error.systemReason);
    case SaveFailure::FolderLocked:
        //: %1 is a folder, %2 a number of seconds.
        return QCoreApplication::translate("MainWindow",
                                           "Another launcher was writing in the folder %1 and did not finish "
                                           "within %2 seconds, so the file was not replaced.")
            .arg(error.path, QString::number(KnownFile::LockTimeout / 1000));
    case SaveFailure::WriteFailed:
        break;
    }
    return error.systemReason;
}
