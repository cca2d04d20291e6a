// A named mutex shared by the processes of one user. Taking it is one atomic step, and the system
// drops it when the holder dies, so a crashed copy leaves no stale lock behind. On Windows it is a
// named mutex object; elsewhere an exclusive flock on a lock file in the private link directory.
#pragma once

#include <QString>

#include <memory>

class NamedMutex {
public:
    enum class State { Acquired, HeldElsewhere, Failed };
    struct Attempt {
        std::unique_ptr<NamedMutex> Mutex; // set when acquired
        State Result = State::Failed;
        int ErrorNumber = 0; // errno, or the Windows error code
    };
    // Takes the mutex without waiting. A name must be a plain file name (no '/').
    static Attempt tryAcquire(const QString& name);
    // The process id the holder of the named mutex wrote when it took it, or 0. With the lock file
    // it may be a process that has since ended, which a new holder has not yet overwritten.
    static qint64 holder(const QString& name);

    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // A number that identifies the held mutex within this process.
    int handle() const { return FFd; }

private:
#ifdef Q_OS_WIN
    NamedMutex(void* mutex, void* holderRecord)
        : FFd(static_cast<int>(reinterpret_cast<quintptr>(mutex))), FMutex(mutex),
          FHolderRecord(holderRecord) {}
    int FFd; // the mutex handle's value
    void* FMutex;
    void* FHolderRecord; // the shared memory that tells the holder's process id
#else
    explicit NamedMutex(int fd) : FFd(fd) {}
    int FFd;
#endif
};
