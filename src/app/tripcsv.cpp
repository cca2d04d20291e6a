#include "app/tripcsv.h"

#include "localisation/windows1252.h"

#include <QStringDecoder>

#include <array>
#include <charconv>
#include <cmath>
#include <span>

namespace {

// A number longer than this is no measurement.
constexpr qsizetype kMaxNumberLength = 64;
// Times (min) and distances (km) larger than this are refused, so that no difference or
// interpolation between two of them can overflow.
constexpr double kMaxValue = 1e15;

QString decodeTable(const QByteArray& bytes) {
    const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) return QString::fromUtf8(bytes.mid(bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

// The fields of a line, each trimmed; one in double quotes loses them ("" inside stays as it is,
// which no number or header name holds).
void splitFields(QStringView line, QChar separator, std::vector<QStringView>& fields) {
    fields.clear();
    const qsizetype n = line.size();
    for (qsizetype i = 0;;) {
        qsizetype start = i;
        while (start < n && line[start] == u' ')
            ++start;
        qsizetype next;
        if (start < n && line[start] == u'"') {
            qsizetype close = start + 1;
            while (close < n && !(line[close] == u'"' && (close + 1 == n || line[close + 1] != u'"')))
                close += line[close] == u'"' ? 2 : 1;
            fields.push_back(line.mid(start + 1, close - start - 1));
            next = line.indexOf(separator, close);
        } else {
            next = line.indexOf(separator, i);
            fields.push_back(line.mid(i, (next < 0 ? n : next) - i).trimmed());
        }
        if (next < 0) return;
        i = next + 1;
    }
}

std::optional<double> parseNumber(QStringView field, bool decimalComma) {
    if (field.startsWith(u'+') && !field.startsWith(u"+-")) field = field.mid(1);
    if (field.isEmpty() || field.size() > kMaxNumberLength) return std::nullopt;
    std::array<char, kMaxNumberLength> buffer{};
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        if (c > 127) return std::nullopt;
        buffer[i] = c == u',' && decimalComma ? '.' : static_cast<char>(c);
    }
    double value = 0;
    const char* end = buffer.data() + field.size();
    const auto [stop, failure] = std::from_chars(buffer.data(), end, value);
    if (failure != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A header name as it is compared: without accents, in folded case ("Χρόνος" and "ΧΡΟΝΟΣ" alike).
QString nameKey(QStringView name) {
    QString key = name.toString().normalized(QString::NormalizationForm_D);
    key.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return key.toCaseFolded();
}

using HeaderNames = std::span<const char16_t* const>;

constexpr std::array kTimeNames{u"t", u"time", u"Zeit", u"temps", u"tiempo", u"tempo", u"czas", u"χρόνος"};
constexpr std::array kDistanceNames{u"s",        u"distance", u"Strecke", u"Weg",       u"distancia",
                                    u"distanza", u"droga",    u"dystans", u"odległość", u"απόσταση"};

bool isOneOf(const QString& key, HeaderNames names) {
    for (const char16_t* name : names)
        if (key == nameKey(QStringView(name))) return true;
    return false;
}

// The names as a message lists them: "t, time, Zeit, …".
QString listed(HeaderNames names) {
    QStringList list;
    for (const char16_t* name : names)
        list << QString::fromUtf16(name);
    return list.join(QStringLiteral(", "));
}

// A unit as a fraction: the value times Numerator / Denominator is in minutes or km.
struct Unit {
    double Numerator = 1;
    double Denominator = 1;
};

struct Column {
    qsizetype Index = -1;
    Unit Scale;
};

struct HeaderField {
    QStringView Name;
    QStringView Unit;
};

HeaderField splitHeaderField(QStringView field) {
    for (const auto& [open, close] : {std::pair(u'[', u']'), std::pair(u'(', u')')}) {
        const qsizetype at = field.indexOf(open);
        if (at < 0) continue;
        const qsizetype end = field.indexOf(close, at);
        return {field.left(at).trimmed(),
                field.mid(at + 1, (end < 0 ? field.size() : end) - at - 1).trimmed()};
    }
    for (const QChar mark : {u',', u'/'}) {
        const qsizetype at = field.indexOf(mark);
        if (at >= 0) return {field.left(at).trimmed(), field.mid(at + 1).trimmed()};
    }
    return {field, {}};
}

std::optional<Unit> timeUnit(const QString& unit) {
    if (unit.isEmpty() || unit == u"min") return Unit{};
    if (unit == u"s" || unit == u"sec") return Unit{1, 60};
    if (unit == u"h") return Unit{60, 1};
    return std::nullopt;
}

std::optional<Unit> distanceUnit(const QString& unit) {
    if (unit.isEmpty() || unit == u"km") return Unit{};
    if (unit == u"m") return Unit{1, 1000};
    return std::nullopt;
}

class CsvTable {
public:
    explicit CsvTable(const QString& file) : FFile(file) {}

    std::optional<TripReadError> readLine(QStringView line) {
        ++FLine;
        if (line.trimmed().isEmpty()) return std::nullopt;
        if (FTime.Index < 0) return firstLine(line);
        return dataLine(line);
    }
    TripSamples& samples() { return FSamples; }

private:
    TripReadError error(TripReadProblem problem, QStringList details = {}) const {
        return {problem, FFile, FLine, details};
    }

    std::optional<TripReadError> firstLine(QStringView line) {
        FSeparator = line.contains(u'\t') ? u'\t' : line.contains(u';') ? u';' : u',';
        FDecimalComma = FSeparator != u',';
        splitFields(line, FSeparator, FFields);
        std::vector<qsizetype> numeric;
        for (qsizetype i = 0; i < static_cast<qsizetype>(FFields.size()); ++i)
            if (parseNumber(FFields[i], FDecimalComma)) numeric.push_back(i);
        if (numeric.empty()) return header();
        if (numeric.size() < 2) return error(TripReadProblem::ValueMissing);
        FTime.Index = numeric[0];
        FDistance.Index = numeric[1];
        return dataLine(line);
    }

    std::optional<TripReadError> header() {
        Column time;
        Column distance;
        for (qsizetype i = 0; i < static_cast<qsizetype>(FFields.size()); ++i) {
            const HeaderField field = splitHeaderField(FFields[i]);
            const QString name = nameKey(field.Name);
            const QString unit = field.Unit.toString().toCaseFolded();
            std::optional<Unit> scale;
            if (time.Index < 0 && isOneOf(name, kTimeNames)) {
                if (!(scale = timeUnit(unit)))
                    return error(TripReadProblem::UnknownUnit, {quotedDetail(field.Unit)});
                time = {i, *scale};
            } else if (distance.Index < 0 && isOneOf(name, kDistanceNames)) {
                if (!(scale = distanceUnit(unit)))
                    return error(TripReadProblem::UnknownUnit, {quotedDetail(field.Unit)});
                distance = {i, *scale};
            }
        }
        if (time.Index < 0) return error(TripReadProblem::TimeColumnMissing, {listed(kTimeNames)});
        if (distance.Index < 0)
            return error(TripReadProblem::DistanceColumnMissing, {listed(kDistanceNames)});
        FTime = time;
        FDistance = distance;
        return std::nullopt;
    }

    // The value of the column in min or km, or why there is none.
    std::variant<double, TripReadError> value(const Column& column) const {
        const QStringView field = FFields[column.Index];
        const std::optional<double> number = parseNumber(field, FDecimalComma);
        if (!number) return error(TripReadProblem::NotANumber, {quotedDetail(field)});
        const double scaled = *number * column.Scale.Numerator / column.Scale.Denominator;
        if (!(std::abs(scaled) <= kMaxValue))
            return error(TripReadProblem::TooLargeNumber, {quotedDetail(field)});
        return scaled;
    }

    std::optional<TripReadError> dataLine(QStringView line) {
        splitFields(line, FSeparator, FFields);
        if (static_cast<qsizetype>(FFields.size()) <= std::max(FTime.Index, FDistance.Index))
            return error(TripReadProblem::ValueMissing);
        const std::variant<double, TripReadError> t = value(FTime);
        if (const auto* failure = std::get_if<TripReadError>(&t)) return *failure;
        const std::variant<double, TripReadError> s = value(FDistance);
        if (const auto* failure = std::get_if<TripReadError>(&s)) return *failure;
        if (!addTripSample(FSamples, std::get<double>(t), std::get<double>(s)))
            return error(TripReadProblem::TimeGoesBack, timeGoesBackDetails(FSamples, std::get<double>(t)));
        return std::nullopt;
    }

    QString FFile;
    qint64 FLine = 0;
    QChar FSeparator = u',';
    bool FDecimalComma = false;
    Column FTime;
    Column FDistance;
    std::vector<QStringView> FFields;
    TripSamples FSamples;
};

} // namespace

std::variant<TripSamples, TripReadError> readTripCsv(const QByteArray& bytes, const QString& file) {
    const QString text = decodeTable(bytes);
    // Lines end in LF or CR LF; a text without LF is taken to end its lines in CR alone.
    const QChar lineBreak = text.contains(u'\n') ? u'\n' : u'\r';
    CsvTable table(file);
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(lineBreak, start);
        if (end < 0) end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(u'\r')) line.chop(1);
        if (std::optional<TripReadError> failure = table.readLine(line)) return *failure;
        start = end + 1;
    }
    if (const std::optional<TripReadProblem> problem =
            tripSamplesProblem(table.samples(), TripReadProblem::NoNumbers))
        return TripReadError{*problem, file, 0, {}};
    return std::move(table.samples());
}
