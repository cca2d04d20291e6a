#include "app/tripexport.h"

#include "app/decimalseparator.h"
#include "app/measuredtrip.h"

#include <array>
#include <charconv>

namespace {

// The shortest text that reads back as exactly this number.
QString exactNumber(double value) {
    std::array<char, 32> buffer{};
    const auto [end, failure] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return failure == std::errc() ? QString::fromLatin1(buffer.data(), end - buffer.data()) : QString();
}

} // namespace

QString tripCsvText(const MeasuredTrip& trip, QChar decimalSeparator) {
    const QChar separator = decimalSeparator == u',' ? u';' : u',';
    const TripSamples& samples = trip.samples();
    QString text = QStringLiteral("time [min]%1distance [km]%1velocity [km/h]\n").arg(separator);
    for (std::size_t i = 0; i < samples.Times.size(); ++i) {
        const double t = samples.Times[i];
        text += withDecimalSeparator(exactNumber(t), decimalSeparator) + separator +
                withDecimalSeparator(exactNumber(samples.Distances[i]), decimalSeparator) + separator +
                withDecimalSeparator(QString::number(trip.velocityAt(t), 'f', 3), decimalSeparator) + u'\n';
    }
    return text;
}
