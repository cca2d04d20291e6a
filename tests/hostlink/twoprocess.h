// Helpers of the two-process tests: the stand-in host and the real program as child processes.
#pragma once

#include "platform/system/linkframe.h"

#include <QProcess>
#include <QStringList>

#include <functional>
#include <memory>

// Lets the event loop run (link windows, child output) until done() or the time is up.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// The stand-in host with a handle text of its own; its report lines are collected.
class HostProcess {
public:
    explicit HostProcess(const QStringList& extraArguments = {});
    ~HostProcess();

    const QString& handleText() const { return FHandleText; }
    QString serverArgument() const { return QStringLiteral("/serverhandle=") + FHandleText; }
    bool started() const { return FStarted; }
    qint64 processId() const { return FProcess.processId(); }
    // Waits for a report line that begins with prefix and has not been taken yet; takes it.
    bool take(const QString& prefix, int timeoutMs = 20000);
    // True when a line with this prefix has arrived and not been taken.
    bool seen(const QString& prefix) const;
    void command(const QString& line);
    // Sends a command and waits for its report line.
    bool commandAndWait(const QString& line, const QString& reportPrefix);

private:
    QString FHandleText;
    QProcess FProcess;
    QStringList FLines;
    QByteArray FPartial;
    bool FStarted = false;
};

// The real program, offscreen, with these arguments; its output goes to the test's unless the
// channels are kept apart for reading.
std::unique_ptr<QProcess> startProgram(const QStringList& arguments,
                                       QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels);
// The process id holding the program's single-instance lock, or 0.
qint64 programLockHolder();
// The handle of a running copy's link window (there is one at most in a test), or 0.
LinkHandle clientWindow();
