#include "platform/system/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <type_traits>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Written to by the signal handler; -1 while no watcher exists.
volatile sig_atomic_t gWriteFd = -1;

// Async-signal-safe: one write, errno left as the interrupted code had it.
void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    if (gWriteFd >= 0) (void)!write(gWriteFd, &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(Handler handler) : FHandler(std::move(handler)) {
    static_assert(std::size(kSignals) == std::extent_v<decltype(FPrevious)>);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return; // the signals keep their default action
    FReadFd = fds[0];
    gWriteFd = fds[1];
    FNotifier = std::make_unique<QSocketNotifier>(FReadFd, QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, FNotifier.get(), [this] { deliver(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
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
