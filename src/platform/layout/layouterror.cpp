#include "platform/layout/layouterror.h"

ELayoutError::ELayoutError(const QString& file, int line, const QString& what)
    : Exception(line > 0 ? QStringLiteral("%1(%2): %3").arg(file).arg(line).arg(what)
                         : QStringLiteral("%1: %2").arg(file, what)),
      FFile(file), FLine(line) {}

QString quotedWord(const QString& what, const QString& word) {
    return QStringLiteral("%1 \"%2\"").arg(what, word);
}
