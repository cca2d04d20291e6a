// libFuzzer target: the record beside a link window's socket, as another process may have left it.
// Any bytes must decode to a record or to none, never a crash; a record decoded has a process id and
// is written back to bytes that decode to the same record.
#include "fuzzsupport.h"
#include "platform/system/linkrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record =
        decodeLinkRecord(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!record) return 0;
    require(record->Pid > 0);
    const auto again = decodeLinkRecord(encodeLinkRecord(*record));
    require(again && again->Pid == record->Pid && again->ClassName == record->ClassName &&
            again->Title == record->Title);
    return 0;
}
