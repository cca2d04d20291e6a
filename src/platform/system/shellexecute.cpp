#include "platform/system/shellexecute.h"

#ifdef Q_OS_WIN
#include "platform/system/windowsshell.h"
using SystemShell = WindowsShell;
#else
#include "platform/system/posixshell.h"
using SystemShell = PosixShell;
#endif

namespace {

Shell* gReplacement = nullptr;

Shell& systemShell() {
    static SystemShell shell;
    return shell;
}

} // namespace

int shellExecute(const ShellRequest& request) {
    return (gReplacement ? *gReplacement : systemShell()).execute(request);
}

Shell* replaceShell(Shell* shell) {
    Shell* previous = gReplacement;
    gReplacement = shell;
    return previous;
}
