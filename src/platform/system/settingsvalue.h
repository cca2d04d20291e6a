// A value from a small read-only settings file in INI form.
#pragma once

#include <QString>

// The value of key in [section] of file; empty when the file, the section or the key is missing.
// The file may be a symbolic link (an administrator's shared settings); what it leads to must be a
// regular file within a size cap. When something is there but refused, refusal (if given) says why.
QString readSettingsValue(const QString& file, const QString& section, const QString& key,
                          QString* refusal = nullptr);
