#pragma once

#include <QMessageBox>

#include <functional>

class QDialog;

// Every modal dialog of the launcher runs through RunModal. Normally that is
// the dialog's own exec(); a test installs a hook instead, which gets the
// fully built dialog, answers it as a user would and returns its result, so
// window tests run synchronously without hunting for the active window.
using ModalHook = std::function<int(QDialog &dialog)>;
void SetModalHook(ModalHook hook);
int RunModal(QDialog &dialog);

// A message box built as QMessageBox's static functions build theirs, run
// through RunModal; the result is the button that closed it.
QMessageBox::StandardButton ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
