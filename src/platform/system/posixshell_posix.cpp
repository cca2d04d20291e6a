#include "platform/system/posixshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString withoutExe(const QString& file) {
    return file.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? file.chopped(4) : QString();
}

QString executableAt(const QString& file) {
    if (file.isEmpty()) return {};
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
    if (!file.contains(QLatin1Char('/'))) return QStandardPaths::findExecutable(file);
    return {};
}

int openWithDesktop(const QUrl& url) {
    if (!mayOpenScheme(url.scheme())) return ShellResult::kAccessDenied;
    return QDesktopServices::openUrl(url) ? ShellResult::kSuccess : ShellResult::kNoAssociation;
}

} // namespace

QString resolveProgram(const QString& file) {
    const QString found = executableAt(file);
    return found.isEmpty() ? executableAt(withoutExe(file)) : found;
}

int PosixShell::execute(const ShellRequest& request) {
    if (hasUrlScheme(request.File)) return openWithDesktop(QUrl(request.File));
    const QString program = resolveProgram(request.File);
    if (!program.isEmpty())
        return QProcess::startDetached(program, QProcess::splitCommand(request.Parameters))
                   ? ShellResult::kSuccess
                   : ShellResult::kBadFormat;
    const QFileInfo document(request.File);
    if (!document.exists()) return ShellResult::kFileNotFound;
    if (!withoutExe(request.File).isEmpty()) return ShellResult::kAccessDenied; // a program we may not run
    if (!document.isReadable()) return ShellResult::kAccessDenied;
    return openWithDesktop(QUrl::fromLocalFile(document.absoluteFilePath()));
}
