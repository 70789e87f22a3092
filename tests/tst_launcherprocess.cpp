// The launcher as a program: a later start forwards to the running one, a
// copy at another path runs beside it, and SIGTERM, SIGINT and SIGHUP end it
// in order with the configuration saved.
#include "childprocess.h"
#include "configio.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>

class TestLauncherProcess : public QObject
{
    Q_OBJECT

private slots:
    void copyElsewhereRunsSideBySide();
    void quitSignalSavesConfiguration_data();
    void quitSignalSavesConfiguration();
    void quitSignalDuringStartupWarning();
};

void TestLauncherProcess::copyElsewhereRunsSideBySide()
{
    QTemporaryDir bundle;
    const QString copy = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    QVERIFY(QDir().mkpath(bundle.filePath(QStringLiteral("bin"))));
    QVERIFY(QFile::copy(LauncherPath(), copy));
    QVERIFY(QFile::link(
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources")).canonicalPath(),
        bundle.filePath(QStringLiteral("Resources"))));

    ChildEnvironment env;
    const auto original = StartWindow(env);
    QVERIFY(original);
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);
    const auto other = StartWindow(env, 5000, copy);
    QVERIFY(other);
    QCOMPARE(env.run(copy).exitCode, 0);
    QCOMPARE(original->state(), QProcess::Running);
    QCOMPARE(other->state(), QProcess::Running);
}

void TestLauncherProcess::quitSignalSavesConfiguration_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestLauncherProcess::quitSignalSavesConfiguration()
{
    QFETCH(int, number);
    ChildEnvironment env;
    const auto launcher = StartWindow(env);
    QVERIFY(launcher);
    // The later start builds no window, so it never looks for a file.
    const ChildResult second = env.run(LauncherPath());
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(!second.standardError.contains("GetFileName("), second.standardError.constData());
    QCOMPARE(launcher->state(), QProcess::Running);
    QVERIFY(!QFile::exists(env.userConfigPath()));

    QVERIFY(launcher->signal(number));
    QVERIFY(launcher->waitForFinished(5000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
    const QByteArray shipped = ReadFile(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../Resources/LauncherDefault.ini"));
    QCOMPARE(ReadFile(env.userConfigPath()), SaveModel(LoadModel(shipped)));
    QCOMPARE(env.runtimeEntries(), QStringList()); // lock and socket released
}

void TestLauncherProcess::quitSignalDuringStartupWarning()
{
    ChildEnvironment env;
    const QByteArray outdated = "$VERSION\t102\n[Profile]\n\"Old\"\t\"\"\n";
    QVERIFY(QDir().mkpath(env.dataHome() + QStringLiteral("/Zelvane")));
    WriteFile(env.userConfigPath(), outdated);

    const auto launcher = StartWindow(env);
    QVERIFY(launcher);
    // Acknowledged from the warning's own event loop: the constructor has
    // not returned and main's exec() has not started.
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);
    QCOMPARE(launcher->state(), QProcess::Running);
    QVERIFY(!QFile::exists(env.userConfigPath()));

    QVERIFY(Quit(*launcher));
    QVERIFY(ReadFile(env.userConfigPath()).contains("\n$VERSION\t106\n"));
    QCOMPARE(ReadFile(env.dataHome() + QStringLiteral("/Zelvane/Launcher.102.ini")), outdated);
}

QTEST_GUILESS_MAIN(TestLauncherProcess)
#include "tst_launcherprocess.moc"
