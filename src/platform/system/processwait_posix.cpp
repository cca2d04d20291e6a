#include "platform/system/processwait.h"

#include <cerrno>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef P_PIDFD
#define P_PIDFD 3
#endif

std::unique_ptr<ProcessHandle> ProcessHandle::open(qint64 pid) {
    if (pid <= 0) {
        errno = ESRCH;
        return nullptr;
    }
    const long fd = syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0);
    if (fd < 0) return nullptr;
    return std::unique_ptr<ProcessHandle>(new ProcessHandle(static_cast<int>(fd)));
}

ProcessHandle::~ProcessHandle() {
    close(FFd);
}

int ProcessHandle::waitForExit() {
    pollfd entry{FFd, POLLIN, 0};
    while (poll(&entry, 1, -1) < 0 && errno == EINTR) {
    }
    siginfo_t info{};
    if (waitid(static_cast<idtype_t>(P_PIDFD), static_cast<id_t>(FFd), &info, WEXITED) != 0) return 0;
    return info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
}
