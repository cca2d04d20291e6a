#include "platform/system/shellscheme.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

bool hasUrlScheme(const QString& file) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(file).hasMatch();
}

bool openableScheme(const QString& scheme) {
    for (const char* allowed : {"http", "https", "file", "mailto"})
        if (scheme.compare(QLatin1String(allowed), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool mayOpenScheme(const QString& scheme) {
    if (openableScheme(scheme)) return true;
    std::fprintf(stderr, "%s: a link of the kind \"%s:\" is not opened\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(scheme));
    return false;
}
