// SingleApplication between real processes, through the helper program. A
// crashed or stuck launcher is tested with the launcher itself in
// tst_instancestress.
#include "childprocess.h"

#include <QtTest>

#include <csignal>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStartsHandTheirMessageOver();
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

    // The lock file and the socket, and nothing else, in the runtime
    // directory, out of reach of other users.
    const QStringList entries = env.runtimeEntries();
    QCOMPARE(entries.size(), 2);
    for (const QString &entry : entries)
        QVERIFY2(IsUserOnly(env.runtimeDir() + QLatin1Char('/') + entry), qPrintable(entry));

    // A stopped instance: the sender gives up after the time it was given.
    QVERIFY(first->signal(SIGSTOP));
    const ChildResult stuck = env.run(HelperPath(), {QStringLiteral("stuck"), QStringLiteral("1500")});
    QVERIFY(first->signal(SIGCONT));
    QCOMPARE(stuck.exitCode, 1);
    QVERIFY2(stuck.elapsed >= 1450 && stuck.elapsed < 4000, qPrintable(QString::number(stuck.elapsed)));

    // Running again, it answers the next start.
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("later")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("message later restored"), 2000));
    QCOMPARE(first->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
