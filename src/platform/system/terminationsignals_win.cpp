#include "platform/system/terminationsignals.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <atomic>
#include <chrono>

#include <qt_windows.h>

namespace {

// The watcher; null while there is none.
std::atomic<TerminationSignals*> gWatcher{nullptr};
// When the first end arrived (steady clock, ns), 0 before.
std::atomic<std::int64_t> gFirstNs{0};
// Set when the watcher is destroyed: the program has tidied up.
HANDLE gTidiedUp = nullptr;

std::int64_t steadyNs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() + 1; // never 0
}

bool endsTheProcess(DWORD controlType) {
    return controlType == CTRL_CLOSE_EVENT || controlType == CTRL_LOGOFF_EVENT ||
           controlType == CTRL_SHUTDOWN_EVENT;
}

} // namespace

struct TerminationSignals::WindowsEnds : QAbstractNativeEventFilter {
    // In the event loop's thread: the first end is handed to the program.
    static void deliver(int signalNumber) {
        if (TerminationSignals* watcher = gWatcher.load(); watcher && watcher->FHandler)
            watcher->FHandler(signalNumber);
    }

    // On a thread of the system's: the call is posted to the event loop.
    static BOOL WINAPI onConsoleControl(DWORD controlType) {
        const int signalNumber = consoleEventSignal(controlType);
        QCoreApplication* app = QCoreApplication::instance();
        if (signalNumber == 0 || !app) return FALSE;
        const std::int64_t now = steadyNs();
        switch (judge(gFirstNs.load(), now)) {
        case Verdict::Deliver:
            gFirstNs.store(now);
            QMetaObject::invokeMethod(
                app, [signalNumber] { deliver(signalNumber); }, Qt::QueuedConnection);
            // After a close, logoff or shutdown the system ends the process once this returns.
            if (endsTheProcess(controlType)) WaitForSingleObject(gTidiedUp, kWindowsTidyUpMs);
            return TRUE;
        case Verdict::Absorb:
            return TRUE;
        case Verdict::EndNow:
            break;
        }
        return FALSE; // the default handler ends the process
    }

    // The session's end reaches the program's windows as WM_ENDSESSION; the system ends the
    // process soon after the message has been handled.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const MSG* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_ENDSESSION || !msg->wParam) return false;
        const std::int64_t now = steadyNs();
        if (judge(gFirstNs.load(), now) == Verdict::Deliver) {
            gFirstNs.store(now);
            deliver(SIGTERM);
        }
        return false;
    }
};

TerminationSignals::TerminationSignals(Handler handler)
    : FHandler(std::move(handler)), FEnds(std::make_unique<WindowsEnds>()) {
    if (!gTidiedUp) gTidiedUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(gTidiedUp);
    gFirstNs.store(0);
    gWatcher.store(this);
    SetConsoleCtrlHandler(WindowsEnds::onConsoleControl, TRUE);
    if (QCoreApplication* app = QCoreApplication::instance()) app->installNativeEventFilter(FEnds.get());
}

TerminationSignals::~TerminationSignals() {
    SetConsoleCtrlHandler(WindowsEnds::onConsoleControl, FALSE);
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(FEnds.get());
    gWatcher.store(nullptr);
    SetEvent(gTidiedUp);
}
