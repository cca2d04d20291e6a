#include "platform/system/terminationsignals.h"

namespace {

// The console's control events (wincon.h), named here so that the rule is read on every system.
constexpr unsigned long kCtrlC = 0;
constexpr unsigned long kCtrlBreak = 1;
constexpr unsigned long kCtrlClose = 2;
constexpr unsigned long kCtrlLogoff = 5;
constexpr unsigned long kCtrlShutdown = 6;
// SIGHUP's number, which the Windows headers do not define.
constexpr int kHangUp = 1;

} // namespace

TerminationSignals::Verdict TerminationSignals::judge(std::int64_t firstNs, std::int64_t nowNs) {
    if (firstNs == 0) return Verdict::Deliver;
    return nowNs - firstNs < kGraceNs ? Verdict::Absorb : Verdict::EndNow;
}

int TerminationSignals::consoleEventSignal(unsigned long controlType) {
    switch (controlType) {
    case kCtrlC:
    case kCtrlBreak:
        return SIGINT;
    case kCtrlClose:
        return kHangUp;
    case kCtrlLogoff:
    case kCtrlShutdown:
        return SIGTERM;
    default:
        return 0;
    }
}
