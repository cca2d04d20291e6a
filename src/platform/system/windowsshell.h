// The shell on Windows: ShellExecuteW opens a web address, a document or a program, and its
// result follows the same convention. A web address of a scheme the shell does not hand on
// (shellscheme.h) is refused.
#pragma once

#include "platform/system/shellexecute.h"

class WindowsShell : public Shell {
public:
    int execute(const ShellRequest& request) override;
};
