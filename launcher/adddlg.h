#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QPushButton;

enum FieldKind : int { TextField = 0, NumberField = 1 };

// One row of the add dialog. The caller leaves edit null; the dialog sets it
// in its own copy of the rows to the line edit it creates for the row.
struct AddDlgField {
    FieldKind kind;
    QString label;
    QLineEdit *edit = nullptr;
};

// A small modal form: one labelled line edit per row above "OK" and "Cancel".
// "OK" is enabled only while every text row holds some text and every number
// row a whole number from 1 up to the signed 64-bit limit. After exec() the
// caller reads the texts through fields[i].edit.
class AddDlg : public QDialog
{
    Q_OBJECT

public:
    AddDlg(QWidget *parent, const QString &title, const QList<AddDlgField> &rows);

    QList<AddDlgField> fields;
    QPushButton *okButton = nullptr;

public slots:
    void OnTextEdit();
};
