// The signals that ask a program to end: SIGTERM (a logout, a session manager, kill), SIGINT (Ctrl+C
// in the terminal) and SIGHUP (the terminal went away). Each is delivered as a call from the Qt
// event loop, so that the program ends through its normal exit and tidies up behind it; the signal
// handler itself only writes the signal's number to a pipe.
//
// On Windows the same three arrive as the console's control events (Ctrl+C and Ctrl+Break as
// SIGINT, the console closed as SIGHUP, a logoff or shutdown as SIGTERM) and as the session's end
// (WM_ENDSESSION to the program's windows, as SIGTERM). The console's handler runs on a thread of
// its own and posts the call to the event loop; for the ends after which the system stops the
// process, it waits for the watcher to be destroyed, kWindowsTidyUpMs at most.
#pragma once

#include <QtGlobal>

#include <csignal>
#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

class TerminationSignals {
public:
    using Handler = std::function<void(int signalNumber)>;

    static constexpr std::int64_t kGraceNs = 1'000'000'000;
    enum class Verdict { Deliver, Absorb, EndNow };
    // What becomes of a signal that arrives at nowNs (a monotonic clock), the first one having
    // arrived at firstNs (none before: 0).
    static Verdict judge(std::int64_t firstNs, std::int64_t nowNs);
    // The signal number a console control event stands for; 0 for an unknown one.
    static int consoleEventSignal(unsigned long controlType);
    static constexpr int kWindowsTidyUpMs = 4000;

    // Catches the three signals until destroyed, except one that is ignored (as nohup does with
    // SIGHUP); one watcher per process at a time. Only the first signal is delivered; those that
    // follow within kGraceNs of it are absorbed (a terminal's or a session's burst of several), and
    // one after that ends the process at once, so a program whose tidying up hangs can still be
    // stopped.
    explicit TerminationSignals(Handler handler);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    Handler FHandler;
#ifdef Q_OS_WIN
    struct WindowsEnds; // the console's handler and the filter of the windows' messages
    std::unique_ptr<WindowsEnds> FEnds;
#else
    void deliver();

    int FReadFd = -1;
    std::unique_ptr<QSocketNotifier> FNotifier;
    struct sigaction FPrevious[3] = {}; // of SIGTERM, SIGINT, SIGHUP
#endif
};
