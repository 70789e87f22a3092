#include "translations.h"

#include "filelocations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// Looks for name_<language>.qm in directory, trying the locale's UI
// languages from the most specific ("de_AT", then "de").
void Install(const QLocale &locale, const QString &name, const QString &directory, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(locale, name, QStringLiteral("_"), directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(const QLocale &locale, QObject *owner)
{
    // The texts are written in English: a user who prefers English, and the
    // C locale, need no search through translation files. The list of UI
    // languages always holds at least the locale's own.
    const QLocale::Language preferred = QLocale(locale.uiLanguages().constFirst()).language();
    if (preferred == QLocale::English || preferred == QLocale::C)
        return;
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
    Install(locale, QStringLiteral("zelvane-launcher"), ResourcesDir(QStringLiteral("translations")), owner);
}
