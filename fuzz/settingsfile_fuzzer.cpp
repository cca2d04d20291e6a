// libFuzzer target: the host's settings file. Any bytes must read as a value or as none, never a
// crash; a value found is trimmed and holds no line break.
#include "fuzzsupport.h"
#include "platform/system/settingsvalue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = [] {
        prepareQtForFuzzing();
        return true;
    }();
    (void)prepared;
    const QString file = writeFuzzInput(QStringLiteral("host.ini"), data, size);
    if (file.isEmpty()) return 0;
    const QString value = readSettingsValue(file, QStringLiteral("demon"), QStringLiteral("ViewerHandle"));
    require(value == value.trimmed() && !value.contains(QLatin1Char('\n')));
    return 0;
}
