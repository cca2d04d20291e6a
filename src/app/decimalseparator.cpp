#include "app/decimalseparator.h"

#include "localisation/rivazidad2000.h"

QChar decimalSeparator(TRivazidad2000& dictionary) {
    const bool comma = dictionary.Translate(QStringLiteral("$decimalseparator$")) == QStringLiteral(",");
    return comma ? QLatin1Char(',') : QLatin1Char('.');
}

QString withDecimalSeparator(QString number, QChar separator) {
    return number.replace(QLatin1Char('.'), separator);
}
