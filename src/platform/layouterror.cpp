#include "platform/layouterror.h"

ELayoutError::ELayoutError(const QString& file, int line, const QString& what)
    : Exception(QStringLiteral("%1(%2): %3").arg(file).arg(line).arg(what)), FFile(file), FLine(line) {}

QString quotedWord(const QString& what, const QString& word) {
    return QStringLiteral("%1 \"%2\"").arg(what, word);
}
