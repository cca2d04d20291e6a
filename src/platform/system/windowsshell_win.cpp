#include "platform/system/windowsshell.h"

#include "platform/system/shellscheme.h"

#include <qt_windows.h>
#include <shellapi.h>

int WindowsShell::execute(const ShellRequest& request) {
    if (hasUrlScheme(request.File) && !mayOpenScheme(request.File.section(QLatin1Char(':'), 0, 0)))
        return ShellResult::kAccessDenied;
    const std::wstring verb = request.Verb.toStdWString();
    const std::wstring file = request.File.toStdWString();
    const std::wstring parameters = request.Parameters.toStdWString();
    const HINSTANCE result =
        ShellExecuteW(nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}
