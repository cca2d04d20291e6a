#include "platform/system/namedmutex.h"

#include <QCoreApplication>

#include <qt_windows.h>

namespace {

bool plainName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('\\'));
}

// The holder's process id lives in a small shared memory of the same name; the system removes it
// with the holder's last handle, so it never names a process that has ended.
std::wstring holderRecordName(const QString& name) {
    return (name + QStringLiteral(".holder")).toStdWString();
}

HANDLE recordHolder(const QString& name) {
    const HANDLE record = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(qint64),
                                             holderRecordName(name).c_str());
    if (!record) return nullptr;
    if (auto* pid = static_cast<qint64*>(MapViewOfFile(record, FILE_MAP_WRITE, 0, 0, sizeof(qint64)))) {
        *pid = QCoreApplication::applicationPid();
        UnmapViewOfFile(pid);
    }
    return record;
}

} // namespace

NamedMutex::Attempt NamedMutex::tryAcquire(const QString& name) {
    if (!plainName(name)) return {nullptr, State::Failed, ERROR_INVALID_NAME};
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, name.toStdWString().c_str());
    if (!mutex) {
        const int error = static_cast<int>(GetLastError());
        return {nullptr, error == ERROR_ACCESS_DENIED ? State::HeldElsewhere : State::Failed, error};
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return {nullptr, State::HeldElsewhere, ERROR_ALREADY_EXISTS};
    }
    return {std::unique_ptr<NamedMutex>(new NamedMutex(mutex, recordHolder(name))), State::Acquired, 0};
}

NamedMutex::~NamedMutex() {
    if (FHolderRecord) CloseHandle(FHolderRecord);
    ReleaseMutex(FMutex);
    CloseHandle(FMutex);
}

qint64 NamedMutex::holder(const QString& name) {
    if (!plainName(name)) return 0;
    const HANDLE record = OpenFileMappingW(FILE_MAP_READ, FALSE, holderRecordName(name).c_str());
    if (!record) return 0;
    qint64 pid = 0;
    if (const auto* view =
            static_cast<const qint64*>(MapViewOfFile(record, FILE_MAP_READ, 0, 0, sizeof(qint64)))) {
        pid = *view;
        UnmapViewOfFile(view);
    }
    CloseHandle(record);
    return pid > 0 ? pid : 0;
}
