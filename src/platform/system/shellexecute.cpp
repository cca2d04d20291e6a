#include "platform/system/shellexecute.h"

#include "platform/system/posixshell.h"

namespace {

Shell* gReplacement = nullptr;

Shell& systemShell() {
    static PosixShell shell;
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
