#include "runningview.h"

#include "filelocations.h"
#include "modal.h"
#include "profilelistwidget.h"
#include "runningwatch.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

#include <csignal>

namespace
{

QString Since(const QDateTime &started)
{
    const QLocale locale;
    return started.date() == QDate::currentDate() ? locale.toString(started.time(), QLocale::ShortFormat)
                                                  : locale.toString(started, QLocale::ShortFormat);
}

// A play sign in the list's text colour, drawn rather than taken from the
// style, whose icons are images to decode: start-up with emulators running
// stays as quick as without.
QIcon RunningIcon(const QAbstractItemView *list)
{
    const int size = list->iconSize().height();
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(list->palette().color(QPalette::Text));
    const double margin = size / 5.0;
    painter.drawPolygon(QPolygonF{{margin, margin}, {size - margin, size / 2.0}, {margin, size - margin}});
    return QIcon(pixmap);
}

} // namespace

RunningView::RunningView(QMainWindow *window, ProfileQListWidget *profileList,
                         const std::vector<Profile> &profiles)
    : QObject(window), window(window), profileList(profileList), profiles(profiles),
      runningWatch(new RunningWatch(RunningEmulatorFolder(), this))
{
    connect(runningWatch, &RunningWatch::Changed, this, &RunningView::Show);
    // The running icon no taller than the text, so rows keep their height.
    const int textHeight = profileList->fontMetrics().height();
    profileList->setIconSize(QSize(textHeight, textHeight));
    Show();
}

// Each row tells in words, for the eye and for screen readers, whether its
// profile's emulator runs; the icon beside the name says it at a glance.
// The status bar appears with the first emulator that runs.
void RunningView::Show()
{
    const std::vector<RunningEmulator> &running = runningWatch->Running();
    const QIcon icon = running.empty() ? QIcon() : RunningIcon(profileList);
    for (int row = 0; row < profileList->count(); ++row) {
        QListWidgetItem *item = profileList->item(row);
        const auto first = std::find_if(running.begin(), running.end(), [&](const RunningEmulator &emulator) {
            return emulator.profileName == profiles[row].name;
        });
        const int count = Count(profiles[row].name);
        if (count == 0 && item->toolTip().isEmpty())
            continue;
        const QString description =
            count == 0 ? QString()
            : count == 1
                ? tr("Running since %1").arg(Since(first->started))
                : tr("Running: %n emulators, the first since %1", nullptr, count).arg(Since(first->started));
        item->setIcon(count ? icon : QIcon());
        item->setToolTip(description);
        item->setData(Qt::AccessibleDescriptionRole, description);
    }
    if (running.empty() && !runningLabel)
        return;
    if (!runningLabel) {
        runningLabel = new QLabel;
        runningLabel->setObjectName(QStringLiteral("runningLabel"));
        window->statusBar()->addWidget(runningLabel);
    }
    // Qt words no plural without a translation, so English has its singular here.
    const int count = int(running.size());
    runningLabel->setText(count == 1 ? tr("1 emulator running") : tr("%n emulators running", nullptr, count));
    window->statusBar()->setVisible(!running.empty());
}

void RunningView::Refresh()
{
    runningWatch->Refresh();
}

int RunningView::Count(const QString &profileName) const
{
    const std::vector<RunningEmulator> &running = runningWatch->Running();
    return int(std::count_if(running.begin(), running.end(), [&](const RunningEmulator &emulator) {
        return emulator.profileName == profileName;
    }));
}

void RunningView::Stop(const QString &profileName)
{
    std::vector<RunningEmulator> stopping;
    for (const RunningEmulator &emulator : runningWatch->Running()) {
        if (emulator.profileName == profileName && SignalRunningEmulator(emulator, SIGTERM)) {
            stopping.push_back(emulator);
            stopAsked << emulator.pid;
        }
    }
    QTimer::singleShot(RunningWatch::stopGraceMilliseconds, this,
                       [this, stopping] { OfferToEndAtOnce(stopping); });
}

bool RunningView::TakeStopAsked(qint64 pid)
{
    return stopAsked.removeAll(pid) > 0;
}

void RunningView::OfferToEndAtOnce(const std::vector<RunningEmulator> &stopping)
{
    for (const RunningEmulator &emulator : stopping) {
        if (!SignalRunningEmulator(emulator, 0)) // it has ended
            continue;
        QMessageBox box(
            QMessageBox::Question, tr("Zelvane Emulator Launcher"),
            tr("The emulator with the profile \"%1\" (process %2) has not ended 5 seconds after it "
               "was asked to stop.")
                .arg(emulator.profileName)
                .arg(emulator.pid),
            QMessageBox::NoButton, window);
        box.setTextFormat(Qt::PlainText);
        box.setAccessibleName(box.windowTitle());
        box.setAccessibleDescription(box.text());
        box.setInformativeText(tr("Ending it at once loses whatever it has not saved."));
        QPushButton *endNow = box.addButton(tr("End &Now"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(endNow);
        RunModal(box);
        if (box.clickedButton() == endNow)
            SignalRunningEmulator(emulator, SIGKILL);
    }
}
