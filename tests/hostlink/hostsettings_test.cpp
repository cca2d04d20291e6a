#include "hostlink/hostsettings.h"
#include "hostlinktestutil.h"

#include <gtest/gtest.h>

TEST(HostSettings, PathIsTheOverrideElseTheDesktopsFile) {
    const QByteArray old = qgetenv("KYVELO_HOST_SETTINGS");
    const struct {
        QByteArray Override;
        QString Path;
    } cases[] = {{"/tmp/marvesto.ini", QStringLiteral("/tmp/marvesto.ini")},
#ifdef Q_OS_WIN
                 {"", QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Orvanta\\marvesto")}};
#else
                 {"", QStringLiteral("/etc/xdg/Orvanta/marvesto.ini")}};
#endif
    for (const auto& c : cases) {
        qputenv("KYVELO_HOST_SETTINGS", c.Override);
        EXPECT_EQ(hostSettingsPath(), c.Path) << c.Override.toStdString();
    }
    qputenv("KYVELO_HOST_SETTINGS", old);
}
