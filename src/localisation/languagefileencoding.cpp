#include "localisation/languagefileencoding.h"

#include "localisation/windows1252.h"

#include <QStringDecoder>

namespace {

const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Only the first mark names the encoding; a second one is text (U+FEFF) like any other character.
QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

DecodedLanguageFile decodeLanguageFile(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8ByteOrderMark))
        return {decodeUtf8(QByteArrayView(bytes).sliced(kUtf8ByteOrderMark.size())),
                LanguageFileEncoding::Utf8};
    return {decodeWindows1252(bytes), LanguageFileEncoding::Windows1252};
}

QByteArray encodeLanguageFile(const QString& text, LanguageFileEncoding encoding) {
    if (encoding == LanguageFileEncoding::Utf8) return kUtf8ByteOrderMark + text.toUtf8();
    return encodeWindows1252(text);
}
