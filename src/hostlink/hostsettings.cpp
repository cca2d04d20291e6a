#include "hostlink/hostsettings.h"

QString hostSettingsPath() {
    const QString overridden = qEnvironmentVariable("KYVELO_HOST_SETTINGS");
    return overridden.isEmpty() ? QStringLiteral("/etc/xdg/Orvanta/marvesto.ini") : overridden;
}
