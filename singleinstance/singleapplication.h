#pragma once

#include <QApplication>
#include <QLocalServer>
#include <QLockFile>
#include <QPointer>
#include <QWidget>

class QLocalSocket;

// A QApplication of which one instance runs per user and executable file.
// The first process to start holds a lock file and listens on a local socket
// beside it, both in the user's private runtime directory; later processes
// find the lock taken and hand a message to the running one instead.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv);

    // True when another instance already ran when this one was constructed.
    bool isRunning() const
    {
        return running;
    }
    // True only when the running instance acknowledged the message within
    // timeout milliseconds.
    bool sendMessage(const QString &message, int timeout);
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void Claim();
    void OnNewConnection();
    void OnReadyRead(QLocalSocket *socket);

    const QString socketPath;
    QLockFile lockFile;
    QLocalServer server;
    QPointer<QWidget> activationWindow;
    bool running = false;
};
