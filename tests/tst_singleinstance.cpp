// SingleApplication between real processes, through the helper program.
#include "childprocess.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <vector>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsHandTheirMessageOver();
    void crashedInstanceIsReplaced();
    void unansweredMessageTimesOut();
    void simultaneousStartsElectOne();
};

void TestSingleInstance::laterStartsHandTheirMessageOver()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));

    QCOMPARE(env.run(HelperPath(), {QStringLiteral("hello wörld")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("message hello wörld restored"), 2000));
    QCOMPARE(env.run(HelperPath(), {QString()}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("message  restored"), 2000));
    QCOMPARE(first->state(), QProcess::Running);

    // The lock file and the socket, and nothing else, in the runtime
    // directory, out of reach of other users.
    const QStringList entries = env.runtimeEntries();
    QCOMPARE(entries.size(), 2);
    for (const QString &entry : entries)
        QVERIFY2(IsUserOnly(env.runtimeDir() + QLatin1Char('/') + entry), qPrintable(entry));
}

void TestSingleInstance::crashedInstanceIsReplaced()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    ::kill(pid_t(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(5000));
    QCOMPARE(env.runtimeEntries().size(), 2); // the crash left lock and socket behind

    const auto next = env.start(HelperPath());
    QVERIFY(WaitForLine(*next, QStringLiteral("primary"), 1000));
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("again")}).exitCode, 0);
    QVERIFY(WaitForLine(*next, QStringLiteral("message again restored"), 2000));
}

void TestSingleInstance::unansweredMessageTimesOut()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    const pid_t pid = pid_t(first->processId());

    ::kill(pid, SIGSTOP);
    const ChildResult stuck = env.run(HelperPath(), {QStringLiteral("stuck"), QStringLiteral("1500")});
    ::kill(pid, SIGCONT);
    QCOMPARE(stuck.exitCode, 1);
    QVERIFY2(stuck.elapsed >= 1450 && stuck.elapsed < 4000, qPrintable(QString::number(stuck.elapsed)));

    // Running again, it answers the next start.
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("later")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("message later restored"), 2000));
}

void TestSingleInstance::simultaneousStartsElectOne()
{
    ChildEnvironment env;
    std::vector<std::unique_ptr<ChildProcess>> starts;
    for (int i = 0; i < 10; ++i)
        starts.push_back(env.start(HelperPath(), {QString::number(i)}));

    const QDeadlineTimer deadline(10000);
    auto running = [&] {
        return std::count_if(starts.begin(), starts.end(),
                             [](const auto &p) { return p->state() != QProcess::NotRunning; });
    };
    while (running() > 1 && !deadline.hasExpired())
        QTest::qWait(20);
    QTest::qWait(200);
    QCOMPARE(running(), 1);

    int primary = -1;
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        if (starts[i]->state() != QProcess::NotRunning) {
            primary = i;
            continue;
        }
        QCOMPARE(starts[i]->exitStatus(), QProcess::NormalExit);
        QCOMPARE(starts[i]->exitCode(), 0);
        expected << QStringLiteral("message %1 restored").arg(i);
    }
    ChildProcess &instance = *starts[primary];
    QVERIFY(WaitForLine(instance, QStringLiteral("primary"), 1000));
    QStringList received;
    while (received.size() < expected.size() && (instance.canReadLine() || instance.waitForReadyRead(2000))) {
        while (instance.canReadLine())
            received << QString::fromUtf8(instance.readLine()).chopped(1);
    }
    received.sort();
    expected.sort();
    QCOMPARE(received, expected);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
