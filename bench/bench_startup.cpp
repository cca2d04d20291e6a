// Start-up and peak memory of the real program against the least a Qt widgets program needs to
// show and grab a window of the same size. Each run is a fresh process, started and waited for
// here; the two programs take turns, and the figures are the medians of all turns.
//
// What is timed: `kyvelo --screenshot FILE.bmp`, from the process's start until it has ended:
// its application object, both windows read from their layouts, the language file, the start-up
// screen (closed at once), the explanatory text, the simulation's first full update, the main
// window's first frame grabbed and written, and the program's end. The yardstick does the same
// with a plain window: `minimalwindow WIDTH HEIGHT FILE.bmp`. BMP keeps the shared cost of writing
// the picture small, so that it does not hide the difference.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct RunFigures {
    double wallMs = 0;
    double cpuMs = 0;   // user and system time of the process
    double peakMiB = 0; // its largest resident set
};

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

double milliseconds(const timeval& t) {
    return 1e3 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_usec);
}

// The environment of the children: off screen unless a platform or an X display is chosen, and a
// link directory of their own, so that a copy of kyvelo running elsewhere cannot make the measured
// one the second copy (which ends at once).
std::vector<QByteArray> childEnvironment(const QString& runtimeDirectory) {
    std::vector<QByteArray> entries;
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("XDG_RUNTIME_DIR=")) entries.emplace_back(*e);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        entries.emplace_back("QT_QPA_PLATFORM=offscreen");
    entries.push_back("XDG_RUNTIME_DIR=" + runtimeDirectory.toLocal8Bit());
    return entries;
}

std::vector<char*> pointers(std::vector<QByteArray>& strings) {
    std::vector<char*> result;
    for (QByteArray& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// Runs the program to its end with its output sent to logFile; none when it failed.
std::optional<RunFigures> run(std::vector<QByteArray> arguments, std::vector<QByteArray> environment,
                              const QByteArray& logFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logFile.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const std::vector<char*> argv = pointers(arguments);
    const std::vector<char*> envp = pointers(environment);
    const double start = monotonicMs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return std::nullopt;
    const double wall = monotonicMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return RunFigures{wall, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
                      static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> wall, cpu, peak;
    void add(const RunFigures& f) {
        wall.push_back(f.wallMs);
        cpu.push_back(f.cpuMs);
        peak.push_back(f.peakMiB);
    }
};

} // namespace

// Counters: medians of the program (startup_ms, cpu_ms, peak_mib) and of the yardstick (minimal_...),
// and the program's median over the yardstick's for each (..._ratio).
static void BM_StartupVsMinimalWindow(benchmark::State& state) {
    QTemporaryDir directory;
    const QByteArray shot = directory.filePath(QStringLiteral("shot.bmp")).toLocal8Bit();
    const QByteArray log = directory.filePath(QStringLiteral("children.log")).toLocal8Bit();
    const std::vector<QByteArray> environment = childEnvironment(directory.path());
    const std::vector<QByteArray> program{KYVELO_PROGRAM, "--screenshot", shot};
    // The first run is a warm-up (files into the page cache) and tells the window's size.
    if (!run(program, environment, log))
        return state.SkipWithError(("kyvelo failed, see " + log).constData());
    const QSize size = QImageReader(QString::fromLocal8Bit(shot)).size();
    std::vector<QByteArray> minimal{KYVELO_MINIMAL_WINDOW, QByteArray::number(size.width()),
                                    QByteArray::number(size.height()), shot};
    // With KYVELO_YARDSTICK_HTML naming an HTML file the yardstick shows that text and labels too.
    if (const QByteArray html = qgetenv("KYVELO_YARDSTICK_HTML"); !html.isEmpty()) minimal.push_back(html);
    if (!run(minimal, environment, log))
        return state.SkipWithError(("minimalwindow failed, see " + log).constData());

    Series ours, yardstick;
    bool oursFirst = true;
    for (auto _ : state) {
        const std::optional<RunFigures> first = run(oursFirst ? program : minimal, environment, log);
        const std::optional<RunFigures> second = run(oursFirst ? minimal : program, environment, log);
        if (!first || !second) return state.SkipWithError(("a run failed, see " + log).constData());
        (oursFirst ? ours : yardstick).add(*first);
        (oursFirst ? yardstick : ours).add(*second);
        oursFirst = !oursFirst;
    }
    const auto report = [&](const char* name, const std::vector<double>& a, const std::vector<double>& b) {
        state.counters[std::string(name)] = median(a);
        state.counters["minimal_" + std::string(name)] = median(b);
    };
    report("startup_ms", ours.wall, yardstick.wall);
    report("cpu_ms", ours.cpu, yardstick.cpu);
    report("peak_mib", ours.peak, yardstick.peak);
    state.counters["startup_ratio"] = median(ours.wall) / median(yardstick.wall);
    state.counters["cpu_ratio"] = median(ours.cpu) / median(yardstick.cpu);
    state.counters["peak_ratio"] = median(ours.peak) / median(yardstick.peak);
    state.SetLabel(QStringLiteral("%1 x %2 window").arg(size.width()).arg(size.height()).toStdString());
}
BENCHMARK(BM_StartupVsMinimalWindow)->Iterations(21)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
