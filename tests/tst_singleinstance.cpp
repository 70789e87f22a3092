// SingleApplication between real processes, through the helper program.
#include "childprocess.h"

#include <QtTest>

#include <csignal>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsHandTheirMessageOver();
    void crashedInstanceIsReplaced();
    void unansweredMessageTimesOut();
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
    QVERIFY(first->signal(SIGKILL));
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

    QVERIFY(first->signal(SIGSTOP));
    const ChildResult stuck = env.run(HelperPath(), {QStringLiteral("stuck"), QStringLiteral("1500")});
    QVERIFY(first->signal(SIGCONT));
    QCOMPARE(stuck.exitCode, 1);
    QVERIFY2(stuck.elapsed >= 1450 && stuck.elapsed < 4000, qPrintable(QString::number(stuck.elapsed)));

    // Running again, it answers the next start.
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("later")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("message later restored"), 2000));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
