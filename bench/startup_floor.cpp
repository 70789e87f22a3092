// The floor for start-up: the launcher's widget tree with the same texts and
// a few items, but no configuration, no files and no single-instance check.
#include "firstframe.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QGridLayout *OptionRow(const QStringList &items, bool withButtons)
{
    auto *grid = new QGridLayout;
    auto *combo = new QComboBox;
    combo->addItems(items);
    grid->addWidget(combo, 0, 0, 1, -1);
    if (withButtons) {
        grid->addWidget(new QPushButton(QStringLiteral("Add")), 1, 0);
        grid->addWidget(new QPushButton(QStringLiteral("Remove")), 1, 1);
    }
    return grid;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zelvane Emulator"));
    auto *central = new QWidget(&window);
    window.setCentralWidget(central);
    auto *mainLayout = new QVBoxLayout(central);

    auto *group = new QGroupBox(QStringLiteral("Profile"));
    auto *profileLayout = new QHBoxLayout(group);
    auto *profileGrid = new QGridLayout;
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("Default"), QStringLiteral("Phone"), QStringLiteral("Tablet")});
    list->setCurrentRow(0);
    profileGrid->addWidget(list, 0, 0, 1, -1);
    profileGrid->addWidget(new QPushButton(QStringLiteral("Add")), 1, 0);
    profileGrid->addWidget(new QPushButton(QStringLiteral("Remove")), 1, 1);
    profileLayout->addLayout(profileGrid);
    profileLayout->addSpacing(10);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Resolution"), OptionRow({"Emulator default", "WVGA 480x800"}, true));
    form->addRow(QStringLiteral("Pixel Density"), OptionRow({"Emulator default", "High (240 ppi)"}, true));
    form->addRow(QStringLiteral("Input"), OptionRow({"Mouse and keyboard", "Touch screen"}, false));
    form->addRow(QStringLiteral("&Arguments"), new QLineEdit);
    profileLayout->addLayout(form);
    mainLayout->addWidget(group);

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(new QPushButton(QStringLiteral("&Help")), QDialogButtonBox::HelpRole);
    buttons->addButton(new QPushButton(QStringLiteral("&Launch")), QDialogButtonBox::AcceptRole);
    mainLayout->addWidget(buttons);

    ReportFirstFrame(&window);
    window.show();
    return app.exec();
}
