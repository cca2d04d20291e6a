#include "platform/system/processwait.h"

#include <qt_windows.h>

#include <limits>

std::unique_ptr<ProcessHandle> ProcessHandle::open(qint64 pid) {
    if (pid <= 0 || pid > std::numeric_limits<DWORD>::max()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return nullptr;
    return std::unique_ptr<ProcessHandle>(new ProcessHandle(process));
}

ProcessHandle::~ProcessHandle() {
    CloseHandle(FProcess);
}

int ProcessHandle::waitForExit() {
    WaitForSingleObject(FProcess, INFINITE);
    DWORD code = 0;
    return GetExitCodeProcess(FProcess, &code) ? static_cast<int>(code) : 0;
}
