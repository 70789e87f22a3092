#include "desktopidentity.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

namespace
{

// Watches every object until the first paint, then sets the icon.
class IconAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // A zero timer runs once the painted frame has been flushed.
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.zelvane.Launcher.png")));
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void SetDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvane.Launcher"));
    QCoreApplication::instance()->installEventFilter(new IconAfterFirstFrame(QCoreApplication::instance()));
}
