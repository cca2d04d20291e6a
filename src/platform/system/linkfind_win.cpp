#include "platform/system/linkrecord.h"

#include "platform/system/linkhandle_win.h"

LinkHandle findLinkWindow(const QString& className, const QString& title) {
    return linkHandleOf(FindWindowExA(nullptr, nullptr, className.toLocal8Bit().constData(),
                                      title.toLocal8Bit().constData()));
}

LinkHandle findLinkWindowOfProcess(const QString& className, qint64 pid) {
    if (pid <= 0) return 0;
    const QByteArray classBytes = className.toLocal8Bit();
    for (HWND window = FindWindowExA(nullptr, nullptr, classBytes.constData(), nullptr); window;
         window = FindWindowExA(nullptr, window, classBytes.constData(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid) return linkHandleOf(window);
    }
    return 0;
}

bool isLinkWindow(LinkHandle handle) {
    return handle != 0 && IsWindow(windowOfLinkHandle(handle));
}
