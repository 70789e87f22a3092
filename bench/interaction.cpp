// With many profiles: the time from a click on a profile row, or a key typed
// into the arguments field, to the updated buttons and a settled window.
//   interaction <profiles> <rounds>   prints "switch <ns>" and "type <ns>" lines
#include "configformat.h"
#include "launcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace
{

void WriteProfiles(const QString &path, int count)
{
    std::vector<OptionCategory> categories = NewCategories();
    for (int c = ResolutionCategory; c <= InputCategory; ++c)
        for (int i = 0; i < 3; ++i)
            categories[c].options.push_back(
                {QStringLiteral("Option %1").arg(i), QStringLiteral(" -o%1").arg(i)});
    std::vector<Profile> profiles;
    for (int i = 0; i < count; ++i) {
        Profile profile;
        profile.name = QStringLiteral("Profile %1").arg(i);
        profile.selection = {i % 3, (i / 3) % 3, (i / 9) % 3};
        profile.arguments = QStringLiteral(" -n %1").arg(i);
        profiles.push_back(profile);
    }
    StageProfiles(categories, profiles);
    SaveError error;
    if (!SaveConfigFile(path, ConfigFileBytes(categories), &error))
        qFatal("Cannot save %s: %s", qPrintable(error.path), qPrintable(error.systemReason));
}

// Runs one user action and waits until the window has nothing left to do.
qint64 TimeAction(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int profiles = argc > 1 ? atoi(argv[1]) : 10000;
    const int rounds = argc > 2 ? atoi(argv[2]) : 20;
    WriteProfiles(data.path() + QStringLiteral("/Zelvane/Launcher.ini"), profiles);

    auto *window = new MainWindow;
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("The window was not shown");
    auto *list = window->findChild<QListWidget *>(QStringLiteral("profileList"));
    auto *arguments = window->findChild<QLineEdit *>(QStringLiteral("argumentsEdit"));

    QRandomGenerator random(7);
    for (int round = 0; round < rounds; ++round) {
        // Every other switch goes to the base profile, which relabels the
        // Add/Update button and so asks the layout again.
        const int row = round % 2 ? 0 : random.bounded(1, profiles);
        list->scrollToItem(list->item(row));
        QCoreApplication::processEvents();
        const QPoint where = list->visualItemRect(list->item(row)).center();
        std::printf("switch %lld\n", static_cast<long long>(TimeAction([&] {
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
                    })));
        if (list->currentRow() != row)
            qFatal("The click did not select row %d", row);
        std::printf("type %lld\n",
                    static_cast<long long>(TimeAction([&] { QTest::keyClick(arguments, Qt::Key_X); })));
    }
    std::fflush(stdout);
    _exit(0); // skip saving the model
}
