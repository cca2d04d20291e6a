#include "app/decimalseparator.h"

#include "localisation/programlanguagefile.h"
#include "localisation/rivazidad2000.h"

QChar decimalSeparator(TRivazidad2000& dictionary) {
    const bool comma = dictionary.Translate(QStringLiteral("$decimalseparator$")) == QStringLiteral(",");
    return comma ? QLatin1Char(',') : QLatin1Char('.');
}

QChar decimalSeparatorInProgramLanguage() {
    TRivazidad2000 dictionary{QString()};
    loadProgramLanguageFile(dictionary);
    return decimalSeparator(dictionary);
}

QString withDecimalSeparator(QString number, QChar separator) {
    return number.replace(QLatin1Char('.'), separator);
}
