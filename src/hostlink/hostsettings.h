// The read-only settings that the desktop keeps in its registry for the host: on Windows that
// registry key, elsewhere an INI file at a fixed system path; or the file named by
// KYVELO_HOST_SETTINGS (used by tests).
#pragma once

#include <QString>

QString hostSettingsPath();
