#include "platform/system/localevariables.h"

#include <QString>

#include <qt_windows.h>

QByteArray localeVariable(const char* name) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty() || qstrcmp(name, "LANG") != 0) return value;
    wchar_t locale[LOCALE_NAME_MAX_LENGTH];
    const int length = GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
    return length > 1 ? QString::fromWCharArray(locale, length - 1)
                            .replace(QLatin1Char('-'), QLatin1Char('_'))
                            .toLatin1()
                      : QByteArray();
}
