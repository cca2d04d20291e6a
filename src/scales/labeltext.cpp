#include "scales/labeltext.h"

#include "scales/decimaltext.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxLabelLength = 14;
// Keeps absurd widths and decimal counts from building huge texts.
constexpr int kMaxField = 1000;

// Scientific text in a field of fieldWidth characters: sign slot, mantissa with the decimals that
// fit (one at least), "E", exponent sign and two exponent digits. The field is two characters
// narrower than the raw form with four exponent digits, so it is the caller's abs(width).
QString scientificField(int rawWidth, double x) {
    // sign, digit, point, "E", exponent sign and four digits take nine characters
    const int decimals = std::max(rawWidth - 9, 1);
    const int length = decimals + 7; // the field after the two surplus exponent digits are dropped
    if (!std::isfinite(x)) return QString(length, QLatin1Char('*'));
    const ScientificText sci = scientificDecimalText(x, decimals);
    if (std::abs(sci.Exponent) > 99) return QString(length, QLatin1Char('*'));
    return QStringLiteral("%1%2E%3%4")
        .arg(sci.Negative ? QLatin1Char('-') : QLatin1Char(' '))
        .arg(sci.Mantissa)
        .arg(sci.Exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(std::abs(sci.Exponent), 2, 10, QLatin1Char('0'));
}

QString fixedField(int width, int decimals, double x) {
    if (!std::isfinite(x)) return QString(std::max(width, 1), QLatin1Char('*'));
    return fixedDecimalText(x, std::clamp(decimals, 0, kMaxField)).rightJustified(width, QLatin1Char(' '));
}

QString numberField(int width, int decimals, double x, int scientificMarker) {
    const int field = std::min(std::abs(std::clamp(width, -kMaxField, kMaxField)), kMaxField);
    if (decimals == scientificMarker) return scientificField(field + 2, x);
    return fixedField(field, decimals, x);
}

// Zero padding of a negative width: leading blanks become "0" and a minus sign moves to the front.
QString padWithZeros(QString text) {
    int first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' '))
        text[first++] = QLatin1Char('0');
    if (first < text.size() && text[first] == QLatin1Char('-')) {
        text[first] = QLatin1Char('0');
        text[0] = QLatin1Char('-');
    }
    return text;
}

double roundHalfEven(double x) {
    return std::nearbyint(x);
}

// Trailing zeros of a plain decimal text, and a point left bare by them, are noise on log labels.
QString withoutTrailingZeros(QString text) {
    if (!text.contains(QLatin1Char('.')) || text.contains(QLatin1Char('e'), Qt::CaseInsensitive)) return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

QString finishLabel(const NumberLabelSettings& settings, const QString& text, int tickNumber) {
    if (settings.UserText) return UserTickTextItem(settings.UserTickText, tickNumber);
    return ApplyInscript(text, settings.ScaleInscript);
}

} // namespace

QString FormatFloatField(int width, int decimals, double x) {
    const QString text = numberField(width, decimals, x, -2);
    return width < 0 ? padWithZeros(text) : text;
}

QString ScaleNumberText(int width, int decimals, double x) {
    return numberField(width, decimals, x, -1);
}

int AutoDecimals(int decPlaces, double high, double low) {
    if (decPlaces != -2 && decPlaces != -3) return decPlaces;
    const double span = std::fabs(high - low);
    if (span >= 1000000 || span <= 0.0001) return -1;
    if (span >= 100) return 0;
    return 2 - static_cast<int>(roundHalfEven(std::log(span) / 2.5));
}

int AutoDecimalsLog(int decPlaces, double high, double low) {
    if (decPlaces != -2) return decPlaces;
    const double lo = std::min(high, low);
    const double hi = std::max(high, low);
    if (hi - lo >= 1000000 || hi - lo <= 0.0001) return -1;
    if (lo >= 1) return 0;
    if (lo == 0) return -1; // no decade to count from: scientific notation
    return 1 - static_cast<int>(roundHalfEven(std::log(std::fabs(lo)) / std::log(10.0)));
}

QString TimeText(bool withFraction, double seconds) {
    if (!std::isfinite(seconds)) return QStringLiteral(" --:--:--");
    // Whole milliseconds first, so that 59.9996 s reads 00:01:00.000 and a tick value a rounding
    // error below a full second does not lose that second.
    const double totalMs = std::nearbyint(std::fabs(seconds) * 1000.0);
    const double totalSeconds = std::floor(totalMs / 1000.0);
    const auto ms = static_cast<int>(totalMs - totalSeconds * 1000.0);
    const double hours = std::floor(totalSeconds / 3600.0);
    const auto minutes = static_cast<int>(std::floor((totalSeconds - hours * 3600.0) / 60.0));
    const auto secs = static_cast<int>(totalSeconds - hours * 3600.0 - minutes * 60.0);
    QString text = QStringLiteral("%1%2:%3:%4")
                       .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char(' '))
                       .arg(QString::number(hours, 'f', 0).rightJustified(2, QLatin1Char('0')))
                       .arg(minutes, 2, 10, QLatin1Char('0'))
                       .arg(secs, 2, 10, QLatin1Char('0'));
    if (withFraction) text += QStringLiteral(".%1").arg(ms, 3, 10, QLatin1Char('0'));
    return text;
}

QString UserTickTextItem(const QString& list, int index) {
    if (list.isEmpty()) return {};
    const QStringList pieces = list.split(QLatin1Char('|'));
    return pieces[std::clamp(index, 1, static_cast<int>(pieces.size())) - 1];
}

QString ApplyInscript(const QString& number, const QString& inscript) {
    if (number.isEmpty()) return number;
    const qsizetype amp = inscript.indexOf(QLatin1Char('&'));
    if (amp < 0) return inscript + number;
    return inscript.left(amp) + number + inscript.mid(amp + 1);
}

QString linearTickLabel(const NumberLabelSettings& settings, double value, int longTickNumber) {
    const int decimals = AutoDecimals(settings.DecPlaces, settings.RangeHigh, settings.RangeLow);
    const double span = settings.RangeHigh - settings.RangeLow;
    QString text;
    if (std::fabs(value / span) < 1e-14) {
        if (std::fabs(span) <= 100000)
            text = ScaleNumberText(1, decimals, 0);
        else
            text = decimals != 0 ? QStringLiteral("0.0") : QStringLiteral("0");
    } else {
        text = ScaleNumberText(1, decimals, value);
    }
    text.truncate(kMaxLabelLength);
    if (settings.DecPlaces == 0 && std::fabs(value - roundHalfEven(value)) > 1e-6) text.clear();
    return finishLabel(settings, text, longTickNumber);
}

QString logTickLabel(const NumberLabelSettings& settings, double value, bool decade, int majorTickNumber) {
    QString text;
    if (settings.DecPlaces == -3) {
        if (decade) text = QString::number(static_cast<long long>(roundHalfEven(std::log10(value))));
    } else {
        const int decimals = AutoDecimalsLog(settings.DecPlaces, settings.RangeHigh, settings.RangeLow);
        text = ScaleNumberText(1, decimals, value);
    }
    text.truncate(kMaxLabelLength);
    if (settings.DecPlaces == -2) text = withoutTrailingZeros(text);
    return finishLabel(settings, text, majorTickNumber);
}
