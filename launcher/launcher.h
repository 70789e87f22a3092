#pragma once

#include "config.h"
#include "knownfile.h"

#include <QMainWindow>
#include <functional>
#include <vector>

enum class ProfileAction;
class EmulatorChoice;
struct EmulatorEnd;
struct LaunchCommand;
struct LaunchLog;
struct PassedOverFile;
struct RunningEmulator;
class ProfileQListWidget;
class RunningView;
class QFormLayout;
class QGridLayout;
class QLineEdit;
class QPushButton;

// The launcher's only window and the owner of the configuration model. The
// model is read once when the window is built and written back after every
// edit that changes it and once more when the window is destroyed, unless
// the file changed on disk since and every edit is written; every edit
// changes the model first and the widgets second.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Starts the emulator with the command for the named profile, keeps its
    // output in a log, records it as running and tells the user when it
    // ends early.
    void Launch(const LaunchCommand &command, const QString &profileName);

public slots:
    void OnProfileChanged(int index);
    void OnAddUpdateProfile();
    void OnRemoveProfile();
    void OnResolution(int index);
    void OnAddResolution();
    void OnRemoveResolution();
    void OnPixelDensity(int index);
    void OnAddPixelDensity();
    void OnRemovePixelDensity();
    void OnInput();
    void OnTextCtrlEdit();
    void OnHelp();
    void OnLaunch();

private:
    // Configuration: launcher.cpp
    bool LoadConfig();
    void ReportPassedOver(const PassedOverFile &file);
    QString RenameOutdatedConfig(int version);
    void WarnUnreadableUserFile(const QString &path, const QString &reason);
    bool SaveConfig(bool closing = false);
    void ReportOutsideVersionKept(const QString &path, const QString &kept);
    void ReportSaveFailure(const QString &path, const QString &reason, bool closing);
    QString GetProfileText(const Profile &profile) const;
    QString GetCategoryLabel(const OptionCategory &category, bool lowerCase) const;

    // Building the window: launcher.cpp
    QGridLayout *CreateProfileGrid();
    void AddOptionRow(QFormLayout *form, int category);

    // Change tracking: launcher.cpp
    std::vector<int> GetWindowSelection() const;
    QString GetWindowProfileText() const;
    void UpdateAddUpdateButton();
    void EnableRemoveButton(QPushButton *button, int index);

    // Launching: launching.cpp
    LaunchCommand GetWindowLaunchCommand(const QString &program) const;
    void KeepLaunchDescriptionCurrent();
    void UpdateLaunchDescription();
    void RecordLaunch(qint64 pid, const QString &profileName, const LaunchLog &log);
    void OnEmulatorEnded(const RunningEmulator &emulator, const LaunchLog &log, const EmulatorEnd &end);
    void WarnEarlyEnd(const QString &profileName, const LaunchLog &log, const EmulatorEnd &end,
                      const QStringList &lines);

    // Profiles: profileediting.cpp
    void CopyWindowToProfile(Profile &profile);
    QString AskProfileName(const QString &title, const QString &label, QString name = QString(),
                           const std::function<bool(const QString &)> &taken = {});
    int FindProfile(const QString &name) const;

    // The profile list's menu and keys: profileactions.cpp
    void SetUpProfileListActions();
    void ShowProfileMenu(const QPoint &position);
    void RunProfileAction(ProfileAction action, int row);
    bool CanRunProfileAction(ProfileAction action, int row) const;
    LaunchCommand GetProfileLaunchCommand(int row) const;
    void RenameProfile(int row);
    void DuplicateProfile(int row);
    void MoveProfile(int row, int to);
    void SelectRowKeepingChoices(int row);

    // Options: optionediting.cpp
    bool RemoveOption(int category);

    std::vector<Profile> profiles;
    std::vector<OptionCategory> categories;
    KnownFile userFile;              // what the user's file held when last read or written
    bool userFileUnreadable = false; // it exists but could not be read: it is left alone
    bool editUnsaved = false;        // the last edit's write failed: the close writes it
    ProfileQListWidget *profileList = nullptr;
    QPushButton *addUpdateButton = nullptr;
    QPushButton *removeProfileButton = nullptr;
    QLineEdit *argumentsEdit = nullptr;
    QPushButton *removeResolutionButton = nullptr;
    QPushButton *removePixelDensityButton = nullptr;
    QPushButton *launchButton = nullptr;
    EmulatorChoice *emulatorChoice = nullptr;
    RunningView *runningView = nullptr;
};
