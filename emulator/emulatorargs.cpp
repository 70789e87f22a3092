#include "emulatorargs.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace
{

// The translation context of the problems' texts.
struct EmulatorArgs {
    Q_DECLARE_TR_FUNCTIONS(EmulatorArgs)
};

const QString WindowSizeSwitch = QStringLiteral("-windowsize");
const QString PpiSwitch = QStringLiteral("-ppi");

// A switch directly followed by another switch has no value: the second
// switch is read as a switch of its own.
bool TakeValue(const QStringList &arguments, int &i, QString *value)
{
    const int next = i + 1;
    if (next >= arguments.size() || arguments[next] == WindowSizeSwitch || arguments[next] == PpiSwitch)
        return false;
    *value = arguments[next];
    i = next;
    return true;
}

// Plain decimal digits from 1 up to max; too many digits fail the conversion.
bool ToNumber(const QString &text, int max, int *number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    bool ok = false;
    *number = text.toInt(&ok);
    return digits.match(text).hasMatch() && ok && *number >= 1 && *number <= max;
}

bool ParseWindowSize(const QString &text, QSize *size)
{
    const QStringList sides = text.split(u'x');
    int width = 0;
    int height = 0;
    if (sides.size() != 2 || !ToNumber(sides[0], MaxWindowSide, &width) ||
        !ToNumber(sides[1], MaxWindowSide, &height))
        return false;
    *size = QSize(width, height);
    return true;
}

// Each problem is one sentence with the default the stand-in uses instead.
void ReadWindowSize(const QStringList &arguments, int &i, EmulatorSettings &settings)
{
    const QString width = QString::number(DefaultWindowSize.width());
    const QString height = QString::number(DefaultWindowSize.height());
    QString value;
    if (!TakeValue(arguments, i, &value)) {
        settings.windowSize = DefaultWindowSize;
        settings.problems << EmulatorArgs::tr(
                                 "-windowsize is missing its size, such as 480x800; using %1x%2.")
                                 .arg(width, height);
    } else if (!ParseWindowSize(value, &settings.windowSize)) {
        settings.windowSize = DefaultWindowSize;
        settings.problems << EmulatorArgs::tr("-windowsize \"%1\" is not a size WIDTHxHEIGHT with each side "
                                              "from 1 to %2; using %3x%4.")
                                 .arg(value, QString::number(MaxWindowSide), width, height);
    }
}

void ReadPpi(const QStringList &arguments, int &i, EmulatorSettings &settings)
{
    const QString fallback = QString::number(DefaultPpi);
    QString value;
    if (!TakeValue(arguments, i, &value)) {
        settings.ppi = DefaultPpi;
        settings.problems << EmulatorArgs::tr("-ppi is missing its pixel density, such as 240; using %1 ppi.")
                                 .arg(fallback);
    } else if (!ToNumber(value, MaxPpi, &settings.ppi)) {
        settings.ppi = DefaultPpi;
        settings.problems << EmulatorArgs::tr(
                                 "-ppi \"%1\" is not a pixel density from 1 to %2; using %3 ppi.")
                                 .arg(value, QString::number(MaxPpi), fallback);
    }
}

} // namespace

EmulatorSettings ParseEmulatorArguments(const QStringList &arguments)
{
    EmulatorSettings settings;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == WindowSizeSwitch)
            ReadWindowSize(arguments, i, settings);
        else if (arguments[i] == PpiSwitch)
            ReadPpi(arguments, i, settings);
    }
    return settings;
}
