// Which web addresses the shell hands on: the rule shared by the desktop's and the system's shell.
#pragma once

#include <QString>

// Whether the desktop's handler may open a web address of this scheme: http, https, file and
// mailto, in any letter case; any other ("javascript", "data") is refused.
bool openableScheme(const QString& scheme);
// openableScheme(), saying on stderr that an address of any other scheme is not opened.
bool mayOpenScheme(const QString& scheme);
// Whether the text starts with a scheme of two or more letters (a drive letter is no scheme).
bool hasUrlScheme(const QString& file);
