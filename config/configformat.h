#pragma once

#include "config.h"

#include <QStringList>

class QTextStream;

// Launcher.ini is line oriented. "#" in the first column starts a comment,
// "$VERSION" sets the format version, a known section header such as
// "[Resolution]" starts a section, and every other line inside a section is
// an entry: "name"<TAB>"value". The reader never rejects a line.
constexpr int CurrentConfigVersion = 106;

bool IsSupportedConfigVersion(int version);

// What a file holds as read: its version (0 without a version line) and the
// entries of each of the four categories, in file order, without defaults.
struct ConfigText {
    int version = 0;
    std::vector<OptionCategory> categories = NewCategories();
};

ConfigText ReadConfig(QTextStream &in);

// Completes what was read: gives every empty category the option "Default"
// and turns the [Profile] entries into the profiles it returns, leaving the
// [Profile] category empty until StageProfiles refills it for saving.
std::vector<Profile> CompleteModel(std::vector<OptionCategory> &categories);

// The words of a profile text: any Unicode white space separates them, not
// only blanks and TABs.
QStringList SplitAtWhiteSpace(const QString &text);

// Reads a profile text back into a profile: section markers followed by a
// number set the selection, every other token is an argument.
Profile ParseProfile(const QString &name, const QString &text, const std::vector<OptionCategory> &categories);

// Refills the [Profile] entries from the profiles, ready for writing.
void StageProfiles(std::vector<OptionCategory> &categories, const std::vector<Profile> &profiles);

// Writes the fixed layout: the comment header, the version line and every
// category with its entries.
void WriteConfig(QTextStream &out, const std::vector<OptionCategory> &categories);

// The whole file as WriteConfig lays it out.
QByteArray ConfigFileBytes(const std::vector<OptionCategory> &categories);

// Why a write of the file failed: what went wrong, the directory or file
// concerned, and the system's own words from the call that failed, where
// the system gave a reason.
enum class SaveFailure {
    DirectoryNotCreated,    // path: the directory
    ExistingFileUnreadable, // path: the file, which was never loaded, so replacing it would lose it
    OutsideVersionNotKept,  // path: the free name the outside version was to be kept under
    FolderLocked,           // path: the folder, which another launcher's write held too long
    WriteFailed,            // path: the file
};

struct SaveError {
    SaveFailure failure = SaveFailure::WriteFailed;
    QString path;
    QString systemReason;
};

// Writes the file atomically into its existing folder: the previous file is
// replaced only by a complete new one. On failure the old file is intact.
bool SaveConfigFile(const QString &path, const QByteArray &bytes, SaveError *error);

// A free name beside the user's file for a file moved aside, tagged with
// the version of an out-of-date file or with "edited":
// Launcher.102.ini, or Launcher.102.1.ini, Launcher.102.2.ini ... when taken.
QString FreeBackupPath(const QString &userConfigPath, const QString &tag);
