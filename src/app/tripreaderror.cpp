#include "app/tripreaderror.h"

namespace {

constexpr qsizetype kQuotedLength = 40;

} // namespace

QString quotedDetail(QStringView text) {
    return text.size() <= kQuotedLength ? text.toString()
                                        : text.left(kQuotedLength).toString() + QStringLiteral("…");
}

QString tripReadErrorKey(TripReadProblem problem) {
    switch (problem) {
    case TripReadProblem::CannotRead:
        return QStringLiteral("%1 cannot be read: %3.");
    case TripReadProblem::NotRegularFile:
        return QStringLiteral("%1 is not a regular file.");
    case TripReadProblem::TooLarge:
        return QStringLiteral("%1 is larger than 64 MiB.");
    case TripReadProblem::NoNumbers:
        return QStringLiteral("%1 holds no times and distances.");
    case TripReadProblem::NotANumber:
        return QStringLiteral("%1, line %2: \"%3\" is not a number.");
    case TripReadProblem::TooLargeNumber:
        return QStringLiteral("%1, line %2: \"%3\" is too large for a time or a distance.");
    case TripReadProblem::TimeColumnMissing:
        return QStringLiteral("%1, line %2: no column is headed by a time (%3).");
    case TripReadProblem::DistanceColumnMissing:
        return QStringLiteral("%1, line %2: no column is headed by a distance (%3).");
    case TripReadProblem::ValueMissing:
        return QStringLiteral("%1, line %2: the time or the distance is missing.");
    case TripReadProblem::UnknownUnit:
        return QStringLiteral("%1, line %2: the unit \"%3\" is unknown (time: s, min, h; distance: m, km).");
    case TripReadProblem::TooFewSamples:
        return QStringLiteral("%1 holds a single time; a trip needs at least two.");
    case TripReadProblem::TimeGoesBack:
        return QStringLiteral("%1, line %2: the time goes back, from %3 min to %4 min.");
    case TripReadProblem::MalformedXml:
        return QStringLiteral("%1, line %2: the XML is malformed: %3.");
    case TripReadProblem::NotGpx:
        return QStringLiteral("%1, line %2: the element <%3> is not a GPX document's <gpx>.");
    case TripReadProblem::NoTimedTrackPoints:
        return QStringLiteral("%1 has no track point with a time.");
    case TripReadProblem::BadCoordinates:
        return QStringLiteral("%1, line %2: the element <trkpt> needs lat and lon in degrees.");
    case TripReadProblem::BadTime:
        return QStringLiteral("%1, line %2: the element <time> holds \"%3\", not a date and time.");
    }
    return {};
}

// Fills the places in one pass, so that a "%2" in a file's name stays as it is.
QString tripReadErrorText(const TripReadError& error, const QString& translatedKey) {
    const QString key = translatedKey.isEmpty() ? tripReadErrorKey(error.Problem) : translatedKey;
    const QStringList values = QStringList{error.File, QString::number(error.Line)} + error.Details;
    QString text;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const qsizetype place = i + 1 < key.size() && key[i] == u'%' ? key[i + 1].digitValue() - 1 : -1;
        if (place >= 0 && place < values.size()) {
            text += values[place];
            ++i;
        } else {
            text += key[i];
        }
    }
    return text;
}
