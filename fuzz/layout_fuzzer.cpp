// libFuzzer target: the stored-layout text reader must answer any bytes with a tree or an
// ELayoutError, never a crash or a hang.
#include "platform/layout/layouterror.h"
#include "platform/layout/layoutparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        parseLayout(bytes, QStringLiteral("fuzz.lfm"));
    } catch (const ELayoutError&) {
    }
    return 0;
}
