#include "platform/system/linkwindow.h"

#include "platform/system/lasterror.h"
#include "platform/system/linkhandle_win.h"

#include <qt_windows.h>

struct LinkWindow::Procedure {
    // A copy-data message goes to the window's handler; its data is the system's only during the call.
    static LRESULT CALLBACK call(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
        auto* link = reinterpret_cast<LinkWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!link || !data || data->cbData > kMaxLinkDataSize) return 0;
        LinkFrame frame{
            kCopyDataMessage, static_cast<LinkHandle>(wParam), static_cast<quint32>(data->dwData),
            QByteArray(static_cast<const char*>(data->lpData), static_cast<qsizetype>(data->cbData))};
        return link->dispatch(std::move(frame));
    }

    // A class name is registered once in a process; a second window of the class finds it there.
    static bool registerClass(const QByteArray& className) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = call;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className.constData();
        return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
};

namespace {

LinkWindow::Created failed(const char* what) {
    const int error = static_cast<int>(GetLastError());
    return {nullptr,
            LinkWindow::Failure::Window,
            error,
            {QString(), QStringLiteral("%1: %2").arg(QLatin1String(what), systemErrorText(error))}};
}

} // namespace

// A hidden top-level window, never shown: FindWindowExA finds it by class name and title, and it
// hears the session's end as every top-level window does.
LinkWindow::Created LinkWindow::create(const QString& className, const QString& title) {
    const QByteArray classBytes = className.toLocal8Bit();
    if (classBytes.isEmpty() || !Procedure::registerClass(classBytes))
        return failed("cannot register the link window's class");
    const HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW, classBytes.constData(), title.toLocal8Bit().constData(), WS_POPUP,
                        0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return failed("cannot create a link window");
    std::unique_ptr<LinkWindow> link(new LinkWindow(window, linkHandleOf(window)));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link.get()));
    return {std::move(link), Failure::None, 0, {}};
}

LinkWindow::~LinkWindow() {
    const HWND window = static_cast<HWND>(FWindow);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

// The system serves messages sent to this thread's windows while it waits, as a reply arrives
// during a send.
std::optional<qint32> LinkWindow::send(LinkHandle target, const LinkFrame& frame) {
    const HWND window = windowOfLinkHandle(target);
    if (frame.Data.size() > kMaxLinkDataSize || target == 0 || !IsWindow(window)) return std::nullopt;
    COPYDATASTRUCT data{frame.DwData, static_cast<DWORD>(frame.Data.size()),
                        const_cast<char*>(frame.Data.constData())};
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_COPYDATA, frame.WParam, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                             kLinkSendTimeoutMs, &result))
        return std::nullopt;
    return static_cast<qint32>(result);
}
