#include "localisation/languagefileencoding.h"

#include "localisation/windows1252.h"

#include <QStringDecoder>

#include <optional>

namespace {

const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Only the first mark names the encoding; a second one is text (U+FEFF) like any other character.
// None when the bytes are not well-formed UTF-8.
std::optional<QString> decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional(std::move(text));
}

} // namespace

DecodedLanguageFile decodeLanguageFile(const QByteArray& bytes) {
    if (!bytes.startsWith(kUtf8ByteOrderMark))
        return {decodeWindows1252(bytes), LanguageFileEncoding::Windows1252};
    const QByteArray rest = bytes.sliced(kUtf8ByteOrderMark.size());
    if (std::optional<QString> text = decodeUtf8(rest)) return {std::move(*text), LanguageFileEncoding::Utf8};
    return {decodeWindows1252(rest), LanguageFileEncoding::Windows1252};
}

QByteArray encodeLanguageFile(const QString& text, LanguageFileEncoding encoding) {
    if (encoding == LanguageFileEncoding::Utf8) return kUtf8ByteOrderMark + text.toUtf8();
    return encodeWindows1252(text);
}
