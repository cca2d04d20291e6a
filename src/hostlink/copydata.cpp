#include "hostlink/copydata.h"

#include <QtEndian>

QByteArray copyDataBlock(const TLernavoMessageStream& message) {
    const qint32 stamp[2] = {qToLittleEndian(message.TimeStamp().Time),
                             qToLittleEndian(message.TimeStamp().Date)};
    QByteArray block;
    block.reserve(sizeof stamp + message.Size());
    return block.append(reinterpret_cast<const char*>(stamp), sizeof stamp).append(message.Content());
}

LinkFrame copyDataFrame(LinkHandle sender, const TLernavoMessageStream& message) {
    return {kCopyDataMessage, sender, static_cast<quint32>(message.MsgCode()), copyDataBlock(message)};
}

std::unique_ptr<TLernavoMessageStream> messageFromCopyData(TkdbCustomDemon* owner, LinkHandle sender,
                                                           quint32 msgCode, QByteArray block) {
    if (block.size() < 8) return nullptr;
    auto message = std::make_unique<TLernavoMessageStream>(owner);
    message->SetMsgCode(static_cast<qint32>(msgCode));
    message->SetTimeStamp({static_cast<qint32>(uint32At(block, 0)), static_cast<qint32>(uint32At(block, 4))});
    message->WriteBytes(block.remove(0, 8));
    message->SetPosition(0);
    message->Sender().SetWindowHandle(sender);
    return message;
}
