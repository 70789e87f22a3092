// The launcher as a program: one running instance per user and executable,
// and an orderly end, configuration saved, on SIGTERM, SIGINT and SIGHUP.
#include "childprocess.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <vector>

namespace
{

// A later start, run to its end. It exits 0 once the running launcher has
// acknowledged its message, which needs the running launcher's event loop.
ChildResult StartAgain(const ChildEnvironment &env, const QString &program = LauncherPath())
{
    return env.run(program);
}

// Starts a launcher and waits until it builds its window: by then it is the
// running instance.
std::unique_ptr<ChildProcess> StartFirst(const ChildEnvironment &env, const QString &program = LauncherPath())
{
    auto launcher = env.start(program);
    launcher->setReadChannel(QProcess::StandardError);
    const QString lookup = QStringLiteral("GetFileName( 0 ): result= \"%1\" ").arg(env.userConfigPath());
    return WaitForLine(*launcher, lookup, 5000) ? std::move(launcher) : nullptr;
}

} // namespace

class TestLauncherProcess : public QObject
{
    Q_OBJECT

private slots:
    void secondStartForwardsAndWritesNothing();
    void crashedLauncherIsReplacedAtOnce();
    void stoppedLauncherMakesSecondStartFail();
    void copyElsewhereRunsSideBySide();
    void simultaneousStartsLeaveOneLauncher();
    void quitSignalSavesConfiguration_data();
    void quitSignalSavesConfiguration();
    void quitSignalDuringStartupWarning();
};

void TestLauncherProcess::secondStartForwardsAndWritesNothing()
{
    ChildEnvironment env;
    const auto first = StartFirst(env);
    QVERIFY(first);
    for (int i = 0; i < 2; ++i) {
        const ChildResult second = StartAgain(env);
        QCOMPARE(second.exitCode, 0);
        // No window: the forwarding start never looked for a configuration.
        QVERIFY2(!second.standardError.contains("GetFileName("), second.standardError.constData());
    }
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(!QFile::exists(env.userConfigPath()));

    QVERIFY(first->signal(SIGTERM));
    QVERIFY(first->waitForFinished(5000));
    QCOMPARE(first->exitCode(), 0);
    QVERIFY(QFile::exists(env.userConfigPath()));
    QCOMPARE(env.runtimeEntries(), QStringList()); // lock and socket released
}

void TestLauncherProcess::crashedLauncherIsReplacedAtOnce()
{
    ChildEnvironment env;
    const auto first = StartFirst(env);
    QVERIFY(first);
    QCOMPARE(StartAgain(env).exitCode, 0);
    QVERIFY(first->signal(SIGKILL));
    QVERIFY(first->waitForFinished(5000));

    QElapsedTimer clock;
    clock.start();
    // Building its window: it took over the stale lock without waiting.
    const auto next = StartFirst(env);
    QVERIFY(next);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(StartAgain(env).exitCode, 0);
    QCOMPARE(next->state(), QProcess::Running);
}

void TestLauncherProcess::stoppedLauncherMakesSecondStartFail()
{
    ChildEnvironment env;
    const auto first = StartFirst(env);
    QVERIFY(first);
    QCOMPARE(StartAgain(env).exitCode, 0);

    QVERIFY(first->signal(SIGSTOP));
    const ChildResult second = StartAgain(env);
    QVERIFY(first->signal(SIGCONT));
    QCOMPARE(second.exitCode, 1);
    QVERIFY2(second.elapsed >= 4950 && second.elapsed < 8000, qPrintable(QString::number(second.elapsed)));
    QVERIFY(!second.standardError.contains("GetFileName("));
}

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
    const auto original = StartFirst(env);
    QVERIFY(original);
    QCOMPARE(StartAgain(env).exitCode, 0);
    const auto other = StartFirst(env, copy);
    QVERIFY(other);
    QCOMPARE(StartAgain(env, copy).exitCode, 0);
    QCOMPARE(original->state(), QProcess::Running);
    QCOMPARE(other->state(), QProcess::Running);
}

void TestLauncherProcess::simultaneousStartsLeaveOneLauncher()
{
    ChildEnvironment env;
    std::vector<std::unique_ptr<ChildProcess>> starts;
    for (int i = 0; i < 10; ++i)
        starts.push_back(env.start(LauncherPath()));
    auto running = [&] {
        return std::count_if(starts.begin(), starts.end(),
                             [](const auto &process) { return process->state() != QProcess::NotRunning; });
    };
    const QDeadlineTimer deadline(15000);
    while (running() > 1 && !deadline.hasExpired())
        QTest::qWait(20);
    QTest::qWait(300);
    QCOMPARE(running(), 1);
    for (const auto &process : starts) {
        if (process->state() == QProcess::NotRunning) {
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }
    }
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
    const auto launcher = StartFirst(env);
    QVERIFY(launcher);
    QCOMPARE(StartAgain(env).exitCode, 0);
    QVERIFY(!QFile::exists(env.userConfigPath()));

    QVERIFY(launcher->signal(number));
    QVERIFY(launcher->waitForFinished(5000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
    const QByteArray saved = ReadFile(env.userConfigPath());
    QVERIFY(saved.startsWith("# A configuration out for the Zelvane Launcher.\n"));
    QVERIFY(saved.contains("\n$VERSION\t106\n"));
    QVERIFY(saved.contains("\n[Input]\n"));
}

void TestLauncherProcess::quitSignalDuringStartupWarning()
{
    ChildEnvironment env;
    const QByteArray outdated = "$VERSION\t102\n[Profile]\n\"Old\"\t\"\"\n";
    QVERIFY(QDir().mkpath(env.dataHome() + QStringLiteral("/Zelvane")));
    WriteFile(env.userConfigPath(), outdated);

    const auto launcher = StartFirst(env);
    QVERIFY(launcher);
    // Acknowledged from the warning's own event loop: the constructor has
    // not returned and main's exec() has not started.
    QCOMPARE(StartAgain(env).exitCode, 0);
    QCOMPARE(launcher->state(), QProcess::Running);
    QVERIFY(!QFile::exists(env.userConfigPath()));

    QVERIFY(launcher->signal(SIGTERM));
    QVERIFY(launcher->waitForFinished(5000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
    QVERIFY(ReadFile(env.userConfigPath()).contains("\n$VERSION\t106\n"));
    QCOMPARE(ReadFile(env.dataHome() + QStringLiteral("/Zelvane/Launcher.102.ini")), outdated);
}

QTEST_GUILESS_MAIN(TestLauncherProcess)
#include "tst_launcherprocess.moc"
