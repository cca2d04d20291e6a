// The read-only settings that the desktop keeps in its registry: an INI file at a fixed system path
// ("/etc/xdg/Orvanta/marvesto.ini"), or the file named by KYVELO_HOST_SETTINGS (used by tests).
#pragma once

#include <QString>

QString settingsFilePath();

// The value of key in [section]; empty when the file, the section or the key is missing.
QString readSettingsValue(const QString& section, const QString& key);
