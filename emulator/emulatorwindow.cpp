#include "emulatorwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace
{

QLabel *WrappedLabel(const QString &text)
{
    auto *label = new QLabel(text);
    // The texts quote arguments and paths, which may look like markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel *HeadingLabel()
{
    auto *heading = new QLabel(EmulatorWindow::tr("Zelvane emulator stand-in"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    return heading;
}

QLabel *ProblemsLabel(const QStringList &problems)
{
    auto *label = WrappedLabel(problems.join(QLatin1Char('\n')));
    label->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    return label;
}

// One row per argument, exactly as received, in a fixed-width font so that
// spaces inside an argument can be counted.
QListWidget *ArgumentList(const QStringList &arguments)
{
    auto *list = new QListWidget;
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->addItems(arguments);
    return list;
}

} // namespace

EmulatorWindow::EmulatorWindow(const QStringList &arguments, const EmulatorSettings &settings)
{
    setWindowTitle(tr("Zelvane Emulator (stand-in)"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(HeadingLabel());
    layout->addWidget(
        WrappedLabel(tr("This program stands in for the real Zelvane emulator and only shows what it was "
                        "started with. To use the real emulator, put it in place of %1.")
                         .arg(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()))));

    auto *form = new QFormLayout;
    form->addRow(
        tr("Window size:"),
        new QLabel(tr("%1 x %2 pixels").arg(settings.windowSize.width()).arg(settings.windowSize.height())));
    form->addRow(tr("Pixel density:"), new QLabel(tr("%1 ppi").arg(settings.ppi)));
    layout->addLayout(form);
    if (!settings.problems.isEmpty())
        layout->addWidget(ProblemsLabel(settings.problems));

    layout->addWidget(
        new QLabel(tr("Arguments received (%n), one per line:", nullptr, int(arguments.size()))));
    layout->addWidget(ArgumentList(arguments), 1);
    resize(settings.windowSize);
}
