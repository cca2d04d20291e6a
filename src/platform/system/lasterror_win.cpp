#include "platform/system/lasterror.h"

#include <qt_windows.h>

#include <iterator>

QString systemErrorText(int errorNumber) {
    if (errorNumber <= 0) return {};
    wchar_t buffer[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(errorNumber), 0, buffer,
                                        static_cast<DWORD>(std::size(buffer)), nullptr);
    // The system's texts end with a full stop and a line break; the program's sentences go on.
    QString text = QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}
