// One frame of a connection put together from the parts in which it arrives, of any size: the
// header first, then the data it announces. Bytes and times only; the socket side moves the bytes.
#pragma once

#include "platform/system/linkframe.h"

#include <QByteArray>

#include <optional>

class LinkFrameAssembler {
public:
    enum class State { Idle, Incomplete, Complete, Broken };

    // Where the next bytes of the frame belong: the rest of the header, then the rest of the data.
    // Nothing once the frame is complete or broken.
    char* space();
    qsizetype spaceSize() const;
    // count bytes have been written to space() at the monotonic time nowMs.
    State commit(qsizetype count, qint64 nowMs);
    // Copies bytes in; a byte beyond the frame, like a header announcing more than kMaxLinkDataSize,
    // breaks it for good.
    State feed(const char* bytes, qsizetype count, qint64 nowMs);

    State state() const;
    bool headerComplete() const { return FHeader.has_value(); }
    // The bytes held for the frame's data: all that its header announces, once the header is in.
    qsizetype pendingSize() const { return FData.size(); }
    // When an incomplete frame is overdue: kLinkSendTimeoutMs after its first byte.
    std::optional<qint64> deadline() const;
    // The complete frame; the assembler is idle again.
    LinkFrame take();

private:
    char FHeaderBytes[kLinkHeaderSize] = {};
    qsizetype FHeaderDone = 0;
    std::optional<LinkHeader> FHeader;
    QByteArray FData;
    qsizetype FDataDone = 0;
    qint64 FStartedAt = 0;
    bool FBroken = false;
};
