// Start-up time (process start to the main window's first paint) and peak
// memory of the game against a bare Qt window of the same size, each started
// many times in a fresh directory with a valid hs.hsd. Needs a display.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kRuns = 15;

struct Run {
    double startupMs;
    long peakKb;
};

struct Summary {
    double min, median, max;
};

template <typename T>
Summary summarise(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return {static_cast<double>(values.front()), static_cast<double>(values[values.size() / 2]),
            static_cast<double>(values.back())};
}

std::optional<Run> runOnce(const QString& program)
{
    QTemporaryDir directory;
    QFile table(directory.filePath(QStringLiteral("hs.hsd")));
    if (!table.open(QIODevice::WriteOnly) || table.write("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n") < 0)
        return std::nullopt;
    table.close();

    QProcess process;
    process.setWorkingDirectory(directory.path());
    const auto started = std::chrono::steady_clock::now();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;

    std::optional<long long> paintedNs;
    std::optional<long> peakKb;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 2)
            continue;
        if (fields[0] == "first_paint_ns")
            paintedNs = fields[1].toLongLong();
        else if (fields[0] == "peak_rss_kb")
            peakKb = fields[1].toLong();
    }
    if (!paintedNs || !peakKb)
        return std::nullopt;
    const long long startedNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();
    return Run{static_cast<double>(*paintedNs - startedNs) / 1e6, *peakKb};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString here = QCoreApplication::applicationDirPath();
    const QString programs[2] = {here + QStringLiteral("/bench_probe_bare_window"),
                                 here + QStringLiteral("/bench_probe_game")};
    std::vector<double> startup[2];
    std::vector<long> peak[2];
    // Taking turns spreads any slow moment of the machine over both.
    for (int run = 0; run < kRuns; ++run) {
        for (int p = 0; p < 2; ++p) {
            const std::optional<Run> result = runOnce(programs[p]);
            if (!result) {
                std::fprintf(stderr, "%s did not report\n", qPrintable(programs[p]));
                return 1;
            }
            startup[p].push_back(result->startupMs);
            peak[p].push_back(result->peakKb);
        }
    }

    const char* names[2] = {"bare window", "the game"};
    std::printf("%-12s %12s %12s %12s %14s\n", "program", "start min", "median ms", "max", "peak RSS KiB");
    Summary startupOf[2];
    Summary peakOf[2];
    for (int p = 0; p < 2; ++p) {
        startupOf[p] = summarise(startup[p]);
        peakOf[p] = summarise(peak[p]);
        std::printf("%-12s %12.1f %12.1f %12.1f %14.0f\n", names[p], startupOf[p].min, startupOf[p].median,
                    startupOf[p].max, peakOf[p].median);
    }
    std::printf("ratio game / bare: start-up %.2f, peak memory %.2f (medians of %d runs)\n",
                startupOf[1].median / startupOf[0].median, peakOf[1].median / peakOf[0].median, kRuns);
    return 0;
}
