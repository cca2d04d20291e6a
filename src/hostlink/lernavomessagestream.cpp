#include "hostlink/lernavomessagestream.h"

#include "hostlink/marvestodemon.h"

#include <QtEndian>

TLernavoMessageStream::TLernavoMessageStream(TkdbCustomDemon* owner)
    : FSender(std::make_unique<TEntity>(owner)), FOwner(owner) {}

void TLernavoMessageStream::WriteBytes(const QByteArray& bytes) {
    if (FPosition == FContent.size())
        FContent.append(bytes); // shares the bytes when the content was empty
    else
        FContent.replace(FPosition, std::min<qint64>(bytes.size(), FContent.size() - FPosition), bytes);
    FPosition += bytes.size();
}

void TLernavoMessageStream::WriteByte(quint8 value) {
    WriteBytes(QByteArray(1, static_cast<char>(value)));
}

void TLernavoMessageStream::WriteInt32(qint32 value) {
    const qint32 little = qToLittleEndian(value);
    WriteBytes(QByteArray(reinterpret_cast<const char*>(&little), sizeof little));
}

void TLernavoMessageStream::WriteString(const QString& value) {
    const QByteArray bytes = value.toUtf8();
    WriteInt32(static_cast<qint32>(bytes.size()));
    WriteBytes(bytes);
}

void TLernavoMessageStream::WriteLines(const QStringList& lines) {
    for (const QString& line : lines)
        WriteBytes(line.toUtf8() + "\r\n");
}

const char* TLernavoMessageStream::take(qint64 count) {
    if (count < 0 || count > FContent.size() - FPosition) throw EReadError(FContent.size(), FPosition, count);
    const char* start = FContent.constData() + FPosition;
    FPosition += count;
    return start;
}

QByteArray TLernavoMessageStream::ReadBytes(qint64 count) {
    return QByteArray(take(count), count);
}

QByteArray TLernavoMessageStream::ReadRemaining() {
    return ReadBytes(FContent.size() - FPosition);
}

quint8 TLernavoMessageStream::ReadByte() {
    return static_cast<quint8>(*take(1));
}

qint32 TLernavoMessageStream::ReadInt32() {
    return qFromLittleEndian<qint32>(take(4));
}

QString TLernavoMessageStream::ReadString() {
    const qint32 length = ReadInt32();
    return length <= 0 ? QString() : QString::fromUtf8(take(length), length);
}

QStringList TLernavoMessageStream::ReadLines() {
    const QString text = QString::fromUtf8(ReadRemaining());
    QStringList lines;
    QString line;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            line += c;
            open = true;
            continue;
        }
        lines.append(line);
        line.clear();
        open = false;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
    }
    if (open) lines.append(line);
    return lines;
}

void TLernavoMessageStream::SendTo(TEntity& target, TLernavoMessageStream* reply) {
    if (FOwner) FOwner->SendMsg(target, *this, reply);
}

void TLernavoMessageStream::Assign(const TLernavoMessageStream& other) {
    FTimeStamp = other.FTimeStamp;
    FSender->Assign(other.FSender.get());
    FMsgCode = other.FMsgCode;
    FContent = other.FContent;
    FPosition = std::min<qint64>(FPosition, FContent.size());
}
