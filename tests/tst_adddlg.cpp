// The add dialog, typed into as a user would.
#include "adddlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class AddDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void okFollowsTheRows();
    void numberRowsTakeOnlyWholeNumbers();
    void execLeavesTheTextsInFields();
};

namespace
{

const QList<AddDlgField> resolutionRows = {{TextField, QStringLiteral("Name:")},
                                           {NumberField, QStringLiteral("Width:")},
                                           {NumberField, QStringLiteral("Height:")}};

} // namespace

void AddDlgTest::okFollowsTheRows()
{
    AddDlg dialog(nullptr, QStringLiteral("Add Resolution"), resolutionRows);
    QVERIFY(!dialog.okButton->isEnabled());
    QTest::keyClicks(dialog.fields[1].edit, QStringLiteral("480"));
    QTest::keyClicks(dialog.fields[2].edit, QStringLiteral("800"));
    QVERIFY(!dialog.okButton->isEnabled());
    QTest::keyClick(dialog.fields[0].edit, Qt::Key_Space); // a blank name is a name
    QVERIFY(dialog.okButton->isEnabled());
    QTest::keyClick(dialog.fields[2].edit, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(dialog.fields[2].edit, Qt::Key_Backspace);
    QVERIFY(!dialog.okButton->isEnabled());
    QTest::keyClicks(dialog.fields[2].edit, QStringLiteral("1"));
    QVERIFY(dialog.okButton->isEnabled());
    QTest::keyClick(dialog.fields[0].edit, Qt::Key_Backspace);
    QVERIFY(!dialog.okButton->isEnabled());
}

void AddDlgTest::numberRowsTakeOnlyWholeNumbers()
{
    AddDlg dialog(nullptr, QStringLiteral("Add Pixel Density"),
                  {{TextField, QStringLiteral("Name:")}, {NumberField, QStringLiteral("Pixel Density:")}});
    QLineEdit *number = dialog.fields[1].edit;
    QTest::keyClicks(dialog.fields[0].edit, QStringLiteral("x"));
    QTest::keyClicks(number, QStringLiteral("0-a 7"));
    QCOMPARE(number->text(), QStringLiteral("7"));
    QTest::keyClicks(number, QStringLiteral("0"));
    QCOMPARE(number->text(), QStringLiteral("70"));
    QVERIFY(dialog.okButton->isEnabled());

    number->clear();
    QTest::keyClicks(number, QStringLiteral("9223372036854775807"));
    QVERIFY(dialog.okButton->isEnabled());
    number->clear();
    QTest::keyClicks(number, QStringLiteral("9223372036854775808"));
    QCOMPARE(number->text(), QStringLiteral("9223372036854775808"));
    QVERIFY(!dialog.okButton->isEnabled());
}

void AddDlgTest::execLeavesTheTextsInFields()
{
    const QList<AddDlgField> rows = resolutionRows;
    AddDlg dialog(nullptr, QStringLiteral("Add Resolution"), rows);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Resolution"));
    for (const AddDlgField &row : rows)
        QCOMPARE(row.edit, nullptr);
    for (int i = 0; i < rows.size(); ++i) {
        QVERIFY(dialog.fields[i].edit && dialog.isAncestorOf(dialog.fields[i].edit));
        QCOMPARE(dialog.fields[i].label, rows[i].label);
    }

    // Typed while exec() runs; a dialog still open afterwards is rejected,
    // so a refused OK fails the test instead of hanging it.
    auto answer = [&dialog](const QStringList &texts, const QString &button) {
        QTimer::singleShot(20, &dialog, [&dialog, texts, button] {
            for (int i = 0; i < texts.size(); ++i)
                QTest::keyClicks(dialog.fields[i].edit, texts[i]);
            for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
                if (b->text() == button)
                    QTest::mouseClick(b, Qt::LeftButton);
            }
            if (dialog.isVisible())
                dialog.done(-1);
        });
    };
    answer({"Wide", "1024", "768"}, QStringLiteral("OK"));
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE((QStringList{dialog.fields[0].edit->text(), dialog.fields[1].edit->text(),
                          dialog.fields[2].edit->text()}),
             QStringList({"Wide", "1024", "768"}));

    answer({}, QStringLiteral("Cancel"));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

QTEST_MAIN(AddDlgTest)
#include "tst_adddlg.moc"
