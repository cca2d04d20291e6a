// The decimal separator of the language in use, for the numbers a student copies or writes down
// (the limit table, the point labels); the dot-matrix read-outs keep their point.
#pragma once

#include <QChar>
#include <QString>

class TRivazidad2000;

// A comma where the language file says so under "$decimalseparator$", else a point (also without
// a file), so that a class's own file decides for its language.
QChar decimalSeparator(TRivazidad2000& dictionary);

// The separator of the program's language file, for the command line, which opens no window;
// needs the application object for the program's folder.
QChar decimalSeparatorInProgramLanguage();

// A number as the program formats it (with a point) written with that separator.
QString withDecimalSeparator(QString number, QChar separator);
