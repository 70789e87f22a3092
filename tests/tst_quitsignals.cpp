// QuitSignals against the event loops and dialogs of one process.
#include "modal.h"
#include "modalanswerer.h"
#include "quitsignals.h"

#include <QMessageBox>
#include <QtTest>

#include <csignal>

namespace
{

const ModalAnswerer::Answer RaiseSigterm = [](QWidget *) { ::raise(SIGTERM); };
const ModalAnswerer::Answer LeaveOpen = [](QWidget *) {};

// Runs the application's event loop; a loop that is not ended within two
// seconds ends with 99.
int ExecWithin2s()
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(2000);
    return QApplication::exec();
}

} // namespace

class TestQuitSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalCancelsQuestionAndEndsLoop();
    void signalBeforeExecIsKept();
    void signalIgnoredAtStartStaysIgnored();
};

void TestQuitSignals::signalCancelsQuestionAndEndsLoop()
{
    QuitSignals quitSignals;
    ModalAnswerer answerer({RaiseSigterm, LeaveOpen});
    int answer = QMessageBox::Yes;
    bool questionStillShown = true;
    bool followUpClosed = false;
    QTimer::singleShot(0, [&] {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Remove"), QStringLiteral("Remove it?"),
                             QMessageBox::Yes | QMessageBox::No);
        answer = RunModal(question);
        questionStillShown = question.isVisible();
        // A dialog that the interrupted code opens next is cancelled too.
        ShowMessage(nullptr, QMessageBox::Information, QStringLiteral("Removed"), QStringLiteral("Done."));
        followUpClosed = true;
    });
    QCOMPARE(ExecWithin2s(), 0);
    QVERIFY(answer != QMessageBox::Yes);
    QVERIFY(!questionStillShown);
    QVERIFY(followUpClosed);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestQuitSignals::signalBeforeExecIsKept()
{
    QuitSignals quitSignals;
    // As a warning shown while the window is built, before main's exec().
    ModalAnswerer answerer({RaiseSigterm});
    ShowMessage(nullptr, QMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Out of date"));
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(ExecWithin2s(), 0);
}

void TestQuitSignals::signalIgnoredAtStartStaysIgnored()
{
    ::signal(SIGHUP, SIG_IGN);
    {
        QuitSignals quitSignals;
        ::raise(SIGHUP);
        QTimer::singleShot(200, [] { QCoreApplication::exit(5); });
        QCOMPARE(QApplication::exec(), 5);
    }
    struct sigaction current = {};
    sigaction(SIGHUP, nullptr, &current);
    QVERIFY(current.sa_handler == SIG_IGN);
    ::signal(SIGHUP, SIG_DFL);
}

QTEST_MAIN(TestQuitSignals)
#include "tst_quitsignals.moc"
