// One request and its reply between two processes (the host link to the stand-in host: a query
// whose text comes back unchanged), against the least two processes must do to exchange the same
// bytes: a plain Unix-socket ping-pong of a frame of the same size each way.
#include "hostlink/marvestodemon.h"
#include "platform/system/linkframe.h"
#include "platform/system/linkrecord.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

} // namespace

static void BM_HostRequestRoundTrip(benchmark::State& state) {
    QProcess host;
    host.setStandardOutputFile(QProcess::nullDevice()); // its report of every request is not read
    host.start(QStringLiteral(KYVELO_TESTHOST), {QStringLiteral("--handle"), QStringLiteral("bench")});
    if (!hostWindowAppears()) {
        state.SkipWithError("the stand-in host did not start");
        return;
    }
    TkdbDemonClient client(nullptr, {QStringLiteral("bench"), QStringLiteral("/serverhandle=bench")});
    const QString text = payload(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(client.QueryText(text));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
    host.kill();
    host.waitForFinished();
}
BENCHMARK(BM_HostRequestRoundTrip)->Arg(64)->Arg(4096)->Arg(65536)->UseRealTime();

static void BM_PlainSocketPingPong(benchmark::State& state) {
    // Frame of the same size as the request block: header, time stamp, code-specific string.
    const qsizetype size = kLinkHeaderSize + 8 + 4 + state.range(0);
    int pair[2];
    socketpair(AF_UNIX, SOCK_STREAM, 0, pair);
    const pid_t echo = fork();
    if (echo == 0) {
        close(pair[0]);
        QByteArray buffer(size, Qt::Uninitialized);
        while (readAll(pair[1], buffer.data(), size) && writeAll(pair[1], buffer.constData(), size)) {
        }
        _exit(0);
    }
    close(pair[1]);
    QByteArray buffer(size, 'x');
    for (auto _ : state) {
        writeAll(pair[0], buffer.constData(), size);
        readAll(pair[0], buffer.data(), size);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
    close(pair[0]);
    waitpid(echo, nullptr, 0);
}
BENCHMARK(BM_PlainSocketPingPong)->Arg(64)->Arg(4096)->Arg(65536)->UseRealTime();

int main(int argc, char** argv) {
    QTemporaryDir runtime; // a link directory of its own
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
