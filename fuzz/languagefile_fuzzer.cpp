// libFuzzer target: the language-file reader must take any bytes, in either encoding, without a
// crash or a hang, keep keys and values paired, lose no entry (each "|$$" of the bytes ends one, also
// among malformed UTF-8), find every key it stored, and read back the keys of the file it writes
// in the encoding it read. Seeds with the UTF-8 byte-order mark lead it into UTF-8.
#include "fuzzsupport.h"
#include "localisation/collectedfile.h"
#include "localisation/rivazidad2000.h"

#include <QBuffer>

namespace {

struct Read {
    QStringList keys;
    LanguageFileEncoding encoding;
};

Read readBack(QByteArray bytes) {
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
    return {dictionary.Keys(), dictionary.Encoding()};
}

// The end markers of the bytes, counted from the start without overlap, as the reader cuts them.
qsizetype endMarkers(const QByteArray& bytes) {
    qsizetype count = 0;
    for (qsizetype at = 0; (at = bytes.indexOf("|$$", at)) >= 0; at += 3)
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Read read = readBack(bytes);
    require(read.keys.size() == endMarkers(bytes));
    const QStringList values(read.keys.size());
    const Read written = readBack(collectedFileContent({}, read.keys, values, read.encoding));
    require(written.keys == read.keys && written.encoding == read.encoding);
    return 0;
}
