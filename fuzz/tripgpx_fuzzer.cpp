// libFuzzer target: the GPX track reader. Any bytes give a message or a usable trip (tripcheck.h).
#include "app/tripgpx.h"
#include "tripcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    requireUsableTrip(readTripGpx(bytes, QStringLiteral("fuzz.gpx")));
    return 0;
}
