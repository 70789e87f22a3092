#pragma once

class QLocale;
class QObject;

// Installs the launcher's translation for the locale and Qt's own (the
// standard buttons of message and input dialogs). Each stays installed while
// owner lives. A language without a translation, the C locale and a locale
// whose first language is English leave the English texts as they are.
void InstallTranslations(const QLocale &locale, QObject *owner);
