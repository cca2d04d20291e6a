// A named mutex shared by the processes of one user: an exclusive flock on a lock file in the
// private link directory. Taking it is one atomic step, and the kernel drops it when the holder
// dies, so a crashed copy leaves no stale lock behind.
#pragma once

#include <QString>

#include <memory>

class NamedMutex {
public:
    enum class State { Acquired, HeldElsewhere, Failed };
    struct Attempt {
        std::unique_ptr<NamedMutex> Mutex; // set when acquired
        State Result = State::Failed;
        int ErrorNumber = 0;
    };
    // Takes the mutex without waiting. A name must be a plain file name (no '/').
    static Attempt tryAcquire(const QString& name);
    // The process id the holder of the named mutex wrote when it took it, or 0. It may be a process
    // that has since ended, which a new holder has not yet overwritten.
    static qint64 holder(const QString& name);

    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // A number that identifies the held mutex within this process.
    int handle() const { return FFd; }

private:
    explicit NamedMutex(int fd) : FFd(fd) {}
    int FFd;
};
