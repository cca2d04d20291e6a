#include "localisation/languagefilename.h"

QString languageFileName(const QString& programFile) {
    const qsizetype nameStart = programFile.lastIndexOf(u'/') + 1;
    const qsizetype dot = programFile.lastIndexOf(u'.');
    return programFile.left(dot > nameStart ? dot : programFile.size()) + kLanguageFileSuffix;
}
