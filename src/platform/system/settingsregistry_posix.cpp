#include "platform/system/settingsregistry.h"

bool isRegistryKey(const QString&) {
    return false;
}

QString readRegistryValue(const QString&, const QString&, QString*) {
    return {};
}
