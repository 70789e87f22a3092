// The texts read without a window. Each folder of data/format holds a
// Launcher.ini, the exact bytes the launcher saves for it (saved.ini) and the
// version it reads from it; generated models must survive a save and a load.
// Each line of data/emulator/arguments.txt gives the stand-in emulator's
// window size, ppi and the first two words of each problem it reports, then
// "|" and its arguments.
#include "configio.h"
#include "emulatorargs.h"
#include "testenvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace
{

// The whole model as text, to compare models at once.
QString Describe(const ConfigModel &model)
{
    QString text;
    for (const OptionCategory &category : model.categories) {
        for (const Option &option : category.options)
            text += category.section + option.name + u'|' + option.value + u'\n';
    }
    for (const Profile &profile : model.profiles)
        text += QStringLiteral("%1|%2,%3,%4|%5\n")
                    .arg(profile.name)
                    .arg(profile.selection[0])
                    .arg(profile.selection[1])
                    .arg(profile.selection[2])
                    .arg(profile.arguments);
    return text;
}

} // namespace

class FormatTest : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void shippedDefaultIsSavedUnchanged();
    void generatedModelsRoundTrip();
    void emulatorArguments();
};

void FormatTest::cases_data()
{
    QTest::addColumn<QString>("dir");
    const QDir cases(QStringLiteral(ZELVANE_TEST_DATA "/format"));
    for (const QString &name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QTest::newRow(qPrintable(name)) << cases.filePath(name);
}

void FormatTest::cases()
{
    QFETCH(QString, dir);
    const QByteArray input = ReadFile(dir + QStringLiteral("/Launcher.ini"));
    const QByteArray saved = SaveModel(LoadModel(input));
    QVERIFY(MatchesFile(dir + QStringLiteral("/saved.ini"), saved));
    QVERIFY(
        MatchesFile(dir + QStringLiteral("/version"), QByteArray::number(ReadConfigBytes(input).version)));
    QCOMPARE(SaveModel(LoadModel(saved)), saved);
}

void FormatTest::shippedDefaultIsSavedUnchanged()
{
    const QByteArray shipped = ReadFile(QStringLiteral(ZELVANE_SOURCE_DIR "/resources/LauncherDefault.ini"));
    QCOMPARE(ReadConfigBytes(shipped).version, CurrentConfigVersion);
    QCOMPARE(SaveModel(LoadModel(shipped)), shipped);
}

// Text the format can carry: no double quotes, no backslash before t, no
// white space at the ends of arguments, single spaces between them.
void FormatTest::generatedModelsRoundTrip()
{
    QRandomGenerator random(20261206);
    auto pick = [&](const QString &alphabet, int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(int(alphabet.size()))];
        return text;
    };
    auto name = [&] {
        QString text = pick(QStringLiteral("abcXYZ 019,=#[]$-_\t\\é✓"), 1 + random.bounded(12));
        text.replace(QStringLiteral("\\t"), QStringLiteral("/"));
        return text.endsWith(u'\\') ? text + u'x' : text;
    };
    for (int round = 0; round < 300; ++round) {
        ConfigModel model{NewCategories(), {}};
        for (int c = ResolutionCategory; c <= InputCategory; ++c) {
            for (int i = random.bounded(1, 7); i > 0; --i)
                model.categories[c].options.push_back(
                    {name(), pick(QStringLiteral("abc -=,#[]$\t\\té✓"), 20)});
        }
        for (int i = random.bounded(1, 7); i > 0; --i) {
            Profile profile{
                name(), QString(), {random.bounded(-2, 9), random.bounded(-2, 9), random.bounded(-2, 9)}};
            for (int a = random.bounded(4); a > 0; --a)
                profile.arguments += QStringLiteral(" -opt%1").arg(random.bounded(100));
            model.profiles.push_back(profile);
        }
        const QByteArray saved = SaveModel(model);
        const ConfigModel loaded = LoadModel(saved);
        QCOMPARE(ReadConfigBytes(saved).version, CurrentConfigVersion);
        QCOMPARE(Describe(loaded), Describe(model));
        QCOMPARE(SaveModel(loaded), saved);
    }
}

void FormatTest::emulatorArguments()
{
    const QString rows =
        QString::fromUtf8(ReadFile(QStringLiteral(ZELVANE_TEST_DATA "/emulator/arguments.txt")));
    for (const QString &row : rows.split(u'\n', Qt::SkipEmptyParts)) {
        const EmulatorSettings settings =
            ParseEmulatorArguments(row.section(u'|', 1).split(u' ', Qt::SkipEmptyParts));
        QString problems;
        for (const QString &problem : settings.problems)
            problems += u' ' + problem.section(u' ', 0, 1);
        QCOMPARE(QStringLiteral("%1x%2 %3%4 |")
                     .arg(settings.windowSize.width())
                     .arg(settings.windowSize.height())
                     .arg(settings.ppi)
                     .arg(problems),
                 row.section(u'|', 0, 0) + u'|');
    }
}

QTEST_APPLESS_MAIN(FormatTest)
#include "tst_format.moc"
