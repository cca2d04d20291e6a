#include "app/tripfile.h"

#include "app/tripcsv.h"
#include "app/tripgpx.h"
#include "platform/system/regularfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isGpx(const QString& path, const QByteArray& bytes) {
    if (path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive)) return true;
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
    return rest.trimmed().startsWith('<');
}

} // namespace

std::variant<MeasuredTrip, TripReadError> readTripFile(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.exists() && !info.isFile()) return TripReadError{TripReadProblem::NotRegularFile, name, 0, {}};
    if (info.size() > kMaxTripFileSize) return TripReadError{TripReadProblem::TooLarge, name, 0, {}};
    // Read with the same checks, against a file that changes between the look and the reading.
    QString failure;
    const std::optional<QByteArray> bytes =
        readRegularFile(QFile::encodeName(path), kMaxTripFileSize, SymbolicLinks::Follow, &failure);
    if (!bytes) return TripReadError{TripReadProblem::CannotRead, name, 0, {failure}};
    std::variant<TripSamples, TripReadError> read =
        isGpx(path, *bytes) ? readTripGpx(*bytes, name) : readTripCsv(*bytes, name);
    if (auto* error = std::get_if<TripReadError>(&read)) return std::move(*error);
    return MeasuredTrip(name, std::move(std::get<TripSamples>(read)));
}
