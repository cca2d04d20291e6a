// TLernavoMessageStream: one message of the link: a growable byte stream (the content) with the
// request's time stamp, the sending program, the owner link and the message code. Integers are
// 32-bit little-endian; a string is its 32-bit byte length and its bytes (UTF-8), no terminator.
//
// Every read checks what is left: reading past the end raises EReadError, so malformed content
// from another program is refused instead of being read beyond.
#pragma once

#include "hostlink/entity.h"
#include "hostlink/timestamp.h"
#include "platform/controls/exceptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>

class TkdbCustomDemon;

// The stream-read error: an answer or a message ended before what was to be read from it.
class EReadError : public Exception {
public:
    // "Stream read error: the message has 14 bytes, too few to read 5 from byte 12".
    EReadError(qint64 size, qint64 position, qint64 wanted)
        : Exception(
              QStringLiteral("Stream read error: the message has %1 bytes, too few to read %2 from byte %3")
                  .arg(size)
                  .arg(wanted)
                  .arg(position)) {}
};

class TLernavoMessageStream {
public:
    explicit TLernavoMessageStream(TkdbCustomDemon* owner);
    TLernavoMessageStream(const TLernavoMessageStream&) = delete;
    TLernavoMessageStream& operator=(const TLernavoMessageStream&) = delete;

    LinkTimeStamp TimeStamp() const { return FTimeStamp; }
    void SetTimeStamp(LinkTimeStamp value) { FTimeStamp = value; }
    TEntity& Sender() { return *FSender; }
    TkdbCustomDemon* Owner() const { return FOwner; }
    void SetOwner(TkdbCustomDemon* value) { FOwner = value; }
    qint32 MsgCode() const { return FMsgCode; }
    void SetMsgCode(qint32 value) { FMsgCode = value; }

    // The content from position 0 to its size.
    const QByteArray& Content() const { return FContent; }
    qint64 Size() const { return FContent.size(); }
    qint64 Position() const { return FPosition; }
    void SetPosition(qint64 value) { FPosition = std::clamp<qint64>(value, 0, FContent.size()); }

    void WriteBytes(const QByteArray& bytes);
    void WriteByte(quint8 value);
    void WriteInt32(qint32 value);
    void WriteString(const QString& value);
    // Each line ended by CR LF.
    void WriteLines(const QStringList& lines);

    QByteArray ReadBytes(qint64 count);
    QByteArray ReadRemaining();
    quint8 ReadByte();
    qint32 ReadInt32();
    // A length of 0 or less reads as the empty string.
    QString ReadString();
    // The rest of the content as lines ended by CR LF, CR or LF.
    QStringList ReadLines();

    // Hands the message to the owner's SendMsg.
    void SendTo(TEntity& target, TLernavoMessageStream* reply);
    // Copies time stamp, sender, code and content; the position stays.
    void Assign(const TLernavoMessageStream& other);

private:
    // The next count bytes, checked, and the position moved past them.
    const char* take(qint64 count);

    LinkTimeStamp FTimeStamp;
    std::unique_ptr<TEntity> FSender;
    TkdbCustomDemon* FOwner;
    qint32 FMsgCode = 0;
    QByteArray FContent;
    qint64 FPosition = 0;
};
