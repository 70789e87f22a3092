#include "singleapplication.h"

#include "startupnotification.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <limits>

namespace
{

// A message travels as its encoded length in four big-endian bytes followed
// by the encoded text and tokens; the running instance answers it with Ack,
// or, once its event loop has returned and it is on its way out, with Ending.
constexpr char Ack = '\x06';
constexpr char Ending = '\x04';
constexpr char NoAnswer = '\0';

// The socket's path, the lock file's path less ".lock": a short name made
// from the executable's real path alone, so a link or another name (argv[0])
// finds the same instance and a copy elsewhere is another application, in
// the user's private runtime directory. Empty when there is no such
// directory.
QString InstancePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        return QString();
    const QFileInfo executable(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(executable.filePath().toUtf8(), QCryptographicHash::Sha256).toHex();
    return dir + QLatin1Char('/') + executable.fileName() + QLatin1Char('-') +
           QString::fromLatin1(hash.left(16));
}

int Remaining(const QDeadlineTimer &deadline)
{
    return int(qMin<qint64>(deadline.remainingTime(), std::numeric_limits<int>::max()));
}

} // namespace

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv), socketPath(InstancePath()), lockFile(socketPath + QStringLiteral(".lock"))
{
    connect(&server, &QLocalServer::newConnection, this, &SingleApplication::OnNewConnection);
    // Past its event loop the instance activates nothing, not even from a
    // message box shown while it saves, whose window would be gone; it tells
    // later starts that it is ending, and they wait for the lock.
    connect(this, &QCoreApplication::aboutToQuit, this, [this] { ending = true; });
    Claim();
}

void SingleApplication::Claim()
{
    if (socketPath.isEmpty()) {
        qWarning("No runtime directory: running without the single-instance guard");
        return;
    }
    // Only the holder's process decides whether the lock is stale, never the
    // lock's age: a live instance may run for days.
    lockFile.setStaleLockTime(0);
    if (!lockFile.tryLock(0)) {
        running = lockFile.error() == QLockFile::LockFailedError;
        if (!running)
            qWarning("Cannot create %ls: running without the single-instance guard",
                     qUtf16Printable(socketPath));
        return;
    }
    Listen();
}

void SingleApplication::Listen()
{
    QFile::setPermissions(socketPath + QStringLiteral(".lock"), QFile::ReadOwner | QFile::WriteOwner);
    // With access options the server binds in a private folder and renames
    // the socket into place, which replaces any socket at the path, a live
    // one included, so only the lock holder may listen; a socket found here
    // now is a crashed instance's.
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(socketPath))
        qWarning("Cannot listen on %ls: %ls", qUtf16Printable(socketPath),
                 qUtf16Printable(server.errorString()));
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!running)
        return false;
    const bool acknowledged = HandOver(message, timeout);
    // Unless it took the running instance's place, this start shows no
    // window, which would have ended the desktop's startup notification.
    if (running)
        EndStartupNotification(StartTokens().desktopStartupId);
    return acknowledged;
}

bool SingleApplication::HandOver(const QString &message, int timeout)
{
    QDeadlineTimer deadline(timeout);
    while (!deadline.hasExpired()) {
        const char answer = Deliver(message, deadline);
        if (answer == Ack)
            return true;
        // An instance that says it is ending may take minutes over a dialog
        // of its last save; it is waited for as long as it keeps saying so.
        if (answer == Ending)
            deadline.setRemainingTime(timeout);
        // No answer: the running instance is starting, or about to let go
        // of the lock.
        if (lockFile.tryLock(0)) {
            running = false;
            Listen();
            return false;
        }
        QThread::msleep(20);
    }
    return false;
}

// The running instance's answer to the message. NoAnswer at once when
// nobody listens or the connection closes unanswered, and at the deadline
// when the instance takes the message but does not answer.
char SingleApplication::Deliver(const QString &message, const QDeadlineTimer &deadline)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(Remaining(deadline)))
        return NoAnswer;
    const QByteArray text = EncodeMessage(message, StartTokens());
    char length[4];
    qToBigEndian(quint32(text.size()), length);
    socket.write(length, sizeof length);
    socket.write(text);
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(Remaining(deadline)))
            return NoAnswer;
    }
    char answer = NoAnswer;
    socket.getChar(&answer);
    return answer;
}

void SingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    SpendStartTokens(window);
    activationWindow = window;
    disconnect(this, &SingleApplication::messageReceived, this, &SingleApplication::activateWindow);
    if (activateOnMessage)
        connect(this, &SingleApplication::messageReceived, this, &SingleApplication::activateWindow);
}

void SingleApplication::activateWindow()
{
    if (!activationWindow)
        return;
    activationWindow->setWindowState(activationWindow->windowState() & ~Qt::WindowMinimized);
    activationWindow->raise();
    ActivateWindow(activationWindow, received);
}

void SingleApplication::OnNewConnection()
{
    while (QLocalSocket *socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        OnReadyRead(socket);
    }
}

void SingleApplication::OnReadyRead(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket->peek(4).constData());
    if (socket->bytesAvailable() < 4 + qint64(length))
        return;
    socket->skip(4);
    ActivationTokens tokens;
    const QString message = DecodeMessage(socket->read(length), &tokens);
    socket->write(ending ? &Ending : &Ack, 1);
    socket->disconnectFromServer();
    if (ending)
        return;
    // Queued, so whatever the message sets off runs outside this socket's
    // signal and may open dialogs or run event loops of its own.
    QMetaObject::invokeMethod(
        this,
        [this, message, tokens] {
            received = tokens;
            emit messageReceived(message);
            received = {};
        },
        Qt::QueuedConnection);
}
