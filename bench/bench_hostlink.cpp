// One request and its reply between two processes (the host link to the stand-in host: a query
// whose text comes back unchanged), against the least two processes must do to exchange the same
// bytes: a plain Unix-socket ping-pong of a frame of the same size each way.
#include "hostlink/heaptuning.h"
#include "hostlink/marvestodemon.h"
#include "platform/system/linkframe.h"
#include "platform/system/linkrecord.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The request carries a string of the payload size; so does the reply.
QString payload(const benchmark::State& state) {
    return QString(static_cast<qsizetype>(state.range(0)), QLatin1Char('x'));
}

bool readAll(int fd, char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t got = read(fd, data, static_cast<size_t>(size));
        if (got <= 0) return false;
        data += got;
        size -= got;
    }
    return true;
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t put = write(fd, data, static_cast<size_t>(size));
        if (put <= 0) return false;
        data += put;
        size -= put;
    }
    return true;
}

bool hostWindowAppears() {
    for (int i = 0; i < 1000; ++i) {
        if (findLinkWindow(serverWindowClassName(QStringLiteral("bench")),
                           serverWindowTitle(QStringLiteral("bench"))))
            return true;
        usleep(10000);
    }
    return false;
}

// The stand-in host, started and found; and a client of it.
class HostLink {
public:
    HostLink() {
        FHost.setStandardOutputFile(QProcess::nullDevice()); // its report of every request is not read
        FHost.start(QStringLiteral(KYVELO_TESTHOST), {QStringLiteral("--handle"), QStringLiteral("bench")});
        if (hostWindowAppears())
            FClient = std::make_unique<TkdbDemonClient>(
                nullptr, QStringList{QStringLiteral("bench"), QStringLiteral("/serverhandle=bench")});
    }
    ~HostLink() {
        FClient.reset();
        FHost.kill();
        FHost.waitForFinished();
    }
    TkdbDemonClient* client() const { return FClient.get(); }

private:
    QProcess FHost;
    std::unique_ptr<TkdbDemonClient> FClient;
};

// A child process that sends back every frame of the given size.
class Echo {
public:
    explicit Echo(qsizetype size) : FSize(size) {
        int pair[2];
        socketpair(AF_UNIX, SOCK_STREAM, 0, pair);
        FChild = fork();
        if (FChild == 0) {
            close(pair[0]);
            QByteArray buffer(size, Qt::Uninitialized);
            while (readAll(pair[1], buffer.data(), size) && writeAll(pair[1], buffer.constData(), size)) {
            }
            _exit(0);
        }
        close(pair[1]);
        FFd = pair[0];
        FBuffer = QByteArray(size, 'x');
    }
    ~Echo() {
        close(FFd);
        waitpid(FChild, nullptr, 0);
    }
    void pingPong() {
        writeAll(FFd, FBuffer.constData(), FSize);
        readAll(FFd, FBuffer.data(), FSize);
    }

private:
    qsizetype FSize;
    pid_t FChild;
    int FFd;
    QByteArray FBuffer;
};

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

// One request and its reply through the host link, then as many plain ping-pongs of a frame of the
// same size as the request block (header, time stamp, string length, string). Wall-clock times: the
// work is spread over two processes. The two run one after the other, not step by step in turn:
// switching between three processes on every step moved them between processors and cost the
// round trips three times what they cost alone.
static void BM_HostRoundTripVsPingPong(benchmark::State& state) {
    HostLink link;
    if (!link.client()) {
        state.SkipWithError("the stand-in host did not start");
        return;
    }
    Echo echo(kLinkHeaderSize + 8 + 4 + state.range(0));
    const QString text = payload(state);
    const double start = wallSeconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(link.client()->QueryText(text));
    const double middle = wallSeconds();
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i)
        echo.pingPong();
    const double roundTripSeconds = middle - start;
    const double pingPongSeconds = wallSeconds() - middle;
    const double steps = static_cast<double>(state.iterations());
    state.counters["roundtrip_us"] = 1e6 * roundTripSeconds / steps;
    state.counters["pingpong_us"] = 1e6 * pingPongSeconds / steps;
    state.counters["ratio"] = roundTripSeconds / pingPongSeconds;
}
BENCHMARK(BM_HostRoundTripVsPingPong)->Arg(64)->Arg(4096)->Arg(65536)->UseRealTime();

int main(int argc, char** argv) {
    QTemporaryDir runtime; // a link directory of its own
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    keepHeapForLinkBlocks(); // the program's heap policy: this process stands in for the program
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
