#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

class FirstFrameFilter : public QObject
{
public:
    explicit FirstFrameFilter(QWidget *window) : window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The zero timer runs after the paint has been flushed to the screen.
        if (watched == window && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { Report(); });
        return false;
    }

    static void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec +
                         usage.ru_stime.tv_usec;
        std::printf("frame %lld %ld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss, cpu);
        std::fflush(stdout);
        _exit(0);
    }

    QWidget *const window;
};

} // namespace

void ReportFirstFrame(QWidget *window)
{
    // On the application, and installed last, it sees the paint before any
    // filter of the program's own, so the report comes before whatever the
    // program leaves for after its first frame.
    QCoreApplication::instance()->installEventFilter(new FirstFrameFilter(window));
}
