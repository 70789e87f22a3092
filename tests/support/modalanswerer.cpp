#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
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
    }
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        seen.buttons << PlainText(button->text());
    return seen;
}

} // namespace

ModalAnswerer::ModalAnswerer(QList<Answer> answers) : answers(std::move(answers))
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(5);
}

void ModalAnswerer::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == last || !dialog->isVisible())
        return;
    last = dialog;
    seenDialogs << Describe(dialog);
    if (answers.isEmpty()) {
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        return;
    }
    answers.takeFirst()(dialog);
}

ModalAnswerer::Answer ClickButton(const QString &text)
{
    return [text](QWidget *dialog) {
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (PlainText(button->text()) == text && button->isVisible()) {
                QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
                return;
            }
        }
        qWarning("No button \"%s\" in the dialog; rejecting it", qPrintable(text));
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    };
}

ModalAnswerer::Answer EnterText(const QString &text)
{
    return [text](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input) {
            qWarning("Expected an input dialog; rejecting it");
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        input->setTextValue(text);
        QMetaObject::invokeMethod(input, "accept", Qt::QueuedConnection);
    };
}

ModalAnswerer::Answer Reject()
{
    return [](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); };
}
