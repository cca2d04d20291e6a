// The registry as a source of settings (Windows); elsewhere there is none.
#pragma once

#include <QString>

// Whether path names a registry key: it begins with HKEY_LOCAL_MACHINE\ or HKEY_CURRENT_USER\ (on
// Windows only).
bool isRegistryKey(const QString& path);
// The text value name of the key at path, read in the registry's 32-bit view; empty when the key or
// the value is missing. A value that is there but not text is refused, and refusal (if given) says so.
QString readRegistryValue(const QString& path, const QString& name, QString* refusal);
