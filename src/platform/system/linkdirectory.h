// The per-user directory that holds link windows and named-mutex lock files. Only its owner may
// enter it (mode 0700): whatever a process finds there was put there by the same user.
#pragma once

#include <QString>

// Creates the directory when needed and checks that it is ours and private. Empty on failure, with
// errno set (EACCES/EPERM when it exists but belongs to someone else or is open to others).
QString linkDirectory();
