// libFuzzer target: the trip table reader. Any bytes give a message or a usable trip (tripcheck.h).
#include "tripcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    requireUsableTrip(readTripCsv(bytes, QStringLiteral("fuzz.csv")));
    return 0;
}
