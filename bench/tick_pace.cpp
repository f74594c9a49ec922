// The real window and its real timer driving the real game: how true is the
// 30 ms tick, how far does the game clock drift from the wall clock, and how
// much CPU does the game take while playing and while idle.
#include "BenchServices.h"
#include "PerfectPlayer.h"
#include "game/Form1Window.h"
#include "platform/PacedTimer.h"
#include "ui/GameLook.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTicks = 1000;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Keeps the other core busy for as long as it lives, in a process of its own
// so that its CPU time is not counted as the game's; it ends by itself after
// two minutes at the latest.
class BusyCore {
public:
    BusyCore() : child_(fork())
    {
        if (child_ == 0) {
            const auto deadline = Clock::now() + std::chrono::minutes(2);
            volatile unsigned sink = 0;
            while (Clock::now() < deadline)
                sink = sink + 1;
            _exit(0);
        }
    }
    ~BusyCore()
    {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
    }
    BusyCore(const BusyCore&) = delete;
    BusyCore& operator=(const BusyCore&) = delete;

private:
    pid_t child_;
};

struct PaceReport {
    double meanMs, medianMs, p99Ms, minMs, maxMs, driftPercent, cpuPercent;
    int level;
};

PaceReport reportFor(const std::vector<Clock::time_point>& ticks, double cpuSeconds, int level)
{
    std::vector<double> periods;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        periods.push_back(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
    std::sort(periods.begin(), periods.end());
    const double wallMs = std::chrono::duration<double, std::milli>(ticks.back() - ticks.front()).count();
    const double gameMs =
        std::chrono::duration<double, std::milli>(game::Form1::kTick).count() * static_cast<double>(periods.size());
    return {wallMs / static_cast<double>(periods.size()),
            periods[periods.size() / 2],
            periods[periods.size() * 99 / 100],
            periods.front(),
            periods.back(),
            100.0 * (wallMs - gameMs) / gameMs,
            100.0 * cpuSeconds / (wallMs / 1000.0),
            level};
}

// The best this machine can do: a thread that does nothing but sleep until
// each 30 ms mark. Its jitter is the operating system's wake-up latency.
PaceReport sleepReference()
{
    std::vector<Clock::time_point> ticks;
    const double cpuBefore = cpuSeconds();
    const Clock::time_point start = Clock::now();
    for (int i = 1; i <= kTicks; ++i) {
        std::this_thread::sleep_until(start + i * game::Form1::kTick);
        ticks.push_back(Clock::now());
    }
    return reportFor(ticks, cpuSeconds() - cpuBefore, 0);
}

// Plays one game of kTicks ticks, pressing every target right as it crosses
// the hit zone, and times the ticks.
PaceReport playTimedGame(game::Form1Window& window)
{
    auto* timer = window.findChild<platform::PacedTimer*>(QStringLiteral("Timer1"));
    std::vector<Clock::time_point> ticks;
    ticks.reserve(kTicks);
    QEventLoop loop;
    const auto connection = QObject::connect(timer, &platform::PacedTimer::tick, &window, [&] {
        ticks.push_back(Clock::now());
        const game::Form1& form = window.form();
        for (int i = 0; i < 2; ++i) {
            const int press = bench::perfectPress(form, static_cast<std::size_t>(i));
            if (press == 0)
                continue;
            auto* button = window.findChild<QWidget*>(QStringLiteral("Command3(%1)").arg(i));
            const Qt::MouseButton mouse = press == 1 ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(button, mouse);
            QTest::mouseRelease(button, mouse);
        }
        if (ticks.size() == kTicks)
            loop.quit();
    });

    const double cpuBefore = cpuSeconds();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    QObject::disconnect(connection);
    const int level = window.form().Label4.Caption.toInt();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    return reportFor(ticks, cpu, level);
}

double idleCpuPercent()
{
    const auto start = Clock::now();
    const double cpuBefore = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return 100.0 * (cpuSeconds() - cpuBefore) / wall;
}

void printPace(const char* what, const char* load, const PaceReport& r)
{
    std::printf("%-10s %-10s %-7s %7.3f %7.3f %7.3f %7.3f %7.3f %+8.4f %6.2f %6d\n",
                qPrintable(QApplication::platformName()), what, load, r.meanMs, r.medianMs, r.p99Ms, r.minMs, r.maxMs,
                r.driftPercent, r.cpuPercent, r.level);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::installGameLook();

    BenchServices services;
    game::Form1Window window({services.messageBox, services.random, services.table, BenchServices::noNameEntry});
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    std::printf("%-10s %-10s %-7s %7s %7s %7s %7s %7s %8s %6s %6s\n", "platform", "ticks of", "2nd cpu", "mean",
                "median", "p99", "min", "max", "drift%", "cpu%", "level");
    printPace("sleep only", "idle", sleepReference());
    printPace("the game", "idle", playTimedGame(window));
    {
        const BusyCore busy;
        printPace("sleep only", "busy", sleepReference());
        printPace("the game", "busy", playTimedGame(window));
    }
    std::printf("%-10s idle window: %.2f%% CPU over 10 s\n", qPrintable(QApplication::platformName()),
                idleCpuPercent());
    return 0;
}
