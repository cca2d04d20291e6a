// Opening a measured trip of 1,000,000 samples (a table of one sample a second, about 11.6 days,
// written once into a temporary folder): the time readTripFile takes, and the peak memory it adds
// to a process, measured in a child process against a child that opens nothing. Targets: under a
// second and under 200 MB.
#include "app/tripfile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSamples = 1000000;

const QString& bigTable() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("big.csv"));
        QByteArray text = "time [s],distance [m]\n";
        double distance = 0;
        for (int i = 0; i < kSamples; ++i) {
            text += QByteArray::number(i) + ',' + QByteArray::number(distance, 'f', 1) + '\n';
            distance += 10 + (i % 97) * 0.1;
        }
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) std::abort();
        return file;
    }();
    return path;
}

bool opens(const QString& path) {
    return std::holds_alternative<MeasuredTrip>(readTripFile(path));
}

// The peak resident memory in MB of a child process that runs work.
double childPeakMegabytes(bool (*work)()) {
    const pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

} // namespace

static void BM_OpenMillionSampleTable(benchmark::State& state) {
    const QString& path = bigTable();
    for (auto _ : state)
        if (!opens(path)) state.SkipWithError("the table did not open");
    const double opened = childPeakMegabytes([] { return opens(bigTable()); });
    const double idle = childPeakMegabytes([] { return true; });
    state.counters["peak_MB_added"] = opened - idle;
    state.counters["file_MB"] = static_cast<double>(QFile(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_OpenMillionSampleTable)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

BENCHMARK_MAIN();
