// The widget-free rules behind the window's edits: how profiles follow the
// removal of an option, and which typed text Launcher.ini keeps as typed.
#include "configio.h"
#include "optionremoval.h"
#include "storabletext.h"

#include <QRegularExpression>
#include <QTest>

class EditingRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void renumbering();
    void optionUsers();
    void storableNames();
    void storableArguments();
};

namespace
{

Profile MakeProfile(const QString &name, int resolution, int pixelDensity, const QString &arguments)
{
    Profile profile;
    profile.name = name;
    profile.arguments = arguments;
    profile.selection = {resolution, pixelDensity, 0};
    return profile;
}

// The profile as a saved Launcher.ini gives it back.
Profile RoundTrip(const Profile &profile)
{
    ConfigModel model;
    model.profiles = {profile};
    return LoadModel(SaveModel(model)).profiles.at(0);
}

// What loading makes of typed arguments that survive: one space before each word.
QString LoadedForm(const QString &arguments)
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QString loaded;
    for (const QString &word : arguments.split(whiteSpace, Qt::SkipEmptyParts))
        loaded += u' ' + word;
    return loaded;
}

} // namespace

void EditingRulesTest::renumbering()
{
    const QString removed = QStringLiteral(" -windowsize 480x800");
    std::vector<Profile> profiles = {
        MakeProfile("empty", 2, 2, QString()),
        MakeProfile("blank", 2, 0, QStringLiteral("  ")),
        MakeProfile("filled", 2, 1, QStringLiteral(" -x")),
        MakeProfile("above", 3, 2, QStringLiteral("-a")),
        MakeProfile("below", 1, 3, QString()),
        MakeProfile("zero", 0, 2, QString()),
        MakeProfile("negative", -1, 2, QString()),
        MakeProfile("outOfRange", 99, 2, QString()),
    };
    RenumberForRemovedOption(profiles, ResolutionCategory, 2, removed);

    const QList<std::pair<int, QString>> expected = {
        {0, removed},
        {0, QStringLiteral("    -windowsize 480x800")},
        {0, QStringLiteral(" -x  -windowsize 480x800")},
        {2, QStringLiteral("-a")},
        {1, QString()},
        {0, QString()},
        {-1, QString()},
        {98, QString()},
    };
    for (size_t i = 0; i < profiles.size(); ++i) {
        QCOMPARE(profiles[i].selection[0], expected[i].first);
        QCOMPARE(profiles[i].arguments, expected[i].second);
    }
    // Only the category of the removed option moves.
    QCOMPARE(profiles[0].selection[1], 2);
    QCOMPARE(profiles[3].selection[1], 2);

    RenumberForRemovedOption(profiles, PixelDensityCategory, 2, QStringLiteral(" -ppi 240"));
    QCOMPARE(profiles[0].selection, std::vector<int>({0, 0, 0}));
    QCOMPARE(profiles[0].arguments, removed + QStringLiteral("  -ppi 240"));
    QCOMPARE(profiles[4].selection, std::vector<int>({1, 2, 0}));
}

void EditingRulesTest::optionUsers()
{
    const std::vector<Profile> profiles = {MakeProfile("Base", 1, 2, QString()),
                                           MakeProfile("Phone", 2, 1, QString()),
                                           MakeProfile("Tab", 1, 1, QString())};
    QCOMPARE(OptionUsers(profiles, ResolutionCategory, 1), QStringLiteral("Base\nTab\n"));
    QCOMPARE(OptionUsers(profiles, PixelDensityCategory, 1), QStringLiteral("Phone\nTab\n"));
    QCOMPARE(OptionUsers(profiles, ResolutionCategory, 3), QString());
}

// A name is accepted exactly when a saved file gives it back unchanged.
void EditingRulesTest::storableNames()
{
    const QStringList names = {"Phone", " spaced ", "tab\there", "back\\slash", "C:\\temp", "say \"hi\"",
                               "end\"", "a\\tb",    "\\t",       "two\nlines",  "cr\rhere", "nul\u0001"};
    for (const QString &name : names) {
        UnstorableText problem;
        const bool accepted = CanStoreName(name, &problem);
        QCOMPARE(accepted, RoundTrip(MakeProfile(name, 0, 0, QString())).name == name);
    }
}

// Arguments are accepted exactly when a saved file gives back the same
// choices and the same words.
void EditingRulesTest::storableArguments()
{
    const std::vector<OptionCategory> categories = NewCategories();
    const QStringList argumentsList = {
        "",      "  ",        " -a  -b\t-c ",    "[Profile] 1",           "-x[Input]", "-title \"My phone\"",
        "-a \"", "[Input] 2", "-k [Resolution]", "-k\u3000[PixelDensity]"};
    for (const QString &arguments : argumentsList + QStringList({"-a\n-b", "-a\r-b"})) {
        UnstorableText problem;
        const bool accepted = CanStoreArguments(arguments, categories, &problem);
        const Profile profile = MakeProfile("p", 1, 2, arguments);
        const Profile loaded = RoundTrip(profile);
        const bool keeps = loaded.selection == profile.selection && loaded.arguments == LoadedForm(arguments);
        QCOMPARE(accepted, keeps);
    }
}

QTEST_MAIN(EditingRulesTest)
#include "tst_editingrules.moc"
