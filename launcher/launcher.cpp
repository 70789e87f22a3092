#include "launcher.h"

#include "configfile.h"
#include "configmessages.h"
#include "emulatorchoice.h"
#include "filelocations.h"
#include "menubar.h"
#include "modal.h"
#include "profilelistwidget.h"
#include "quitsignals.h"
#include "runningview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace
{

// The warning about an out-of-date user file, which never claims a move that
// did not happen.
QString OutdatedUserConfigText(const QString &path, const QString &backup)
{
    if (backup.isEmpty())
        return MainWindow::tr("Your Launcher.ini configuration file is out of date and will not be used. It "
                              "could not be renamed and is still at %1.")
            .arg(path);
    return MainWindow::tr("Your Launcher.ini configuration file is out of date and will not be used. It has "
                          "been renamed to %1 to make place for a new configuration file.")
        .arg(backup);
}

// config/ derives a category's label in English from its section header and
// the window words it in the user's language; these are the labels it gives
// in messages, listed for lupdate.
[[maybe_unused]] const char *const categoryLabels[] = {QT_TRANSLATE_NOOP("MainWindow", "resolution"),
                                                       QT_TRANSLATE_NOOP("MainWindow", "pixel density")};

// The option rows' labels, by category, each with an access key of its own
// in every language.
const char *const optionRowLabels[] = {nullptr, QT_TRANSLATE_NOOP("MainWindow", "&Resolution"),
                                       QT_TRANSLATE_NOOP("MainWindow", "Pixel &Density"),
                                       QT_TRANSLATE_NOOP("MainWindow", "&Input")};

// Sends the focus to target on source's access key. A group box's own key
// goes back to whichever of its controls last had the focus; the profile
// group's title labels the list, so its key goes to the list.
class FocusOnAccessKey : public QObject
{
public:
    FocusOnAccessKey(QWidget *source, QWidget *target) : QObject(source), target(target)
    {
        source->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        target->setFocus(Qt::ShortcutFocusReason);
        return true;
    }

private:
    QWidget *target;
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Zelvane Emulator"));
    if (!LoadConfig()) {
        QMessageBox box(QMessageBox::Critical, tr("Zelvane Emulator"),
                        tr("Unable to start Zelvane Emulator Launcher"));
        box.setInformativeText(tr("Unable to read configuration file."));
        RunModal(box);
        std::exit(1);
    }

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *mainLayout = new QVBoxLayout;

    auto *profileBox = new QGroupBox(tr("&Profile"));
    mainLayout->addWidget(profileBox, 0);
    auto *profileLayout = new QHBoxLayout;
    profileBox->setLayout(profileLayout);
    profileLayout->addLayout(CreateProfileGrid(), 0);
    new FocusOnAccessKey(profileBox, profileList);

    auto *form = new QFormLayout;
    for (int category = ResolutionCategory; category <= InputCategory; ++category)
        AddOptionRow(form, category);
    argumentsEdit = new QLineEdit;
    argumentsEdit->setObjectName(QStringLiteral("argumentsEdit"));
    argumentsEdit->setAccessibleName(tr("Arguments"));
    connect(argumentsEdit, &QLineEdit::textChanged, this, &MainWindow::OnTextCtrlEdit);
    // Launch is drawn as the default button, and Return in the field keeps that promise.
    connect(argumentsEdit, &QLineEdit::returnPressed, this, &MainWindow::OnLaunch);
    form->addRow(tr("&Arguments"), argumentsEdit);
    profileLayout->addSpacing(10);
    profileLayout->addLayout(form, 0);

    // Load profile 0 into the controls; the option Remove buttons start
    // disabled whatever option profile 0 selects.
    OnProfileChanged(0);
    OnResolution(0);
    OnPixelDensity(0);

    auto *helpButton = new QPushButton(tr("&Help"));
    helpButton->setObjectName(QStringLiteral("helpButton"));
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::OnHelp);
    launchButton = new QPushButton(tr("&Launch"));
    launchButton->setObjectName(QStringLiteral("launchButton"));
    connect(launchButton, &QPushButton::clicked, this, &MainWindow::OnLaunch);
    KeepLaunchDescriptionCurrent();
    emulatorChoice = new EmulatorChoice(this);
    connect(emulatorChoice, &EmulatorChoice::Changed, this, &MainWindow::UpdateLaunchDescription);
    CreateMenuBar(this, emulatorChoice);
    runningView = new RunningView(this, profileList, profiles);
    auto *buttonBox = new QDialogButtonBox;
    buttonBox->addButton(helpButton, QDialogButtonBox::HelpRole);
    buttonBox->addButton(launchButton, QDialogButtonBox::AcceptRole);
    mainLayout->addWidget(buttonBox, 0);
    // The box hands its focus on to Launch, and so Tab from Arguments would
    // pass over Help; without that, Tab takes its buttons in reading order.
    buttonBox->setFocusProxy(nullptr);

    central->setLayout(mainLayout);
}

MainWindow::~MainWindow()
{
    SaveConfig(true);
}

QGridLayout *MainWindow::CreateProfileGrid()
{
    auto *grid = new QGridLayout;
    profileList = new ProfileQListWidget;
    profileList->setObjectName(QStringLiteral("profileList"));
    profileList->setAccessibleName(tr("Profiles"));
    QStringList names;
    for (const Profile &profile : profiles)
        names << profile.name;
    profileList->insertItems(0, names);
    profileList->setCurrentRow(0);
    // Connected only now, so filling the list runs no slot.
    connect(profileList, &QListWidget::currentRowChanged, this, &MainWindow::OnProfileChanged);
    SetUpProfileListActions();
    grid->addWidget(profileList, 0, 0, 1, -1);

    addUpdateButton = new QPushButton(tr("Update"));
    addUpdateButton->setObjectName(QStringLiteral("addUpdateButton"));
    // Wide enough for either text, so the window keeps its size when the
    // button changes from one to the other.
    const int updateWidth = addUpdateButton->sizeHint().width();
    addUpdateButton->setText(tr("Add"));
    addUpdateButton->setMinimumWidth(std::max(updateWidth, addUpdateButton->sizeHint().width()));
    connect(addUpdateButton, &QPushButton::clicked, this, &MainWindow::OnAddUpdateProfile);
    removeProfileButton = new QPushButton(tr("Remove"));
    removeProfileButton->setAccessibleName(tr("Remove profile"));
    removeProfileButton->setObjectName(QStringLiteral("removeProfileButton"));
    connect(removeProfileButton, &QPushButton::clicked, this, &MainWindow::OnRemoveProfile);
    grid->addWidget(addUpdateButton, 1, 0);
    grid->addWidget(removeProfileButton, 1, 1);
    return grid;
}

void MainWindow::AddOptionRow(QFormLayout *form, int category)
{
    OptionCategory &cat = categories[category];
    auto *grid = new QGridLayout;
    // Object names such as "resolutionCombo" and "addPixelDensityButton" let
    // tests and style sheets find the widgets of a row.
    const QString name = CategoryLabel(cat.section, false).remove(u' ');
    auto *combo = new QComboBox;
    combo->setObjectName(name.at(0).toLower() + name.mid(1) + QStringLiteral("Combo"));
    cat.combo = combo;
    QStringList names;
    for (const Option &option : cat.options)
        names << option.name;
    combo->insertItems(0, names);
    grid->addWidget(combo, 0, 0, 1, -1);

    // The buttons' accessible names say which list they change, since every
    // row has its own "Add" and "Remove".
    auto addRemoveButtons = [this, grid, name](void (MainWindow::*onAdd)(), const QString &addName,
                                               void (MainWindow::*onRemove)(), const QString &removeName) {
        auto *addButton = new QPushButton(tr("Add"));
        addButton->setObjectName(QStringLiteral("add%1Button").arg(name));
        addButton->setAccessibleName(addName);
        connect(addButton, &QPushButton::clicked, this, onAdd);
        auto *removeButton = new QPushButton(tr("Remove"));
        removeButton->setObjectName(QStringLiteral("remove%1Button").arg(name));
        removeButton->setAccessibleName(removeName);
        connect(removeButton, &QPushButton::clicked, this, onRemove);
        grid->addWidget(addButton, 1, 0);
        grid->addWidget(removeButton, 1, 1);
        return removeButton;
    };
    switch (category) {
    case ResolutionCategory:
        connect(combo, &QComboBox::currentIndexChanged, this, &MainWindow::OnResolution);
        removeResolutionButton = addRemoveButtons(&MainWindow::OnAddResolution, tr("Add resolution"),
                                                  &MainWindow::OnRemoveResolution, tr("Remove resolution"));
        break;
    case PixelDensityCategory:
        connect(combo, &QComboBox::currentIndexChanged, this, &MainWindow::OnPixelDensity);
        removePixelDensityButton =
            addRemoveButtons(&MainWindow::OnAddPixelDensity, tr("Add pixel density"),
                             &MainWindow::OnRemovePixelDensity, tr("Remove pixel density"));
        break;
    default:
        connect(combo, &QComboBox::currentIndexChanged, this, &MainWindow::OnInput);
        break;
    }
    combo->setCurrentIndex(0);
    // A row whose field is a layout gets no buddy from the form, so the label
    // is made here and tied to the combo box for screen readers.
    auto *label = new QLabel(tr(optionRowLabels[category]));
    label->setBuddy(combo);
    form->addRow(label, grid);
}

bool MainWindow::LoadConfig()
{
    ConfigText config;
    QByteArray bytes;
    const ConfigSource source = ChooseConfigFile(
        GetFileName(UserConfig), [] { return GetFileName(DefaultConfig); },
        [this](const PassedOverFile &file) { ReportPassedOver(file); }, &config, &bytes);
    if (source == ConfigSource::None)
        return false;
    if (source == ConfigSource::UserFile)
        userFile.Remember(bytes);
    categories = std::move(config.categories);
    profiles = CompleteModel(categories);
    return true;
}

// Tells the user of a file that could not be used, except of a missing one:
// a missing user file is the first start, and a missing default file the
// fatal message that follows.
void MainWindow::ReportPassedOver(const PassedOverFile &file)
{
    const QString title = tr("Zelvane Emulator Launcher Warning");
    if (file.why == PassedOverFile::Outdated && file.isDefault)
        ShowMessage(this, QMessageBox::Warning, title, tr("Config file is out of date"));
    else if (file.why == PassedOverFile::Outdated)
        ShowMessage(this, QMessageBox::Warning, title,
                    OutdatedUserConfigText(file.path, RenameOutdatedConfig(file.version)));
    else if (file.why == PassedOverFile::Unreadable && !file.isDefault)
        WarnUnreadableUserFile(file.path, file.reason);
}

// A user file that exists but cannot be read is left as it is for the whole
// run: it was never loaded, so replacing it would lose what it holds.
void MainWindow::WarnUnreadableUserFile(const QString &path, const QString &reason)
{
    userFileUnreadable = true;
    ShowMessage(this, QMessageBox::Warning, tr("Zelvane Emulator Launcher Warning"),
                tr("Your Launcher.ini configuration file %1 cannot be read: %2.\n\nThe launcher shows the "
                   "shipped profiles instead and leaves the file as it is, so changes made in this session "
                   "are not saved.")
                    .arg(path, reason));
}

// Moves the out-of-date user file aside and returns where it went, or an
// empty string when it could not be moved. An earlier backup of the same
// version is never overwritten: the next free name is used instead.
QString MainWindow::RenameOutdatedConfig(int version)
{
    const QString backup = FreeBackupPath(GetFileName(UserConfig), QString::number(version));
    if (!QFile::rename(GetFileName(UserConfig), backup))
        return QString();
    return backup;
}

// Writes the model to the user's file after every edit that changes it, and
// once more when the window closes. An edit wins over a file changed outside
// the launcher, which is kept aside; at the close, with every edit written,
// the launcher has nothing to add, and a file changed since is left as it
// stands for the next start to read.
bool MainWindow::SaveConfig(bool closing)
{
    if (categories.size() < 4)
        return false;
    const QString path = GetFileName(UserConfig);
    if (userFileUnreadable) {
        // The user heard at start-up that the file is left as it is.
        if (closing)
            qWarning().noquote() << "Unable to save the configuration to" << path << ":"
                                 << SaveFailureReason({SaveFailure::ExistingFileUnreadable, path, QString()});
        return false;
    }
    StageProfiles(categories, profiles);
    QString kept;
    SaveError error;
    const KnownFile::Outside outside =
        closing && !editUnsaved ? KnownFile::Outside::Leave : KnownFile::Outside::Keep;
    const bool saved = userFile.Write(path, ConfigFileBytes(categories), outside, &kept, &error);
    editUnsaved = !saved;
    if (!kept.isEmpty())
        ReportOutsideVersionKept(path, kept);
    if (!saved)
        ReportSaveFailure(path, SaveFailureReason(error), closing);
    return saved;
}

void MainWindow::ReportOutsideVersionKept(const QString &path, const QString &kept)
{
    qWarning().noquote() << "The configuration file" << path
                         << "was changed outside the launcher; that version was kept as" << kept;
    // A launcher being ended by a signal does not wait for an answer.
    if (QuitSignals::Received())
        return;
    ShowMessage(this, QMessageBox::Warning, tr("Zelvane Emulator Launcher Warning"),
                tr("Your Launcher.ini configuration file was changed outside the launcher while it was "
                   "running. That version has been kept as %1, and the launcher saves its own profiles in "
                   "Launcher.ini.")
                    .arg(kept));
}

void MainWindow::ReportSaveFailure(const QString &path, const QString &reason, bool closing)
{
    qWarning().noquote() << "Unable to save the configuration to" << path << ":" << reason;
    const QString text =
        closing
            ? tr("Unable to save the configuration to %1.\n\n%2\n\n"
                 "The changes made in this session are lost; "
                 "the file on disk was left as it was.")
            : tr("Unable to save the configuration to %1.\n\n%2\n\nThe change stays in the window, and the "
                 "launcher tries again with the next change and when it closes; the file on disk was "
                 "left as it was.");
    ShowMessage(this, QMessageBox::Critical, tr("Zelvane Emulator Launcher"), text.arg(path, reason));
}

QString MainWindow::GetProfileText(const Profile &profile) const
{
    return ProfileText(categories, profile.selection, profile.arguments);
}

QString MainWindow::GetCategoryLabel(const OptionCategory &category, bool lowerCase) const
{
    return tr(CategoryLabel(category.section, lowerCase).toUtf8().constData());
}

std::vector<int> MainWindow::GetWindowSelection() const
{
    std::vector<int> selection;
    for (int category = ResolutionCategory; category <= InputCategory; ++category)
        selection.push_back(categories[category].combo->currentIndex());
    return selection;
}

QString MainWindow::GetWindowProfileText() const
{
    return ProfileText(categories, GetWindowSelection(), argumentsEdit->text());
}

void MainWindow::UpdateAddUpdateButton()
{
    const int row = profileList->currentRow();
    addUpdateButton->setText(row == 0 ? tr("Add") : tr("Update"));
    addUpdateButton->setAccessibleName(row == 0 ? tr("Add profile") : tr("Update profile"));
    addUpdateButton->setEnabled(row >= 0 && GetWindowProfileText() != GetProfileText(profiles[row]));
}

void MainWindow::EnableRemoveButton(QPushButton *button, int index)
{
    if (button)
        button->setEnabled(index != 0);
    UpdateAddUpdateButton();
}

void MainWindow::OnProfileChanged(int index)
{
    if (index < 0) // no current profile
        return;
    const Profile &profile = profiles[index];
    for (size_t category = ResolutionCategory; category < categories.size(); ++category)
        categories[category].combo->setCurrentIndex(profile.selection[category - 1]);
    argumentsEdit->setText(profile.arguments);
    EnableRemoveButton(removeProfileButton, index);
}

void MainWindow::OnResolution(int index)
{
    EnableRemoveButton(removeResolutionButton, index);
}

void MainWindow::OnPixelDensity(int index)
{
    EnableRemoveButton(removePixelDensityButton, index);
}

void MainWindow::OnInput()
{
    UpdateAddUpdateButton();
}

void MainWindow::OnTextCtrlEdit()
{
    UpdateAddUpdateButton();
}
