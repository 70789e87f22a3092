// What the stand-in emulator makes of its arguments. Each line of
// data/emulator/arguments.txt: the window size, the ppi and the switches of
// the problems reported, in order, then "|" and the arguments.
#include "emulatorargs.h"
#include "testenvironment.h"

#include <QTest>

class EmulatorTest : public QObject
{
    Q_OBJECT

private slots:
    void arguments();
};

void EmulatorTest::arguments()
{
    const QString rows =
        QString::fromUtf8(ReadFile(QStringLiteral(ZELVANE_TEST_DATA "/emulator/arguments.txt")));
    for (const QString &row : rows.split(u'\n', Qt::SkipEmptyParts)) {
        const EmulatorSettings settings =
            ParseEmulatorArguments(row.section(u'|', 1).split(u' ', Qt::SkipEmptyParts));
        QString problems;
        for (const QString &problem : settings.problems)
            problems += u' ' + problem.section(u' ', 0, 0);
        QCOMPARE(QStringLiteral("%1x%2 %3%4 |")
                     .arg(settings.windowSize.width())
                     .arg(settings.windowSize.height())
                     .arg(settings.ppi)
                     .arg(problems),
                 row.section(u'|', 0, 0) + u'|');
    }
}

QTEST_APPLESS_MAIN(EmulatorTest)
#include "tst_emulator.moc"
