#include "launcher.h"

#include "filelocations.h"
#include "modal.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace
{

// The command-line fragments of the options shown in the window, joined as
// stored: each fragment brings its own leading space. A combo box without a
// current item contributes nothing.
QString SelectedFragments(const std::vector<OptionCategory> &categories)
{
    QString fragments;
    for (size_t category = ResolutionCategory; category < categories.size(); ++category) {
        const OptionCategory &cat = categories[category];
        const int index = cat.combo->currentIndex();
        if (index >= 0 && index < int(cat.options.size()))
            fragments += cat.options[index].value;
    }
    return fragments;
}

} // namespace

void MainWindow::OnHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(GetFileName(HelpFile)));
}

// Starts the emulator with what the window shows, stored or not. The
// command line is one string, split the way a shell-like command is: a
// double-quoted run is one word and """ stands for a literal quote.
void MainWindow::OnLaunch()
{
    const QString commandLine = QLatin1Char('"') + GetFileName(EmulatorBinary) + QStringLiteral("\" ") +
                                SelectedFragments(categories) + QLatin1Char(' ') + argumentsEdit->text();
    const QStringList words = QProcess::splitCommand(commandLine);
    if (!QProcess::startDetached(words.value(0), words.mid(1)))
        ShowMessage(this, QMessageBox::Critical, tr("Zelvane Emulator Launcher"),
                    tr("Failed to start Zelvane Emulator!"));
}
