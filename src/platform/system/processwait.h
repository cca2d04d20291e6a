// Opening a running process by its id and waiting for its end (a process handle on Windows, a
// pidfd elsewhere).
#pragma once

#include <QtGlobal>

#include <memory>

class ProcessHandle {
public:
    // None when there is no such process or it cannot be opened (errno, or on Windows the last
    // error, says why).
    static std::unique_ptr<ProcessHandle> open(qint64 pid);
    ~ProcessHandle();
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;

    // Waits without time limit until the process has ended. On Windows returns its exit code.
    // Elsewhere returns its exit code when it is a child of this process (128 + the signal number
    // when a signal ended it); the kernel tells only a parent how another process ended, so for any
    // other process 0 is returned.
    int waitForExit();

private:
#ifdef Q_OS_WIN
    explicit ProcessHandle(void* process) : FProcess(process) {}
    void* FProcess;
#else
    explicit ProcessHandle(int fd) : FFd(fd) {}
    int FFd;
#endif
};
