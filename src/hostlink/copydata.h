// The data block of one copy-data transfer: the time stamp (Time, then Date) and the content.
#pragma once

#include "hostlink/lernavomessagestream.h"
#include "platform/system/linkframe.h"

#include <memory>

// The content may grow up to this size; the block adds the 8 bytes of the time stamp.
constexpr qint64 kMaxContentSize = kMaxLinkDataSize - 8;

QByteArray copyDataBlock(const TLernavoMessageStream& message);
// The copy-data message that carries the message from the link window `sender`.
LinkFrame copyDataFrame(LinkHandle sender, const TLernavoMessageStream& message);

// The received message, or none when the block is shorter than the time stamp. The content keeps
// the block's bytes without copying them when the block is not shared.
std::unique_ptr<TLernavoMessageStream> messageFromCopyData(TkdbCustomDemon* owner, LinkHandle sender,
                                                           quint32 msgCode, QByteArray block);
