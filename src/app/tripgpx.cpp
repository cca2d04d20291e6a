#include "app/tripgpx.h"

#include "app/geodesic.h"

#include <QDateTime>
#include <QXmlStreamReader>

namespace {

class GpxTrack {
public:
    GpxTrack(const QByteArray& bytes, const QString& file) : FXml(bytes), FFile(file) {}

    std::variant<TripSamples, TripReadError> read() {
        if (FXml.readNextStartElement()) {
            if (FXml.name() != u"gpx") return error(TripReadProblem::NotGpx, {quotedDetail(FXml.name())});
            while (!FError && FXml.readNextStartElement()) {
                if (FXml.name() != u"trk") {
                    FXml.skipCurrentElement();
                    continue;
                }
                readChildren(u"trkseg", [this] { readChildren(u"trkpt", [this] { readPoint(); }); });
                break;
            }
        }
        if (FError) return *FError;
        if (FXml.hasError()) {
            QString reason = FXml.errorString();
            if (reason.endsWith(u'.')) reason.chop(1); // the message ends in its own
            return error(TripReadProblem::MalformedXml, {reason});
        }
        if (const std::optional<TripReadProblem> problem =
                tripSamplesProblem(FSamples, TripReadProblem::NoTimedTrackPoints))
            return TripReadError{*problem, FFile, 0, {}};
        return std::move(FSamples);
    }

private:
    TripReadError error(TripReadProblem problem, QStringList details = {}) const {
        return {problem, FFile, FXml.lineNumber(), details};
    }

    // Reads the children of the current element named `name` with readOne, passing over the others.
    template <typename ReadOne> void readChildren(QStringView name, ReadOne readOne) {
        while (!FError && FXml.readNextStartElement()) {
            if (FXml.name() == name)
                readOne();
            else
                FXml.skipCurrentElement();
        }
    }

    static std::optional<double> coordinate(const QXmlStreamAttributes& attributes, QLatin1StringView name,
                                            double limit) {
        bool ok = false;
        const double value = attributes.value(name).toDouble(&ok);
        return ok && std::abs(value) <= limit ? std::optional(value) : std::nullopt;
    }

    void readPoint() {
        const std::optional<double> latitude = coordinate(FXml.attributes(), QLatin1StringView("lat"), 90);
        const std::optional<double> longitude = coordinate(FXml.attributes(), QLatin1StringView("lon"), 180);
        if (!latitude || !longitude) {
            FError = error(TripReadProblem::BadCoordinates);
            return;
        }
        const GeoPosition position{*latitude, *longitude};
        if (FPrevious) FDistance += ellipsoidDistance(*FPrevious, position);
        FPrevious = position;
        readChildren(u"time", [this] { readTime(); });
    }

    void readTime() {
        const QString text = FXml.readElementText().trimmed();
        QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (!time.isValid()) {
            FError = error(TripReadProblem::BadTime, {quotedDetail(text)});
            return;
        }
        if (time.timeSpec() == Qt::LocalTime) time.setTimeSpec(Qt::UTC); // GPX times are UTC
        const qint64 ms = time.toMSecsSinceEpoch();
        if (!FStart) FStart = ms;
        const double t = (static_cast<double>(ms) - static_cast<double>(*FStart)) / 60000;
        if (!addTripSample(FSamples, t, FDistance / 1000))
            FError = error(TripReadProblem::TimeGoesBack, timeGoesBackDetails(FSamples, t));
    }

    QXmlStreamReader FXml;
    QString FFile;
    std::optional<TripReadError> FError;
    std::optional<GeoPosition> FPrevious;
    double FDistance = 0; // m along the track so far
    std::optional<qint64> FStart;
    TripSamples FSamples;
};

} // namespace

std::variant<TripSamples, TripReadError> readTripGpx(const QByteArray& bytes, const QString& file) {
    return GpxTrack(bytes, file).read();
}
