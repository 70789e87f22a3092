#include "config.h"

std::vector<OptionCategory> NewCategories()
{
    std::vector<OptionCategory> categories(4);
    categories[ProfileCategory].section = QStringLiteral("[Profile]");
    categories[ResolutionCategory].section = QStringLiteral("[Resolution]");
    categories[PixelDensityCategory].section = QStringLiteral("[PixelDensity]");
    categories[InputCategory].section = QStringLiteral("[Input]");
    return categories;
}

QString ProfileText(const std::vector<OptionCategory> &categories, const std::vector<int> &selection,
                    const QString &arguments)
{
    QString text;
    for (int k = ResolutionCategory; k <= InputCategory; ++k)
        text += QStringLiteral("%1 %2 ").arg(categories[k].section).arg(selection[k - 1]);
    return text + arguments.trimmed();
}

QString CategoryLabel(const QString &section, bool lowerCase)
{
    QString label;
    bool afterLowerCase = false;
    for (const QChar c : section) {
        if (c == u'[' || c == u']')
            continue;
        const bool upperCase = c.category() == QChar::Letter_Uppercase;
        if (afterLowerCase && upperCase)
            label += u' ';
        label += (lowerCase && upperCase) ? c.toLower() : c;
        afterLowerCase = c.category() == QChar::Letter_Lowercase;
    }
    return label;
}
