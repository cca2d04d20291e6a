// The read-only settings that the desktop keeps in its registry for the host: an INI file at a fixed
// system path, or the file named by KYVELO_HOST_SETTINGS (used by tests).
#pragma once

#include <QString>

QString hostSettingsPath();
