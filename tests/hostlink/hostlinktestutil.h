// Helpers of the host-link tests.
#pragma once

#include "../qstringprinter.h"
#include "hostlink/marvestodemon.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Points the settings value at a file holding ViewerHandle for the life of the object.
class ScopedViewerHandle {
public:
    explicit ScopedViewerHandle(const QByteArray& value) : FOld(qgetenv("KYVELO_HOST_SETTINGS")) {
        const QString path = FDir.filePath(QStringLiteral("marvesto.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("[demon]\nViewerHandle=" + value + "\n");
        qputenv("KYVELO_HOST_SETTINGS", QFile::encodeName(path));
    }
    ~ScopedViewerHandle() { qputenv("KYVELO_HOST_SETTINGS", FOld); }

private:
    QTemporaryDir FDir;
    QByteArray FOld;
};

// A link with scripted answers and no window of its own: what the entity and message tests need.
class ScriptedDemon : public TkdbCustomDemon {
public:
    explicit ScriptedDemon(const QStringList& arguments = {QStringLiteral("prog")})
        : TkdbCustomDemon(nullptr, arguments) {}

    int HandleQueries = 0;
    std::unique_ptr<TEntity> Answer; // copied for each query by handle

    QString GetWindowClassName() const override { return QStringLiteral("ScriptedClass"); }
    QString GetWindowTitle() const override { return {}; }
    std::unique_ptr<TEntity> FindEntityByTitle(const QString&) override { return nullptr; }
    std::unique_ptr<TEntity> FindEntityByHandle(LinkHandle) override {
        ++HandleQueries;
        if (!Answer) return nullptr;
        auto copy = std::make_unique<TEntity>(this);
        copy->Assign(Answer.get());
        return copy;
    }
    qint32 ExecuteProgram(const QString&, const QString&, bool, qint32) override { return 0; }
    std::unique_ptr<QIODevice> GetFileStream(const QString&) override { return nullptr; }
    QString QueryFileName(const QString&) override { return {}; }
    QString QueryText(const QString&) override { return {}; }
    QString QueryVariable(const QString&) override { return {}; }
};
