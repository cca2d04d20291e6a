#include "platform/system/linkwindow.h"

qint32 LinkWindow::dispatch(LinkFrame frame) {
    if (!FHandler) return 0;
    try {
        return FHandler(std::move(frame));
    } catch (...) {
        // Nothing may unwind through the event loop or into a peer's wait.
        return 0;
    }
}
