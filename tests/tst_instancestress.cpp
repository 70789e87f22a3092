// The one-launcher-per-user rule under load, with real launcher processes:
// bursts of simultaneous starts, a crash followed at once by a new start, and
// starts waiting on a launcher that does not answer.
#include "childprocess.h"

#include <QtTest>

#include <csignal>
#include <vector>

namespace
{

// Rounds of a scenario: ZELVANE_STRESS_PERCENT lowers them for slow builds,
// such as the one under AddressSanitizer.
int Rounds(int full)
{
    const int percent = qEnvironmentVariableIntValue("ZELVANE_STRESS_PERCENT");
    return percent > 0 && percent < 100 ? qMax(1, full * percent / 100) : full;
}

int CountRunning(const std::vector<std::unique_ptr<ChildProcess>> &processes)
{
    return int(std::count_if(processes.begin(), processes.end(),
                             [](const auto &process) { return process->state() != QProcess::NotRunning; }));
}

} // namespace

class InstanceStressTest : public QObject
{
    Q_OBJECT

private slots:
    void simultaneousStarts();
    void startsAfterCrashes();
    void startsWaitingOnStoppedLauncher();
};

void InstanceStressTest::simultaneousStarts()
{
    ChildEnvironment env;
    const int rounds = Rounds(50);
    for (int round = 0; round < rounds; ++round) {
        const QByteArray where = "round " + QByteArray::number(round);
        std::vector<std::unique_ptr<ChildProcess>> starts;
        for (int i = 0; i < 10; ++i) {
            starts.push_back(env.start(LauncherPath()));
            starts.back()->setReadChannel(QProcess::StandardError);
        }
        const QDeadlineTimer deadline(30000);
        while (CountRunning(starts) > 1 && !deadline.hasExpired())
            QTest::qWait(10);
        QVERIFY2(CountRunning(starts) == 1, where.constData());

        for (const auto &process : starts) {
            if (process->state() != QProcess::NotRunning) {
                QVERIFY2(WaitForLine(*process, UserFileLookup(env), 5000), where.constData());
                QVERIFY2(Quit(*process), where.constData());
                continue;
            }
            // Forwarded to the one with the window: no window of its own.
            QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                     where.constData());
            QVERIFY2(!process->readAllStandardError().contains("GetFileName("), where.constData());
        }
        QVERIFY2(env.runtimeEntries().isEmpty(), where.constData());
    }
    qInfo("%d rounds of 10 simultaneous starts", rounds);
}

void InstanceStressTest::startsAfterCrashes()
{
    ChildEnvironment env;
    auto running = StartWindow(env, 10000);
    QVERIFY(running);
    const int rounds = Rounds(20);
    qint64 slowest = 0;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray where = "round " + QByteArray::number(round);
        QVERIFY(running->signal(SIGKILL));
        QVERIFY(running->waitForFinished(5000));
        QVERIFY2(env.runtimeEntries().size() == 2, "the crash left its lock and socket behind");

        QElapsedTimer clock;
        clock.start();
        running = StartWindow(env, 1000);
        QVERIFY2(running, where.constData());
        slowest = qMax(slowest, clock.elapsed());
        // And it answers the next start.
        QVERIFY2(env.run(LauncherPath()).exitCode == 0, where.constData());
    }
    QVERIFY(Quit(*running));
    qInfo("%d crashes: the slowest new start had its window after %lld ms", rounds, slowest);
}

void InstanceStressTest::startsWaitingOnStoppedLauncher()
{
    ChildEnvironment env;
    const auto stuck = StartWindow(env, 10000);
    QVERIFY(stuck);
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);

    QVERIFY(stuck->signal(SIGSTOP));
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<ChildProcess>> waiting;
    for (int i = 0; i < 5; ++i)
        waiting.push_back(env.start(LauncherPath()));
    std::vector<qint64> ended(waiting.size(), -1);
    while (CountRunning(waiting) > 0 && clock.elapsed() < 15000) {
        QTest::qWait(10);
        for (size_t i = 0; i < waiting.size(); ++i) {
            if (ended[i] < 0 && waiting[i]->state() == QProcess::NotRunning)
                ended[i] = clock.elapsed();
        }
    }
    QVERIFY(stuck->signal(SIGCONT));

    // Each gave up after its five seconds, all at about the same time.
    for (size_t i = 0; i < waiting.size(); ++i) {
        const QByteArray what = "start " + QByteArray::number(qulonglong(i)) + " ended after " +
                                QByteArray::number(ended[i]) + " ms";
        QVERIFY2(ended[i] >= 5000 && ended[i] < 9000, what.constData());
        QCOMPARE(waiting[i]->exitStatus(), QProcess::NormalExit);
        QCOMPARE(waiting[i]->exitCode(), 1);
        QVERIFY(!waiting[i]->readAllStandardError().contains("GetFileName("));
    }
    QCOMPARE(stuck->state(), QProcess::Running);
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);
    QVERIFY(Quit(*stuck));
}

QTEST_GUILESS_MAIN(InstanceStressTest)
#include "tst_instancestress.moc"
