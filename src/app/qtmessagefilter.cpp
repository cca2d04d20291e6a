#include "app/qtmessagefilter.h"

#include <QGuiApplication>

namespace {

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
