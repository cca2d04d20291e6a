// The shell on a POSIX desktop. A file with a scheme ("http:", "https:", "mailto:") is a web
// address for the desktop's URL handler. Otherwise it is a program when it names an executable
// file, as given or without a trailing ".exe" (so the links of the Windows layouts reach the same
// program here); a name without a directory is also looked for on PATH. Anything else that exists
// is a document for the desktop's file handler.
#pragma once

#include "platform/system/shellexecute.h"
#include "platform/system/shellscheme.h"

class PosixShell : public Shell {
public:
    int execute(const ShellRequest& request) override;
};

// The executable a program name stands for, or empty.
QString resolveProgram(const QString& file);
