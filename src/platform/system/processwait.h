// Opening a running process by its id and waiting for its end (pidfd).
#pragma once

#include <QtGlobal>

#include <memory>

class ProcessHandle {
public:
    // None when there is no such process or it cannot be opened (errno says why).
    static std::unique_ptr<ProcessHandle> open(qint64 pid);
    ~ProcessHandle();
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;

    // Waits without time limit until the process has ended. Returns its exit code when it is a
    // child of this process (128 + the signal number when a signal ended it). The kernel tells
    // only a parent how another process ended, so for any other process 0 is returned.
    int waitForExit();

private:
    explicit ProcessHandle(int fd) : FFd(fd) {}
    int FFd;
};
