#include "platform/system/settingsregistry.h"

#include "platform/system/lasterror.h"

#include <qt_windows.h>

namespace {

struct Root {
    const char* Name;
    HKEY Key;
};
const Root kRoots[] = {{"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
                       {"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER}};

const Root* rootOf(const QString& path) {
    for (const Root& root : kRoots)
        if (path.startsWith(QLatin1String(root.Name), Qt::CaseInsensitive)) return &root;
    return nullptr;
}

} // namespace

bool isRegistryKey(const QString& path) {
    return rootOf(path) != nullptr;
}

QString readRegistryValue(const QString& path, const QString& name, QString* refusal) {
    const Root* root = rootOf(path);
    if (!root) return {};
    const std::wstring subkey = path.mid(qsizetype(qstrlen(root->Name))).toStdWString();
    const std::wstring value = name.toStdWString();
    // The size first, then the text with its terminating zero.
    DWORD type = 0;
    DWORD size = 0;
    const DWORD flags = RRF_RT_ANY | RRF_SUBKEY_WOW6432KEY;
    LSTATUS status = RegGetValueW(root->Key, subkey.c_str(), value.c_str(), flags, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) {
        if (refusal) *refusal = QStringLiteral("the value %1 is not text").arg(name);
        return {};
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS)
        status = RegGetValueW(root->Key, subkey.c_str(), value.c_str(),
                              RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND | RRF_SUBKEY_WOW6432KEY,
                              nullptr, text.data(), &size);
    if (status == ERROR_FILE_NOT_FOUND) return {};
    if (status != ERROR_SUCCESS) {
        if (refusal) *refusal = systemErrorText(static_cast<int>(status));
        return {};
    }
    return QString::fromWCharArray(text.c_str()).trimmed();
}
