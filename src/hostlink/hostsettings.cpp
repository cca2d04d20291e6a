#include "hostlink/hostsettings.h"

QString hostSettingsPath() {
    const QString overridden = qEnvironmentVariable("KYVELO_HOST_SETTINGS");
    if (!overridden.isEmpty()) return overridden;
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Orvanta\\marvesto");
#else
    return QStringLiteral("/etc/xdg/Orvanta/marvesto.ini");
#endif
}
