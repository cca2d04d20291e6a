// The variables that tell a program the user's language.
#pragma once

#include <QByteArray>

// The environment variable's value, empty when it is not set. On Windows, where the locale is no
// variable, LANG that is not set stands for the user's locale as Windows names it, written as the
// variable would be ("el_GR").
QByteArray localeVariable(const char* name);
