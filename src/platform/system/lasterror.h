// The operating system's text for an error number, as a user reads it.
#pragma once

#include <QString>

// The system's message for errorNumber, an errno value or, on Windows, a code of GetLastError();
// empty when there is none (0 or an unknown number).
QString systemErrorText(int errorNumber);
