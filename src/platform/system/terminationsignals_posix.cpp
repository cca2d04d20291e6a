#include "platform/system/terminationsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <time.h>
#include <type_traits>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Written to by the signal handler; -1 while no watcher exists.
volatile sig_atomic_t gWriteFd = -1;
// When the first signal arrived (CLOCK_MONOTONIC, ns), 0 before.
std::atomic<std::int64_t> gFirstNs{0};
static_assert(std::atomic<std::int64_t>::is_always_lock_free, "used in a signal handler");

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec + 1; // never 0
}

// Async-signal-safe: a clock read and one write or a re-raise, errno left as the interrupted code
// had it. The re-raised signal is blocked until the handler returns, then takes its default action.
void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const std::int64_t now = monotonicNs();
    switch (TerminationSignals::judge(gFirstNs.load(), now)) {
    case TerminationSignals::Verdict::Deliver: {
        gFirstNs.store(now);
        const unsigned char number = static_cast<unsigned char>(signalNumber);
        if (gWriteFd >= 0) (void)!write(gWriteFd, &number, 1);
        break;
    }
    case TerminationSignals::Verdict::Absorb:
        break;
    case TerminationSignals::Verdict::EndNow:
        signal(signalNumber, SIG_DFL);
        raise(signalNumber);
        break;
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(Handler handler) : FHandler(std::move(handler)) {
    static_assert(std::size(kSignals) == std::extent_v<decltype(FPrevious)>);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return; // the signals keep their default action
    FReadFd = fds[0];
    gWriteFd = fds[1];
    gFirstNs.store(0);
    FNotifier = std::make_unique<QSocketNotifier>(FReadFd, QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, FNotifier.get(), [this] { deliver(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        // A signal ignored on purpose (SIGHUP under nohup) stays ignored.
        sigaction(kSignals[i], nullptr, &FPrevious[i]);
        if (FPrevious[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (FReadFd < 0) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &FPrevious[i], nullptr);
    const int writeFd = gWriteFd;
    gWriteFd = -1;
    close(writeFd);
    FNotifier.reset();
    close(FReadFd);
}

void TerminationSignals::deliver() {
    unsigned char number = 0;
    while (read(FReadFd, &number, 1) == 1)
        if (FHandler) FHandler(number);
}
