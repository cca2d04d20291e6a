// The bytes of one message between link windows: a 16-byte header (message, wParam, dwData, size of
// the data, each 32-bit little-endian) followed by the data; the receiver answers with its 32-bit
// result. A header is checked before anything is read after it.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

using LinkHandle = quint32;

// The copy-data message of the desktop platform; the only one the link sends.
constexpr quint32 kCopyDataMessage = 0x004A;
constexpr qsizetype kLinkHeaderSize = 16;
constexpr qsizetype kLinkResultSize = 4;
// Larger data is refused by the sender and dropped by the receiver, so no peer can make another
// allocate without bound.
constexpr qsizetype kMaxLinkDataSize = 64 * 1024 * 1024;
// What a receiver holds of frames still arriving, over all its connections: two of the largest.
// A frame counts with the size its header announces; one that would exceed this is refused.
constexpr qsizetype kMaxLinkPendingSize = 2 * kMaxLinkDataSize;
// The time limit of the synchronous send: a peer that has not taken the frame and answered it by
// then counts as absent. The receiver gives a frame as long from its first byte to its last: the
// sender has given up by then.
constexpr int kLinkSendTimeoutMs = 5000;

struct LinkFrame {
    quint32 Message = kCopyDataMessage;
    LinkHandle WParam = 0;
    quint32 DwData = 0;
    QByteArray Data;
};

struct LinkHeader {
    quint32 Message = 0;
    LinkHandle WParam = 0;
    quint32 DwData = 0;
    quint32 Size = 0;
};

// The header of the frame, to be written before its data; empty when the data exceeds kMaxLinkDataSize.
QByteArray encodeLinkHeader(const LinkFrame& frame);
// Header and data in one array; empty when the data exceeds kMaxLinkDataSize.
QByteArray encodeLinkFrame(const LinkFrame& frame);
// The header in the first kLinkHeaderSize bytes; none when they are too few or the size is too large.
std::optional<LinkHeader> decodeLinkHeader(const QByteArray& bytes);

// The little-endian 32-bit value at offset; the caller has checked that 4 bytes are there.
quint32 uint32At(const QByteArray& bytes, qsizetype offset);

QByteArray encodeLinkResult(qint32 result);
qint32 decodeLinkResult(const char* bytes);
