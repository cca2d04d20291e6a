// A value from a small read-only settings file in INI form, or on Windows from the registry.
#pragma once

#include <QString>

// The value of key in [section] of file; empty when the file, the section or the key is missing.
// The file may be a symbolic link (an administrator's shared settings); what it leads to must be a
// regular file within a size cap. When something is there but refused, refusal (if given) says why.
// On Windows a file that names a registry key ("HKEY_LOCAL_MACHINE\Software\Maker\Program", or
// below HKEY_CURRENT_USER) is read from the registry: the text value key of its subkey section, in
// the 32-bit view, where the program's 32-bit forerunner and its host keep their settings.
QString readSettingsValue(const QString& file, const QString& section, const QString& key,
                          QString* refusal = nullptr);
