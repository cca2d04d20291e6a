// The per-user directory that holds link windows and named-mutex lock files. Only its owner may
// enter it (mode 0700): whatever a process finds there was put there by the same user.
//
// It is "kyvelo-link" in $XDG_RUNTIME_DIR. Where that cannot be used (the variable is relative,
// names no directory, a directory of another user as after su, one that is read-only, or a path
// too long for a socket's name), it is "kyvelo-link-<uid>" in the temporary folder ($TMPDIR or
// /tmp). Where neither can be used (another user made the second first, say), there is none.
#pragma once

#include <QString>

struct LinkDirectory {
    QString Path;    // empty when no directory can be used
    QString Problem; // what was wrong with each directory passed over, naming it; empty when none was
};

// Creates the directory when needed and checks that it is ours and private. When there is none,
// errno is set as well (EACCES when a directory exists but belongs to someone else or is open to
// others).
LinkDirectory findLinkDirectory();
// The path alone; empty on failure.
QString linkDirectory();
