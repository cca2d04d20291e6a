#include "hostlink/entity.h"

#include "hostlink/lernavomessagestream.h"
#include "hostlink/marvestodemon.h"
#include "platform/system/linkrecord.h"

#include <algorithm>

QString TEntity::GetFileName() {
    if (FFileName.isEmpty()) complete();
    return FFileName;
}

QString TEntity::GetTitle() {
    if (FTitle.isEmpty()) complete();
    return FTitle;
}

void TEntity::complete() {
    if (!FOwner) return;
    const std::unique_ptr<TEntity> answer = FOwner->FindEntityByHandle(FWindowHandle);
    Assign(answer.get());
}

void TEntity::Assign(const TEntity* other) {
    if (!other) return;
    FWindowHandle = other->FWindowHandle;
    FMutexHandle = other->FMutexHandle;
    FFileName = other->FFileName;
    FTitle = other->FTitle;
}

void TEntity::WriteTo(TLernavoMessageStream& stream) {
    const QString fileName = GetFileName();
    const QString title = GetTitle();
    stream.WriteInt32(static_cast<qint32>(FWindowHandle));
    stream.WriteInt32(FMutexHandle);
    stream.WriteString(fileName);
    stream.WriteString(title);
}

void TEntity::ReadFrom(TLernavoMessageStream& stream) {
    FWindowHandle = static_cast<LinkHandle>(stream.ReadInt32());
    FMutexHandle = stream.ReadInt32();
    FFileName = stream.ReadString();
    FTitle = stream.ReadString();
}

bool TEntity::IsAlive() const {
    return isLinkWindow(FWindowHandle);
}

QString TEntity::MutexName() {
    // The desktop's separators, and this system's own.
    const QString path = GetFileName();
    qsizetype cut = -1;
    for (const QChar separator : {QLatin1Char('\\'), QLatin1Char(':'), QLatin1Char('/')})
        cut = std::max(cut, path.lastIndexOf(separator));
    return QStringLiteral("LV_") + path.mid(cut + 1);
}
