// A link window's 32-bit handle and the window it names: a window handle has 32 significant bits,
// taken back with their sign as the system does.
#pragma once

#include "platform/system/linkframe.h"

#include <qt_windows.h>

inline LinkHandle linkHandleOf(HWND window) {
    return static_cast<LinkHandle>(reinterpret_cast<quintptr>(window));
}

inline HWND windowOfLinkHandle(LinkHandle handle) {
    return reinterpret_cast<HWND>(static_cast<qintptr>(static_cast<qint32>(handle)));
}
