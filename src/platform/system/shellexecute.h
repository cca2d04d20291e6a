// The shell's "open this" service: a web address in the browser, a document in the program
// associated with it, or a program started with a command line. Callers go through shellExecute;
// tests put a recorder in place of the real shell with replaceShell.
//
// Results follow the desktop shell's convention: a value above 32 is success, 32 or less a code
// (2 file not found, 5 access denied, 11 not a program that can be started, 31 nothing to open it).
#pragma once

#include <QString>

struct ShellRequest {
    QString Verb;       // empty: the default action; "open"
    QString File;       // web address, document or program
    QString Parameters; // the program's command line; ignored for addresses and documents
};

namespace ShellResult {
constexpr int kSuccess = 33;
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kBadFormat = 11;
constexpr int kNoAssociation = 31;
} // namespace ShellResult

class Shell {
public:
    virtual ~Shell() = default;
    virtual int execute(const ShellRequest& request) = 0;
};

// Hands the request to the current shell.
int shellExecute(const ShellRequest& request);

// Makes shell the current one (null: the system's own) and returns the previous one, or null when
// that was the system's own. The caller keeps ownership.
Shell* replaceShell(Shell* shell);
