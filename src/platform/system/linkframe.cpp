#include "platform/system/linkframe.h"

#include <QtEndian>

namespace {

void appendUInt32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

} // namespace

// Byte by byte: the compiler cannot see the caller's size check through a pointer cast.
quint32 uint32At(const QByteArray& bytes, qsizetype offset) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<uchar>(bytes.at(offset + i));
    return value;
}

QByteArray encodeLinkHeader(const LinkFrame& frame) {
    if (frame.Data.size() > kMaxLinkDataSize) return {};
    QByteArray bytes;
    bytes.reserve(kLinkHeaderSize);
    appendUInt32(bytes, frame.Message);
    appendUInt32(bytes, frame.WParam);
    appendUInt32(bytes, frame.DwData);
    appendUInt32(bytes, static_cast<quint32>(frame.Data.size()));
    return bytes;
}

QByteArray encodeLinkFrame(const LinkFrame& frame) {
    const QByteArray header = encodeLinkHeader(frame);
    return header.isEmpty() ? header : header + frame.Data;
}

std::optional<LinkHeader> decodeLinkHeader(const QByteArray& bytes) {
    if (bytes.size() < kLinkHeaderSize) return std::nullopt;
    const LinkHeader header{uint32At(bytes, 0), uint32At(bytes, 4), uint32At(bytes, 8), uint32At(bytes, 12)};
    if (header.Size > static_cast<quint32>(kMaxLinkDataSize)) return std::nullopt;
    return header;
}

QByteArray encodeLinkResult(qint32 result) {
    QByteArray bytes;
    appendUInt32(bytes, static_cast<quint32>(result));
    return bytes;
}

qint32 decodeLinkResult(const char* bytes) {
    return qFromLittleEndian<qint32>(bytes);
}
