#include "storabletext.h"

#include "configformat.h"

#include <QStringList>

namespace
{

// The first LF or CR in text; empty when there is none.
QString FirstLineBreak(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r')
            return c;
    }
    return QString();
}

bool Refuse(UnstorableReason reason, const QString &value, UnstorableText *problem)
{
    *problem = {reason, value};
    return false;
}

} // namespace

bool CanStoreName(const QString &name, UnstorableText *problem)
{
    if (name.contains(u'"'))
        return Refuse(UnstorableReason::DoubleQuote, QStringLiteral("\""), problem);
    if (name.contains(QLatin1String("\\t")))
        return Refuse(UnstorableReason::BackslashT, QStringLiteral("\\t"), problem);
    if (const QString lineBreak = FirstLineBreak(name); !lineBreak.isEmpty())
        return Refuse(UnstorableReason::LineBreak, lineBreak, problem);
    return true;
}

bool CanStoreArguments(const QString &arguments, const std::vector<OptionCategory> &categories,
                       UnstorableText *problem)
{
    if (arguments.contains(u'"'))
        return Refuse(UnstorableReason::DoubleQuote, QStringLiteral("\""), problem);
    if (const QString lineBreak = FirstLineBreak(arguments); !lineBreak.isEmpty())
        return Refuse(UnstorableReason::LineBreak, lineBreak, problem);
    // A word equal to a section header would be read back as an option choice.
    const QStringList words = SplitAtWhiteSpace(arguments);
    for (int k = ResolutionCategory; k <= InputCategory; ++k) {
        if (words.contains(categories[k].section))
            return Refuse(UnstorableReason::SectionHeader, categories[k].section, problem);
    }
    return true;
}
