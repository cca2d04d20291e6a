// The program's side of the link: its window's name and the requests to the host.
#include "hostlink/marvestodemon.h"

#include "hostlink/messagecodes.h"
#include "platform/system/processwait.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

TkdbDemonClient::TkdbDemonClient(TComponentBase* owner)
    : TkdbDemonClient(owner, QCoreApplication::arguments()) {}

TkdbDemonClient::TkdbDemonClient(TComponentBase* owner, const QStringList& arguments)
    : TkdbCustomDemon(owner, arguments) {
    OpenLinkWindow();
}

TkdbDemonClient::~TkdbDemonClient() {
    Unregister();
}

QString TkdbDemonClient::GetWindowClassName() const {
    return QStringLiteral("ThisIsTheLernavoClientComponentWindowClass");
}

QString TkdbDemonClient::GetWindowTitle() const {
    return {};
}

// A fresh request to the host, and its answer positioned at the start.
std::unique_ptr<TLernavoMessageStream>
TkdbDemonClient::request(qint32 msgCode, const std::function<void(TLernavoMessageStream&)>& fill) {
    TLernavoMessageStream msg(this);
    msg.SetMsgCode(msgCode);
    fill(msg);
    auto reply = std::make_unique<TLernavoMessageStream>(this);
    SendMsg(ServerEntity(), msg, reply.get());
    reply->SetPosition(0);
    return reply;
}

std::unique_ptr<TEntity>
TkdbDemonClient::queryEntity(const std::function<void(TLernavoMessageStream&)>& fill) {
    const std::unique_ptr<TLernavoMessageStream> reply = request(mcQueryEntity, fill);
    if (reply->Size() == 0) return nullptr;
    auto entity = std::make_unique<TEntity>(this);
    entity->ReadFrom(*reply);
    return entity;
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByTitle(const QString& title) {
    return queryEntity([&](TLernavoMessageStream& msg) {
        msg.WriteByte(kQueryByTitle);
        msg.WriteString(title);
    });
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByHandle(LinkHandle handle) {
    return queryEntity([&](TLernavoMessageStream& msg) {
        msg.WriteByte(kQueryByHandle);
        msg.WriteInt32(static_cast<qint32>(handle));
    });
}

qint32 TkdbDemonClient::ExecuteProgram(const QString& file, const QString& parameters, bool wait,
                                       qint32 option) {
    const std::unique_ptr<TLernavoMessageStream> reply = request(mcExecute, [&](TLernavoMessageStream& msg) {
        msg.WriteString(file);
        msg.WriteString(parameters);
        msg.WriteByte(wait ? 1 : 0);
        msg.WriteInt32(option);
    });
    const qint32 pid = reply->ReadInt32();
    const auto failed = [&] { return ELernavo(QStringLiteral("Could not execute \"%1.\"").arg(file)); };
    if (pid == 0) throw failed();
    if (!wait) return pid;
    const std::unique_ptr<ProcessHandle> process = ProcessHandle::open(pid);
    if (!process) throw failed();
    return process->waitForExit();
}

std::unique_ptr<QIODevice> TkdbDemonClient::GetFileStream(const QString& name) {
    const std::unique_ptr<TLernavoMessageStream> reply =
        request(mcGetFile, [&](TLernavoMessageStream& msg) { msg.WriteString(name); });
    if (reply->ReadByte() == 0) return nullptr;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reply->ReadRemaining());
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

QString TkdbDemonClient::QueryFileName(const QString& text) {
    return request(mcQueryFileName, [&](TLernavoMessageStream& msg) { msg.WriteString(text); })->ReadString();
}

QString TkdbDemonClient::QueryText(const QString& text) {
    return request(mcQueryText, [&](TLernavoMessageStream& msg) { msg.WriteString(text); })->ReadString();
}

QString TkdbDemonClient::QueryVariable(const QString& name) {
    if (UseMarvestoServer())
        return request(mcQueryVariable, [&](TLernavoMessageStream& msg) { msg.WriteString(name); })
            ->ReadString();
    if (name != QLatin1String("MarvestoWorkArea") && name != QLatin1String("MarvestoHomeDir")) return {};
    // The directory ends in a separator, this system's own.
    const QString directory = QFileInfo(ParamStr(0)).path();
    return directory.endsWith(QLatin1Char('\\')) || directory.endsWith(QLatin1Char('/'))
               ? directory
               : directory + QLatin1Char('/');
}
