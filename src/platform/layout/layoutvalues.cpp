#include "platform/layout/layoutvalues.h"

#include "platform/graphics/colorresolve.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QMetaEnum>

#include <limits>

namespace {

using Kind = LayoutValue::Kind;

// An enum or flags value as the property's own type, built from its int representation.
std::optional<QVariant> enumVariant(const QMetaProperty& property, int bits) {
    if (property.metaType().sizeOf() != sizeof(int)) return std::nullopt;
    return QVariant(property.metaType(), &bits);
}

std::optional<QVariant> toFlags(const QMetaProperty& property, const LayoutValue& value, QString& bad) {
    if (value.Type != Kind::Set) return std::nullopt;
    const QMetaEnum e = property.enumerator();
    int bits = 0;
    for (const QString& key : value.Items) {
        bool ok = false;
        const int bit = e.keyToValue(key.toLatin1().constData(), &ok);
        if (!ok) {
            bad = key;
            return std::nullopt;
        }
        bits |= bit;
    }
    return enumVariant(property, bits);
}

std::optional<QVariant> toEnum(const QMetaProperty& property, const LayoutValue& value) {
    if (value.Type != Kind::Identifier) return std::nullopt;
    bool ok = false;
    const int v = property.enumerator().keyToValue(value.Text.toLatin1().constData(), &ok);
    return ok ? enumVariant(property, v) : std::nullopt;
}

std::optional<QVariant> toInt(const LayoutValue& value) {
    if (value.Type == Kind::Integer) {
        if (value.Integer < std::numeric_limits<int>::min() ||
            value.Integer > std::numeric_limits<int>::max())
            return std::nullopt;
        return QVariant(static_cast<int>(value.Integer));
    }
    TColor color = 0;
    if (value.Type == Kind::Identifier && colorFromIdent(value.Text, color))
        return QVariant(static_cast<int>(color));
    return std::nullopt;
}

// The format that the data's signature names, for the kinds that layouts hold, so that decoding
// them does not load every image plugin to ask which one reads them; none for other data, whose
// format is then found as usual.
const char* imageFormatOf(const QByteArray& bytes) {
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) return "png";
    if (bytes.startsWith("BM")) return "bmp";
    return nullptr;
}

// A format that is named is read by its own decoder alone; only other data is shown to every
// decoder in turn.
QImage decodeImage(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const char* format = imageFormatOf(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format == nullptr);
    return reader.read();
}

std::optional<QVariant> toImage(const LayoutValue& value) {
    if (value.Type != Kind::Binary) return std::nullopt;
    const QImage image = decodeImage(value.Bytes);
    if (image.isNull()) return std::nullopt;
    return QVariant::fromValue(image);
}

std::optional<QVariant> byType(const QMetaProperty& property, const LayoutValue& value) {
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        if (value.Type == Kind::Boolean) return QVariant(value.Boolean);
        break;
    case QMetaType::Int:
        return toInt(value);
    case QMetaType::UInt:
        if (value.Type == Kind::Integer && value.Integer >= 0 &&
            value.Integer <= std::numeric_limits<uint>::max())
            return QVariant(static_cast<uint>(value.Integer));
        break;
    case QMetaType::LongLong:
        if (value.Type == Kind::Integer) return QVariant(value.Integer);
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        if (value.Type == Kind::Integer) return QVariant(static_cast<double>(value.Integer));
        if (value.Type == Kind::Float) return QVariant(value.Float);
        break;
    case QMetaType::QString:
        if (value.Type == Kind::String) return QVariant(value.Text);
        break;
    case QMetaType::QChar:
        if (value.Type == Kind::String && value.Text.size() == 1) return QVariant(value.Text.front());
        break;
    case QMetaType::QStringList:
        if (value.Type == Kind::StringList) return QVariant(value.Items);
        break;
    case QMetaType::QByteArray:
        if (value.Type == Kind::Binary) return QVariant(value.Bytes);
        break;
    case QMetaType::QImage:
        return toImage(value);
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QVariant> toPropertyValue(const QMetaProperty& property, const LayoutValue& value,
                                        QString& offendingWord) {
    offendingWord = value.Source;
    if (property.isFlagType()) return toFlags(property, value, offendingWord);
    if (property.isEnumType()) return toEnum(property, value);
    return byType(property, value);
}
