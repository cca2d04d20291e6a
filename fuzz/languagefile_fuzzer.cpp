// libFuzzer target: the language-file reader must take any bytes without a crash or a hang, keep
// keys and values paired, find every key it stored, and read back the keys of the file it writes.
#include "fuzzsupport.h"
#include "localisation/collectedfile.h"
#include "localisation/rivazidad2000.h"

#include <QBuffer>

namespace {

QStringList keysOf(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRivazidad2000 dictionary(QStringLiteral("Fuzz"));
    dictionary.LoadFromStream(buffer);
    require(dictionary.Keys().size() == dictionary.Values().size());
    for (qsizetype i = 0; i < dictionary.Keys().size(); ++i) {
        const QString& key = dictionary.Keys()[i];
        const qsizetype first = dictionary.Keys().indexOf(key);
        require(dictionary.Translate(key) == dictionary.Values()[first]);
        dictionary.Translate(key, {QStringLiteral("<%1%>"), QStringLiteral("x")});
    }
    return dictionary.Keys();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList keys = keysOf(bytes);
    const QStringList values(keys.size());
    require(keysOf(collectedFileContent({}, keys, values)) == keys);
    return 0;
}
