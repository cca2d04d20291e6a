// libFuzzer target: entity records and wire strings. Any bytes must read as records or end in the
// stream-read error, never a crash or an over-long read.
#include "hostlink/entity.h"
#include "hostlink/lernavomessagestream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TLernavoMessageStream msg(nullptr);
    msg.WriteBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    msg.SetPosition(0);
    try {
        for (;;) {
            TEntity entity(nullptr);
            entity.ReadFrom(msg);
            entity.MutexName();
        }
    } catch (const EReadError&) {
    }
    msg.SetPosition(0);
    msg.ReadLines();
    return 0;
}
