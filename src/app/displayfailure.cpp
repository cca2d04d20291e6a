#include "app/displayfailure.h"

#include <QtGlobal>

#include <cstdio>

namespace {

// Qt takes its message handler as a plain function: what the guard holds lives here while it does.
struct Held {
    QtMessageHandler PreviousHandler = nullptr;
    QStringList Messages;
    DisplayFailureGuard::EndProgram EndProgram = nullptr;
};
Held held;

QString variableText(const char* name, const std::function<QByteArray(const char*)>& environment) {
    const QByteArray value = environment(name);
    if (value.isEmpty()) return QStringLiteral("%1 not set").arg(QLatin1String(name));
    return QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), QString::fromLocal8Bit(value));
}

// Of Qt's closing message only the list of platforms that exist helps; the rest is its advice.
QStringList usefulLines(const QString& fatalMessage) {
    QStringList lines;
    for (const QString& line : fatalMessage.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Available platform plugins"))) lines.append(line);
    return lines;
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        held.Messages.append(qFormatLogMessage(type, context, message));
        return;
    }
    const QString text = displayFailureMessage(held.Messages + usefulLines(message),
                                               [](const char* name) { return qgetenv(name); });
    std::fputs(qPrintable(text), stderr);
    std::fflush(stderr);
    held.EndProgram(1); // leaving here would let Qt abort
}

} // namespace

QString withoutDisplayAdvice() {
    return QStringLiteral(
        "To run it without a display, use a virtual screen:\n"
        "  xvfb-run -s '-screen 0 1280x800x24' kyvelo\n"
        "or write a picture of the window: QT_QPA_PLATFORM=offscreen kyvelo --screenshot kyvelo.png\n");
}

QString noDisplayMessage() {
    return QStringLiteral("kyvelo: no display found.\n") + withoutDisplayAdvice();
}

bool displayGiven(const QByteArrayList& arguments,
                  const std::function<QByteArray(const char*)>& environment) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!environment(name).isEmpty()) return true;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QByteArray option = arguments[i].startsWith("--") ? arguments[i].mid(1) : arguments[i];
        if ((option == "-display" || option == "-platform") && !arguments[i + 1].isEmpty()) return true;
    }
    return false;
}

QString displayFailureMessage(const QStringList& qtReasons,
                              const std::function<QByteArray(const char*)>& environment) {
    QString text =
        QStringLiteral("kyvelo: cannot open a window (%1, %2, %3).\n")
            .arg(variableText("DISPLAY", environment), variableText("WAYLAND_DISPLAY", environment),
                 variableText("QT_QPA_PLATFORM", environment));
    if (!qtReasons.isEmpty())
        text += QStringLiteral("Qt says:\n  ") + qtReasons.join(QStringLiteral("\n  ")) + '\n';
    return text + QStringLiteral("Check that the display is running and that you may use it.\n") +
           withoutDisplayAdvice();
}

DisplayFailureGuard::DisplayFailureGuard(EndProgram endProgram) {
    held.Messages.clear();
    held.EndProgram = endProgram;
    held.PreviousHandler = qInstallMessageHandler(holdingHandler);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(held.PreviousHandler);
    for (const QString& message : std::as_const(held.Messages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    held.Messages.clear();
}
