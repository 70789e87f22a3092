#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QDialog;

// What a test saw of a modal dialog.
struct SeenDialog {
    QString className;
    QString title;
    QString text; // a message box's text, an input dialog's label, or a form's labels
    QString informativeText;
    QStringList buttons; // " (off)" after a disabled one
};

// Answers the modal dialogs that the code under test opens, as a user would:
// while it lives, each answer in turn gets the next dialog the launcher runs,
// synchronously. A dialog that finds no answer left is rejected, so a test
// never hangs, and shows up in seen() for the test to complain about. A
// dialog that runs past the answerer (a fault that skips the hook) is
// rejected within half a second, and one an answer left open within a
// second, so such a fault fails a test instead of hanging it.
class ModalAnswerer : public QObject
{
public:
    using Answer = std::function<void(QWidget *dialog)>;

    explicit ModalAnswerer(QList<Answer> answers = {});
    ~ModalAnswerer() override;

    void add(const Answer &answer)
    {
        answers << answer;
    }
    int pending() const
    {
        return int(answers.size());
    }
    const QList<SeenDialog> &seen() const
    {
        return seenDialogs;
    }

private:
    int answer(QDialog &dialog);
    void RejectLeftOpen();

    QList<Answer> answers;
    QList<SeenDialog> seenDialogs;
    QTimer watchdog;
    QPointer<QWidget> answering, openAtLastLook;
};

// Ready-made answers.
ModalAnswerer::Answer ClickButton(const QString &text); // a button by its text, "&" left out
ModalAnswerer::Answer EnterText(const QString &text);   // an input dialog, then OK
ModalAnswerer::Answer Reject();                         // Cancel, Escape or closing the box
