// A value from a small read-only settings file in INI form.
#pragma once

#include <QString>

// The value of key in [section] of file; empty when the file, the section or the key is missing.
QString readSettingsValue(const QString& file, const QString& section, const QString& key);
