#include "emulatorargs.h"

#include <QTest>

class EmulatorArgsTest : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
};

void EmulatorArgsTest::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QStringList>("problemsAbout"); // the switch each problem names, in order

    const QSize defaultSize = DefaultWindowSize;
    const int defaultPpi = DefaultPpi;
    const QStringList none;
    const QStringList size{"-windowsize"};
    const QStringList ppi{"-ppi"};

    QTest::newRow("nothing") << QStringList() << defaultSize << defaultPpi << none;
    QTest::newRow("launcher's switches with other arguments")
        << QStringList{"-windowsize", "320x480", "-ppi", "240", "-foo", "two words"} << QSize(320, 480) << 240
        << none;
    QTest::newRow("unknown arguments only")
        << QStringList{"-touch", "", "x", "-keys"} << defaultSize << defaultPpi << none;
    QTest::newRow("later switch wins")
        << QStringList{"-windowsize", "320x480", "-ppi", "120", "-windowsize", "1280x800", "-ppi", "320"}
        << QSize(1280, 800) << 320 << none;
    QTest::newRow("largest accepted")
        << QStringList{"-windowsize", "8192x8192", "-ppi", "1000"} << QSize(8192, 8192) << 1000 << none;
    QTest::newRow("smallest accepted")
        << QStringList{"-windowsize", "1x1", "-ppi", "1"} << QSize(1, 1) << 1 << none;

    QTest::newRow("size 0x0") << QStringList{"-windowsize", "0x0"} << defaultSize << defaultPpi << size;
    QTest::newRow("size abc") << QStringList{"-windowsize", "abc"} << defaultSize << defaultPpi << size;
    QTest::newRow("size without height")
        << QStringList{"-windowsize", "480x"} << defaultSize << defaultPpi << size;
    QTest::newRow("size with three sides")
        << QStringList{"-windowsize", "4x8x0"} << defaultSize << defaultPpi << size;
    QTest::newRow("size with blanks")
        << QStringList{"-windowsize", " 480x800"} << defaultSize << defaultPpi << size;
    QTest::newRow("negative size") << QStringList{"-windowsize", "-480x800"} << defaultSize << defaultPpi
                                   << size;
    QTest::newRow("size beyond the limit")
        << QStringList{"-windowsize", "8193x100"} << defaultSize << defaultPpi << size;
    QTest::newRow("size beyond int") << QStringList{"-windowsize", "99999999999999999999x1"} << defaultSize
                                     << defaultPpi << size;
    QTest::newRow("size at the end") << QStringList{"-foo", "-windowsize"} << defaultSize << defaultPpi
                                     << size;
    QTest::newRow("bad size after a good one falls back")
        << QStringList{"-windowsize", "320x480", "-windowsize", "abc"} << defaultSize << defaultPpi << size;
    QTest::newRow("switch instead of a size")
        << QStringList{"-windowsize", "-ppi", "240"} << defaultSize << 240 << size;

    QTest::newRow("ppi 0") << QStringList{"-ppi", "0"} << defaultSize << defaultPpi << ppi;
    QTest::newRow("ppi at the end") << QStringList{"-windowsize", "320x480", "-ppi"} << QSize(320, 480)
                                    << defaultPpi << ppi;
    QTest::newRow("ppi with a unit") << QStringList{"-ppi", "240dpi"} << defaultSize << defaultPpi << ppi;
    QTest::newRow("ppi with a sign") << QStringList{"-ppi", "+240"} << defaultSize << defaultPpi << ppi;
    QTest::newRow("ppi beyond the limit") << QStringList{"-ppi", "1001"} << defaultSize << defaultPpi << ppi;
    QTest::newRow("ppi beyond int") << QStringList{"-ppi", "99999999999"} << defaultSize << defaultPpi << ppi;
    QTest::newRow("switch instead of a ppi")
        << QStringList{"-ppi", "-windowsize", "320x480"} << QSize(320, 480) << defaultPpi << ppi;
    QTest::newRow("both malformed") << QStringList{"-ppi", "x", "-windowsize", "0x1"} << defaultSize
                                    << defaultPpi << QStringList{"-ppi", "-windowsize"};
}

void EmulatorArgsTest::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QSize, size);
    QFETCH(int, ppi);
    QFETCH(QStringList, problemsAbout);

    const EmulatorSettings settings = ParseEmulatorArguments(arguments);
    QCOMPARE(settings.windowSize, size);
    QCOMPARE(settings.ppi, ppi);
    QCOMPARE(settings.problems.size(), problemsAbout.size());
    for (int i = 0; i < problemsAbout.size(); ++i)
        QVERIFY2(settings.problems[i].startsWith(problemsAbout[i] + QLatin1Char(' ')),
                 qPrintable(settings.problems[i]));
}

QTEST_APPLESS_MAIN(EmulatorArgsTest)
#include "tst_emulatorargs.moc"
