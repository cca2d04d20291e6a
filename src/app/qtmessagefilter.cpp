#include "app/qtmessagefilter.h"

#include <QGuiApplication>

namespace {

// Qt takes its message handler as a plain function: the one it replaced is kept here.
QtMessageHandler gPrevious = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && isPlatformNoise(message, QGuiApplication::platformName())) return;
    if (gPrevious) gPrevious(type, context, message);
}

} // namespace

bool isPlatformNoise(const QString& message, const QString& platformName) {
    return platformName == QLatin1String("offscreen") &&
           message == QLatin1String("This plugin does not support propagateSizeHints()");
}

void installQtMessageFilter() {
    gPrevious = qInstallMessageHandler(filter);
}
