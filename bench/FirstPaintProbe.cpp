#include "FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <utility>

namespace {

long peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

class FirstPaintFilter final : public QObject {
public:
    FirstPaintFilter(QWidget& window, std::function<void()> exercise) : QObject(&window), exercise_(std::move(exercise))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued: the paint and its flush to the screen finish first.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first_paint_ns %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        if (exercise_)
            exercise_();
        std::printf("peak_rss_kb %ld\n", peakResidentKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    std::function<void()> exercise_;
    bool painted_ = false;
};

}  // namespace

void probeFirstPaint(QWidget& window, std::function<void()> exercise)
{
    new FirstPaintFilter(window, std::move(exercise));  // owned by the window
}
