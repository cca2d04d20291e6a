// TEntity: one program window known to the link: the address for its messages (WindowHandle), its
// single-instance mutex, its executable and its application title. Missing file name and title are
// fetched on demand from the owner link.
#pragma once

#include "platform/system/linkframe.h"

#include <QString>

class TkdbCustomDemon;
class TLernavoMessageStream;

class TEntity {
public:
    // owner may be null: such an entity is never completed.
    explicit TEntity(TkdbCustomDemon* owner) : FOwner(owner) {}

    TkdbCustomDemon* Owner() const { return FOwner; }
    LinkHandle WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(LinkHandle value) { FWindowHandle = value; }
    qint32 MutexHandle() const { return FMutexHandle; }
    void SetMutexHandle(qint32 value) { FMutexHandle = value; }
    void SetFileName(const QString& value) { FFileName = value; }
    void SetTitle(const QString& value) { FTitle = value; }

    // The member; when it is empty, the whole entity is first filled from the owner link's answer
    // for WindowHandle.
    QString GetFileName();
    QString GetTitle();

    // Copies the four members; null changes nothing.
    void Assign(const TEntity* other);
    // The entity record: WindowHandle, MutexHandle, file name and title (completed first).
    void WriteTo(TLernavoMessageStream& stream);
    void ReadFrom(TLernavoMessageStream& stream);

    bool IsAlive() const;
    // "LV_" and the file name without its directory.
    QString MutexName();

private:
    void complete();

    TkdbCustomDemon* FOwner;
    LinkHandle FWindowHandle = 0;
    qint32 FMutexHandle = 0;
    QString FFileName;
    QString FTitle;
};
