#include "hostlink/copydata.h"

#include <QtEndian>

QByteArray copyDataBlock(const TLernavoMessageStream& message) {
    const qint32 stamp[2] = {qToLittleEndian(message.TimeStamp().Time),
                             qToLittleEndian(message.TimeStamp().Date)};
    return QByteArray(reinterpret_cast<const char*>(stamp), sizeof stamp) + message.Content();
}

std::unique_ptr<TLernavoMessageStream> messageFromCopyData(TkdbCustomDemon* owner, LinkHandle sender,
                                                           quint32 msgCode, const QByteArray& block) {
    if (block.size() < 8) return nullptr;
    auto message = std::make_unique<TLernavoMessageStream>(owner);
    message->SetMsgCode(static_cast<qint32>(msgCode));
    message->SetTimeStamp(
        {qFromLittleEndian<qint32>(block.constData()), qFromLittleEndian<qint32>(block.constData() + 4)});
    message->WriteBytes(block.mid(8));
    message->SetPosition(0);
    message->Sender().SetWindowHandle(sender);
    return message;
}
