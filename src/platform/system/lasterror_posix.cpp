#include "platform/system/lasterror.h"

#include <cstring>

QString systemErrorText(int errorNumber) {
    if (errorNumber <= 0) return {};
    char buffer[256];
    // The GNU variant returns a pointer that may or may not be the buffer.
    const char* text = strerror_r(errorNumber, buffer, sizeof buffer);
    const QString result = QString::fromLocal8Bit(text);
    return result.startsWith(QLatin1String("Unknown error")) ? QString() : result;
}
