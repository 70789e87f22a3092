#include "adddlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

AddDlg::AddDlg(QWidget *parent, const QString &title, const QList<AddDlgField> &rows)
    : QDialog(parent), fields(rows)
{
    setWindowTitle(title);
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout;
    auto *form = new QFormLayout;
    for (AddDlgField &field : fields) {
        field.edit = new QLineEdit;
        if (field.kind == NumberField) {
            field.edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[1-9]+[0-9]*$")), this));
        }
        connect(field.edit, &QLineEdit::textChanged, this, &AddDlg::OnTextEdit);
        form->addRow(field.label, field.edit);
    }
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox;
    okButton = new QPushButton(tr("OK"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    okButton->setEnabled(false);
    layout->addWidget(buttons);
    setLayout(layout);
}

void AddDlg::OnTextEdit()
{
    bool valid = true;
    for (const AddDlgField &field : std::as_const(fields)) {
        const QString text = field.edit->text();
        if (field.kind == TextField) {
            valid = !text.isEmpty();
        } else {
            bool ok = false;
            valid = text.toLong(&ok, 10) >= 1 && ok;
        }
        if (!valid)
            break;
    }
    okButton->setEnabled(valid);
}
