#include "modalanswerer.h"

#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace
{

QString PlainText(QString text)
{
    return text.remove(u'&');
}

SeenDialog Describe(QWidget *dialog)
{
    SeenDialog seen;
    seen.className = QString::fromLatin1(dialog->metaObject()->className());
    seen.title = dialog->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        seen.text = box->text();
        seen.informativeText = box->informativeText();
    } else if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
        seen.text = input->labelText();
    } else if (auto *chooser = qobject_cast<QFileDialog *>(dialog)) { // its buttons are Qt's
        seen.text = QStringLiteral("in ") + chooser->directory().absolutePath();
        return seen;
    } else { // a form: the labels of its rows
        QStringList labels;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            labels << label->text();
        seen.text = labels.join(u' ');
    }
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        seen.buttons << PlainText(button->text()) +
                            (button->isEnabled() ? QString() : QStringLiteral(" (off)"));
    return seen;
}

} // namespace

ModalAnswerer::ModalAnswerer(QList<Answer> answers) : answers(std::move(answers))
{
    SetModalHook([this](QDialog &dialog) { return answer(dialog); });
    connect(&watchdog, &QTimer::timeout, this, &ModalAnswerer::RejectLeftOpen);
    watchdog.start(500);
}

void ModalAnswerer::RejectLeftOpen()
{
    QWidget *open = QApplication::activeModalWidget();
    if (open && (open != answering || open == openAtLastLook)) {
        qWarning("A dialog was left open; rejecting it");
        if (auto *dialog = qobject_cast<QDialog *>(open))
            dialog->reject();
    }
    openAtLastLook = open;
}

ModalAnswerer::~ModalAnswerer()
{
    SetModalHook(nullptr);
}

// The dialog is shown as exec() would show it, then answered at once. An
// answer that leaves it open (to test what else may close it) gets a real
// modal event loop.
int ModalAnswerer::answer(QDialog &dialog)
{
    dialog.show();
    answering = &dialog;
    seenDialogs << Describe(&dialog);
    if (answers.isEmpty())
        dialog.reject();
    else
        answers.takeFirst()(&dialog);
    return dialog.isVisible() ? dialog.exec() : dialog.result();
}

ModalAnswerer::Answer ClickButton(const QString &text)
{
    return [text](QWidget *dialog) {
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (PlainText(button->text()) == text && button->isVisible()) {
                button->click();
                return;
            }
        }
        qWarning("No button \"%s\" in the dialog; rejecting it", qPrintable(text));
        static_cast<QDialog *>(dialog)->reject();
    };
}

ModalAnswerer::Answer EnterText(const QString &text)
{
    return [text](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input) {
            qWarning("Expected an input dialog; rejecting it");
            static_cast<QDialog *>(dialog)->reject();
            return;
        }
        input->setTextValue(text);
        input->accept();
    };
}

ModalAnswerer::Answer Reject()
{
    return [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); };
}
