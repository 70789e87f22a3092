// The Launcher.ini format on its own: reading every line class, profile
// texts, defaults, the exact bytes written, and load/save round trips.
#include "configio.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

namespace
{

ConfigText Read(const QByteArray &bytes)
{
    return ReadConfigBytes(bytes);
}

// Each option as "name|value", to compare a whole category at once.
QStringList Entries(const std::vector<Option> &options)
{
    QStringList entries;
    for (const Option &option : options)
        entries << option.name + u'|' + option.value;
    return entries;
}

QStringList Entries(const QByteArray &bytes, CategoryIndex category)
{
    return Entries(Read(bytes).categories[category].options);
}

// Each profile as "name|selection|arguments".
QStringList Profiles(const std::vector<Profile> &profiles)
{
    QStringList described;
    for (const Profile &profile : profiles) {
        QStringList selection;
        for (int index : profile.selection)
            selection << QString::number(index);
        described << profile.name + u'|' + selection.join(u',') + u'|' + profile.arguments;
    }
    return described;
}

QByteArray InSection(const QByteArray &section, const QByteArray &lines)
{
    return "$VERSION\t106\n" + section + "\n" + lines;
}

Profile ParseText(const QString &text)
{
    return ParseProfile(QStringLiteral("P"), text, NewCategories());
}

std::vector<int> Selection(int a, int b, int c)
{
    return {a, b, c};
}

} // namespace

class ConfigFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void profileTextAndLabels();
    void lineClasses();
    void versionLines_data();
    void versionLines();
    void acceptedVersions();
    void entrySplitting();
    void profileTexts_data();
    void profileTexts();
    void defaultsFilledIn();
    void qtReadingFacts();
    void exactBytesWritten();
    void roundTripOfGeneratedModels();
    void hostileInputLoadsLinearly();
};

void ConfigFormatTest::profileTextAndLabels()
{
    const auto categories = NewCategories();
    QCOMPARE(ProfileText(categories, Selection(0, 0, 0), QString()),
             QStringLiteral("[Resolution] 0 [PixelDensity] 0 [Input] 0 "));
    QCOMPARE(ProfileText(categories, Selection(2, 0, 1), QStringLiteral("  -foo  -bar \t")),
             QStringLiteral("[Resolution] 2 [PixelDensity] 0 [Input] 1 -foo  -bar"));
    QCOMPARE(ProfileText(categories, Selection(-1, 0, 99), QStringLiteral(" ")),
             QStringLiteral("[Resolution] -1 [PixelDensity] 0 [Input] 99 "));
    // Blanks at the ends do not count as a change, blanks inside do.
    QCOMPARE(ProfileText(categories, Selection(1, 1, 1), QStringLiteral(" -a -b ")),
             ProfileText(categories, Selection(1, 1, 1), QStringLiteral("-a -b")));
    QVERIFY(ProfileText(categories, Selection(1, 1, 1), QStringLiteral("-a  -b")) !=
            ProfileText(categories, Selection(1, 1, 1), QStringLiteral("-a -b")));

    QCOMPARE(CategoryLabel(QStringLiteral("[PixelDensity]"), false), QStringLiteral("Pixel Density"));
    QCOMPARE(CategoryLabel(QStringLiteral("[PixelDensity]"), true), QStringLiteral("pixel density"));
    QCOMPARE(CategoryLabel(QStringLiteral("[Resolution]"), true), QStringLiteral("resolution"));
    QCOMPARE(CategoryLabel(QStringLiteral("[Input]"), false), QStringLiteral("Input"));
    QCOMPARE(CategoryLabel(QStringLiteral("[aBC]"), false), QStringLiteral("a BC"));
    QCOMPARE(CategoryLabel(QStringLiteral("[a1B]"), false), QStringLiteral("a1B"));
    QCOMPARE(CategoryLabel(QStringLiteral("a[]B"), false), QStringLiteral("a B"));
    QCOMPARE(CategoryLabel(QString(), true), QString());
}

void ConfigFormatTest::lineClasses()
{
    const ConfigText config = Read("ignored before any section\n"
                                   "# a comment\n"
                                   "[Input]\n"
                                   "# comment inside\n"
                                   " # indented, so an entry\n"
                                   "   \n"
                                   "[Other]\n"
                                   "$version 106\n"
                                   "plain line, no quotes\n"
                                   "\n"
                                   "[Resolution] rest of the header is ignored\n"
                                   "\"A\"\t\"1\"\n"
                                   "$VERSION=105\n"
                                   "[Input],\n"
                                   "\"last input\"\t\"\"\n"
                                   "[Resolution]\n"
                                   "\"B\"\t\"2\"\n"
                                   "[Resolutionx]\n");
    QCOMPARE(config.version, 105);
    QCOMPARE(Entries(config.categories[InputCategory].options),
             QStringList({" # indented, so an entry|", "   |", "[Other]|", "$version 106|",
                          "plain line, no quotes|", "last input|"}));
    QCOMPARE(Entries(config.categories[ResolutionCategory].options),
             QStringList({"A|1", "B|2", "[Resolutionx]|"}));
    QVERIFY(config.categories[ProfileCategory].options.empty());
}

void ConfigFormatTest::versionLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("version");
    QTest::newRow("none") << QByteArray("[Input]\n\"a\"\n") << 0;
    QTest::newRow("tab") << QByteArray("$VERSION\t106\n") << 106;
    QTest::newRow("blanks and equals") << QByteArray("$VERSION = 104\n") << 104;
    QTest::newRow("comma") << QByteArray("$VERSION,103\n") << 103;
    QTest::newRow("first number wins") << QByteArray("$VERSION x 104 105\n") << 104;
    QTest::newRow("sign") << QByteArray("$VERSION -7\n") << -7;
    QTest::newRow("no number keeps earlier") << QByteArray("$VERSION 104\n$VERSION abc\n") << 104;
    QTest::newRow("later overrides") << QByteArray("$VERSION 104\n[Input]\n$VERSION 106\n") << 106;
    QTest::newRow("lower case keyword") << QByteArray("$version 106\n") << 0;
    QTest::newRow("keyword glued to number") << QByteArray("$VERSION106\n") << 0;
    QTest::newRow("wider than int") << QByteArray("$VERSION 4294967402 105\n") << 105;
}

void ConfigFormatTest::versionLines()
{
    QFETCH(QByteArray, file);
    QFETCH(int, version);
    QCOMPARE(Read(file).version, version);
}

void ConfigFormatTest::acceptedVersions()
{
    for (int version : {103, 104, 105, 106})
        QVERIFY2(IsSupportedConfigVersion(version), qPrintable(QString::number(version)));
    for (int version : {0, -1, 1, 102, 107, 1000})
        QVERIFY2(!IsSupportedConfigVersion(version), qPrintable(QString::number(version)));
}

void ConfigFormatTest::entrySplitting()
{
    // An empty name is not possible: "" "" gives a TAB; blanks before the
    // first quote end up in the name.
    QCOMPARE(Entries(InSection("[Resolution]", "\"Big\"\t\"  -windowsize 9x9  \"\n"
                                               "\"Empty value\"\t\"\"\n"
                                               "\"No separator\"\"ignored\"\n"
                                               "\"\"\t\"empty name\"\n"
                                               "\"\"\"\"\n"
                                               "  \"lead\" \"value\" \"extra\"\n"
                                               "\"Tab\\tescape\"\t\"keeps\\tvalue\"\n"
                                               "\"Tab\traw\"\t\"x\"\n"),
                     ResolutionCategory),
             QStringList({"Big|  -windowsize 9x9  ", "Empty value|", "No separator|", "\t|", "  | ",
                          "Tab\tescape|keeps\\tvalue", "Tab\traw|x"}));
}

void ConfigFormatTest::profileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<int>("density");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("arguments");
    QTest::newRow("canonical") << "[Resolution] 2 [PixelDensity] 0 [Input] 1 -foo  -bar" << 2 << 0 << 1
                               << " -foo -bar";
    QTest::newRow("missing marker") << "[Resolution] 2 [Input] 1 -foo" << 2 << 0 << 1 << " -foo";
    QTest::newRow("marker among arguments") << "-a [PixelDensity] 3 -b" << 0 << 3 << 0 << " -a -b";
    QTest::newRow("bad number") << "[Resolution] abc -x" << 0 << 0 << 0 << " abc -x";
    QTest::newRow("marker then marker") << "[Resolution] [Input] 2" << 0 << 0 << 2 << "";
    QTest::newRow("last wins") << "[Resolution] 1 [Resolution] 4" << 4 << 0 << 0 << "";
    QTest::newRow("profile is an argument") << "[Profile]" << 0 << 0 << 0 << " [Profile]";
    QTest::newRow("out of range kept") << "[Input] 99 [Resolution] -1" << -1 << 0 << 99 << "";
    QTest::newRow("trailing marker dropped") << "-x [Input]" << 0 << 0 << 0 << " -x";
    QTest::newRow("tabs and unicode blanks") << "\t-a\t\t-b\u00a0\u2003-c  " << 0 << 0 << 0 << " -a -b -c";
    QTest::newRow("signed and padded numbers") << "[Resolution] +3 [Input] 007" << 3 << 0 << 7 << "";
    QTest::newRow("number wider than int") << "[Resolution] 4294967296" << 0 << 0 << 0 << " 4294967296";
    QTest::newRow("case matters") << "[resolution] 2" << 0 << 0 << 0 << " [resolution] 2";
}

void ConfigFormatTest::profileTexts()
{
    QFETCH(QString, text);
    const Profile profile = ParseText(text);
    QFETCH(int, resolution);
    QFETCH(int, density);
    QFETCH(int, input);
    QFETCH(QString, arguments);
    QCOMPARE(profile.selection, Selection(resolution, density, input));
    QCOMPARE(profile.arguments, arguments);
    QCOMPARE(profile.name, QStringLiteral("P"));
}

void ConfigFormatTest::defaultsFilledIn()
{
    const ConfigModel onlyVersion = LoadModel("$VERSION\t106\n");
    QCOMPARE(onlyVersion.version, 106);
    QCOMPARE(onlyVersion.categories.size(), size_t(4));
    // The [Profile] entries have become the profiles.
    QVERIFY(onlyVersion.categories[ProfileCategory].options.empty());
    for (int c = ResolutionCategory; c <= InputCategory; ++c)
        QCOMPARE(Entries(onlyVersion.categories[c].options), QStringList({"Default|"}));
    QCOMPARE(Profiles(onlyVersion.profiles), QStringList({"Default|0,0,0|"}));

    // Two profiles of the same name stay two profiles, in file order.
    QCOMPARE(
        Profiles(LoadModel(InSection("[Profile]", "\"Twin\"\t\"[Input] 1\"\n\"Twin\"\t\"-x\"\n")).profiles),
        QStringList({"Twin|0,0,1|", "Twin|0,0,0| -x"}));
}

void ConfigFormatTest::qtReadingFacts()
{
    // Text mode drops every CR, also a lone one, which is therefore no line end.
    QCOMPARE(Entries("$VERSION 106\r\n[Input]\r\n\"a\"\t\"b\"\r\n\"c\r\"\t\"d\"\r\n", InputCategory),
             QStringList({"a|b", "c|d"}));
    QCOMPARE(Entries("[Input]\n\"x\"\r\"y\"\n", InputCategory), QStringList({"x|"}));

    // toLong accepts a sign and surrounding white space other than the separators.
    QCOMPARE(Read("$VERSION\t+104\n").version, 104);
    QCOMPARE(Read("$VERSION\t\v105\f\n").version, 105);
    QCOMPARE(ParseText(QStringLiteral("[Input] -0")).selection, Selection(0, 0, 0));

    // Invalid UTF-8 and NUL bytes are text like any other.
    const auto odd =
        Read(QByteArray("[Input]\n\"a\xff\xfe\"\t\"\0v\"\n", 17)).categories[InputCategory].options;
    QCOMPARE(odd.size(), size_t(1));
    QCOMPARE(odd[0].value, QString(QChar(0)) + u'v');
}

void ConfigFormatTest::exactBytesWritten()
{
    ConfigModel model =
        LoadModel(InSection("[Resolution]", "\"R0\"\t\"\"\n\"R\tone\"\t\" -windowsize 480x800\"\n"
                                            "[Profile]\n\"Default\"\t\"[Resolution] 1 -foo\"\n"
                                            "\"Bare\"\t\"\"\n"));
    QCOMPARE(SaveModel(model),
             SavedFileHeader + QByteArray("[Profile]\n"
                                          "\"Default\"\t\"[Resolution] 1 [PixelDensity] 0 [Input] 0 -foo\"\n"
                                          "\"Bare\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 \"\n"
                                          "\n"
                                          "[Resolution]\n"
                                          "\"R0\"\t\"\"\n"
                                          "\"R\tone\"\t\" -windowsize 480x800\"\n"
                                          "\n"
                                          "[PixelDensity]\n"
                                          "\"Default\"\t\"\"\n"
                                          "\n"
                                          "[Input]\n"
                                          "\"Default\"\t\"\"\n"
                                          "\n"));
    // Non-ASCII goes out as UTF-8 without a byte-order mark.
    model.profiles[0].name = QStringLiteral("Tést ✓");
    const QByteArray bytes = SaveModel(model);
    QVERIFY(bytes.startsWith(SavedFileHeader));
    QVERIFY(bytes.contains("\"T\xc3\xa9st \xe2\x9c\x93\"\t"));
}

void ConfigFormatTest::roundTripOfGeneratedModels()
{
    // Text the format can carry: no double quotes, no backslash before t, no
    // white space at the ends of arguments, single spaces between them.
    QRandomGenerator random(20261206);
    const QString nameAlphabet = QStringLiteral("abcXYZ 019,=#[]$-_\t\\é✓");
    const QString valueAlphabet = QStringLiteral("abc -=,#[]$\t\\té✓");
    auto pick = [&](const QString &alphabet, int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(int(alphabet.size()))];
        return text;
    };
    auto name = [&] {
        QString text =
            pick(nameAlphabet, 1 + random.bounded(12)).replace(QStringLiteral("\\t"), QStringLiteral("/"));
        return text.endsWith(u'\\') ? text + u'x' : text;
    };
    for (int round = 0; round < 300; ++round) {
        ConfigModel model;
        for (int c = ResolutionCategory; c <= InputCategory; ++c) {
            const int count = 1 + random.bounded(6);
            for (int i = 0; i < count; ++i)
                model.categories[c].options.push_back({name(), pick(valueAlphabet, random.bounded(20))});
        }
        const int profileCount = 1 + random.bounded(6);
        for (int i = 0; i < profileCount; ++i) {
            Profile profile;
            profile.name = name();
            for (int &index : profile.selection)
                index = random.bounded(-2, 9);
            for (int a = random.bounded(4); a > 0; --a)
                profile.arguments += u' ' + QStringLiteral("-opt%1").arg(random.bounded(100));
            model.profiles.push_back(profile);
        }

        const QByteArray saved = SaveModel(model);
        const ConfigModel loaded = LoadModel(saved);
        QCOMPARE(loaded.version, CurrentConfigVersion);
        QCOMPARE(Profiles(loaded.profiles), Profiles(model.profiles));
        for (int c = ResolutionCategory; c <= InputCategory; ++c)
            QCOMPARE(Entries(loaded.categories[c].options), Entries(model.categories[c].options));
        QCOMPARE(SaveModel(loaded), saved);
    }
}

void ConfigFormatTest::hostileInputLoadsLinearly()
{
    // A megabyte in one line, a megabyte of separators, a megabyte of
    // profile tokens and of quotes: each loads at once, and to the rules.
    const QByteArray oneLine = "[Input]\n\"" + QByteArray(1 << 20, 'n') + "\"\t\"v\"\n";
    const QByteArray separators = "$VERSION" + QByteArray(1 << 20, ',') + "106\n";
    const QByteArray tokens = "[Profile]\n\"P\"\t\"" + QByteArray("[Input] 1 -x ").repeated(80000) + "\"\n";
    const QByteArray quotes = "[Input]\n" + QByteArray(1 << 20, '"') + "\n\"a\"\n";
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(LoadModel(oneLine).categories[InputCategory].options[0].name.size(), qsizetype(1 << 20));
    QCOMPARE(LoadModel(separators).version, 106);
    const ConfigModel many = LoadModel(tokens);
    QCOMPARE(many.profiles[0].selection, Selection(0, 0, 1));
    QCOMPARE(many.profiles[0].arguments.size(), qsizetype(3 * 80000));
    QCOMPARE(LoadModel(quotes).categories[InputCategory].options.size(), size_t(1));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
}

QTEST_APPLESS_MAIN(ConfigFormatTest)
#include "tst_configformat.moc"
