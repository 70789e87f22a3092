#include "configformat.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <limits>

namespace
{

bool IsTokenSeparator(QChar c)
{
    return c == u' ' || c == u',' || c == u'=' || c == u'\t';
}

// The line up to its first separator; empty when the line begins with one.
QString FirstToken(const QString &line)
{
    qsizetype end = 0;
    while (end < line.size() && !IsTokenSeparator(line[end]))
        ++end;
    return line.left(end);
}

// A decimal number as QString::toLong reads it, refused when it does not fit
// an int rather than wrapped around into some other number.
bool ToInt(const QString &text, int *result)
{
    bool ok = false;
    const long value = text.toLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    *result = int(value);
    return true;
}

// The non-empty runs of characters between separators.
template <typename IsSeparator> QStringList SplitWords(const QString &text, IsSeparator isSeparator)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || isSeparator(text[i]);
        if (separator && start >= 0) {
            words << text.mid(start, i - start);
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    return words;
}

// The first token after "$VERSION" that is a number, if any.
void ReadVersionLine(const QString &line, int *version)
{
    const QStringList tokens = SplitWords(line, IsTokenSeparator);
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        if (ToInt(tokens[i], version))
            return;
    }
}

// "name"<TAB>"value": pieces between double quotes, empty ones dropped. A
// line of nothing but quotes has no piece and is no entry.
bool ReadEntry(const QString &line, Option *entry)
{
    const QStringList pieces = line.split(u'"', Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return false;
    Option &option = *entry;
    option.name = pieces.value(0);
    option.name.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    option.value = pieces.value(2);
    return true;
}

int FindSection(const std::vector<OptionCategory> &categories, const QString &token)
{
    for (size_t i = 0; i < categories.size(); ++i) {
        if (categories[i].section == token)
            return int(i);
    }
    return -1;
}

} // namespace

bool IsSupportedConfigVersion(int version)
{
    return version >= 103 && version <= CurrentConfigVersion;
}

QStringList SplitAtWhiteSpace(const QString &text)
{
    return SplitWords(text, [](QChar c) { return c.isSpace(); });
}

ConfigText ReadConfig(QTextStream &in)
{
    ConfigText config;
    OptionCategory *current = nullptr;
    QString line;
    while (in.readLineInto(&line)) {
        if (line.isEmpty())
            continue;
        const QString first = FirstToken(line);
        if (first.startsWith(u'#'))
            continue;
        if (first == QLatin1String("$VERSION")) {
            ReadVersionLine(line, &config.version);
            continue;
        }
        const int section = FindSection(config.categories, first);
        if (section >= 0)
            current = &config.categories[section];
        else if (Option entry; current && ReadEntry(line, &entry))
            current->options.push_back(std::move(entry));
    }
    return config;
}

Profile ParseProfile(const QString &name, const QString &text, const std::vector<OptionCategory> &categories)
{
    const QStringList tokens = SplitAtWhiteSpace(text);
    Profile profile;
    profile.name = name;
    QStringList arguments;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const int category = FindSection(categories, tokens[i]);
        if (category >= ResolutionCategory) {
            int index = 0;
            if (i + 1 < tokens.size() && ToInt(tokens[i + 1], &index)) {
                profile.selection[category - 1] = index;
                ++i;
            }
            continue;
        }
        arguments << tokens[i];
    }
    // Every argument is preceded by exactly one space.
    if (!arguments.isEmpty())
        profile.arguments = u' ' + arguments.join(u' ');
    return profile;
}

std::vector<Profile> CompleteModel(std::vector<OptionCategory> &categories)
{
    for (OptionCategory &category : categories) {
        if (category.options.empty())
            category.options.push_back({QStringLiteral("Default"), QString()});
    }
    // The entries live on as profiles; each is let go once parsed, which
    // keeps the peak memory of a large file low. Saving stages them anew.
    std::vector<Option> &entries = categories[ProfileCategory].options;
    std::vector<Profile> profiles;
    for (Option &entry : entries) {
        profiles.push_back(ParseProfile(entry.name, entry.value, categories));
        entry = Option();
    }
    std::vector<Option>().swap(entries);
    return profiles;
}

void StageProfiles(std::vector<OptionCategory> &categories, const std::vector<Profile> &profiles)
{
    std::vector<Option> &entries = categories[ProfileCategory].options;
    entries.clear();
    entries.reserve(profiles.size());
    for (const Profile &profile : profiles)
        entries.push_back({profile.name, ProfileText(categories, profile.selection, profile.arguments)});
}

void WriteConfig(QTextStream &out, const std::vector<OptionCategory> &categories)
{
    out << "# A configuration out for the Zelvane Launcher.\n"
           "# It makes it easy to start multiple instances with various command line\n"
           "# options.\n"
           "#\n"
           "# Note that the arguments are just concatenated together, so start new\n"
           "# arguments with a space in the string to avoid errors.\n"
           "\n"
        << "$VERSION\t" << CurrentConfigVersion << "\n\n";
    for (const OptionCategory &category : categories) {
        out << category.section << '\n';
        for (const Option &option : category.options)
            out << '"' << option.name << "\"\t\"" << option.value << "\"\n";
        out << '\n';
    }
}

QByteArray ConfigFileBytes(const std::vector<OptionCategory> &categories)
{
    QByteArray bytes;
    {
        QTextStream out(&bytes, QIODevice::WriteOnly);
        WriteConfig(out, categories);
    } // the stream hands over what it holds as it goes
    return bytes;
}

bool SaveConfigFile(const QString &path, const QByteArray &bytes, SaveError *error)
{
    // A file that cannot be read was never loaded: replacing it would lose
    // what it holds. QSaveFile would replace a write-only file.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isReadable()) {
        *error = {SaveFailure::ExistingFileUnreadable, path, QString()};
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = {SaveFailure::WriteFailed, path, file.errorString()};
        return false;
    }
    // QFileDevice gives no reason for a short write, as on a full disk, and
    // commit() forgets the failure's error. errno, cleared before, holds the
    // reason of the write(2) that failed within them. Not committed, the
    // temporary file is removed.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const int writeError = errno;
    if (!written) {
        *error = {SaveFailure::WriteFailed, path,
                  writeError ? QString::fromLocal8Bit(std::strerror(writeError)) : file.errorString()};
        return false;
    }
    if (!file.commit()) {
        *error = {SaveFailure::WriteFailed, path, file.errorString()};
        return false;
    }
    return true;
}

QString FreeBackupPath(const QString &userConfigPath, const QString &tag)
{
    const QString stem = userConfigPath.chopped(3) + tag;
    QString candidate = stem + QStringLiteral(".ini");
    for (int n = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = stem + QStringLiteral(".%1.ini").arg(n);
    return candidate;
}
