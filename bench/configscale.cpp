// Load and save of large configuration files, against QSettings reading and
// writing the same number of key/value pairs of the same lengths.
//   configscale generate <entries> <file>   writes <file> and <file>.qsettings.ini
//   configscale load|save|qsettings-load|qsettings-save <file>
// Each measuring mode prints "<nanoseconds> <peak resident KiB>".
#include "configformat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTextStream>

#include <cstdio>
#include <sys/resource.h>

namespace
{

struct Model {
    std::vector<OptionCategory> categories;
    std::vector<Profile> profiles;
};

Model Load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("Cannot read %s", qPrintable(path));
    QTextStream in(&file);
    Model model{ReadConfig(in).categories, {}};
    model.profiles = CompleteModel(model.categories);
    return model;
}

void Save(Model &model, const QString &path)
{
    StageProfiles(model.categories, model.profiles);
    SaveError error;
    if (!SaveConfigFile(path, ConfigFileBytes(model.categories), &error))
        qFatal("Cannot save %s: %s", qPrintable(error.path), qPrintable(error.systemReason));
}

QString QSettingsPath(const QString &path)
{
    return path + QStringLiteral(".qsettings.ini");
}

void Generate(int entries, const QString &path)
{
    Model model{NewCategories(), {}};
    for (int c = ResolutionCategory; c <= InputCategory; ++c)
        model.categories[c].options.push_back({QStringLiteral("Default"), QString()});
    QSettings settings(QSettingsPath(path), QSettings::IniFormat);
    settings.clear();
    settings.beginGroup(QStringLiteral("Profile"));
    for (int i = 0; i < entries; ++i) {
        Profile profile;
        profile.name = QStringLiteral("Profile %1").arg(i, 7, 10, QLatin1Char('0'));
        profile.arguments = QStringLiteral(" -memory %1 -verbose").arg(i % 4096);
        model.profiles.push_back(profile);
        settings.setValue(profile.name, ProfileText(model.categories, profile.selection, profile.arguments));
    }
    settings.endGroup();
    Save(model, path);
}

long PeakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 Measure(const QString &mode, const QString &path)
{
    QElapsedTimer timer;
    if (mode == QLatin1String("load")) {
        timer.start();
        const Model model = Load(path);
        const qint64 elapsed = timer.nsecsElapsed();
        if (model.profiles.empty())
            qFatal("Nothing loaded");
        return elapsed;
    }
    if (mode == QLatin1String("save")) {
        Model model = Load(path);
        timer.start();
        Save(model, path + QStringLiteral(".out"));
        return timer.nsecsElapsed();
    }
    if (mode == QLatin1String("qsettings-load")) {
        timer.start();
        QSettings settings(QSettingsPath(path), QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Profile"));
        qsizetype total = 0;
        for (const QString &key : settings.childKeys())
            total += settings.value(key).toString().size();
        const qint64 elapsed = timer.nsecsElapsed();
        if (total == 0)
            qFatal("Nothing loaded");
        return elapsed;
    }
    if (mode == QLatin1String("qsettings-save")) {
        QSettings source(QSettingsPath(path), QSettings::IniFormat);
        source.beginGroup(QStringLiteral("Profile"));
        QList<std::pair<QString, QString>> pairs;
        for (const QString &key : source.childKeys())
            pairs.append({key, source.value(key).toString()});
        const QString out = QSettingsPath(path) + QStringLiteral(".out");
        QFile::remove(out);
        timer.start();
        QSettings settings(out, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Profile"));
        for (const auto &[key, value] : pairs)
            settings.setValue(key, value);
        settings.endGroup();
        settings.sync();
        return timer.nsecsElapsed();
    }
    qFatal("Unknown mode %s", qPrintable(mode));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("generate")) {
        Generate(args[2].toInt(), args[3]);
        return 0;
    }
    if (args.size() != 3)
        qFatal("usage: configscale generate <entries> <file> | <mode> <file>");
    const qint64 elapsed = Measure(args[1], args[2]);
    std::printf("%lld %ld\n", static_cast<long long>(elapsed), PeakResidentKiB());
    return 0;
}
