#pragma once

#include "activationtokens.h"

#include <QApplication>
#include <QLocalServer>
#include <QLockFile>
#include <QPointer>
#include <QWidget>

class QDeadlineTimer;
class QLocalSocket;

// A QApplication of which one instance runs per user and executable file.
// The first process to start holds a lock file and listens on a local socket
// beside it, both in the user's private runtime directory; later processes
// find the lock taken and hand a message to the running one instead. Once
// its event loop has returned, the running instance answers that it is
// ending while it still holds the lock on its way out; a later process that
// hears so waits for the lock and takes its place.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv);

    // True when another instance already ran when this one was constructed
    // and this one has not taken its place since.
    bool isRunning() const
    {
        return running;
    }
    // True only when the running instance acknowledged the message, which
    // carries this start's activation tokens along (a text without NUL), within
    // timeout milliseconds. When that instance ends in this time, this one
    // takes its place instead: the result is false and isRunning() false.
    // Each time the running instance answers that it is ending, the timeout
    // starts anew, so only one that neither answers nor ends is given up on.
    // A start that does not take its place ends its startup notification.
    bool sendMessage(const QString &message, int timeout);
    // Messages activate window from now on; the first window set also
    // spends this start's own tokens (SpendStartTokens).
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void Claim();
    void Listen();
    bool HandOver(const QString &message, int timeout);
    char Deliver(const QString &message, const QDeadlineTimer &deadline);
    void OnNewConnection();
    void OnReadyRead(QLocalSocket *socket);

    const QString socketPath;
    QLockFile lockFile;
    QLocalServer server;
    QPointer<QWidget> activationWindow;
    ActivationTokens received; // with the message being handled
    bool running = false;
    bool ending = false; // the event loop has returned
};
