#include "testhost.h"

#include "hostlink/lernavomessagestream.h"
#include "hostlink/marvestodemon.h"
#include "hostlink/messagecodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

TestHost::TestHost(TestHostOptions options, Report report)
    : FOptions(std::move(options)), FReport(std::move(report)),
      FWindow(FOptions.HandleText, [this](LinkHandle from, std::unique_ptr<TLernavoMessageStream> request) {
          receive(from, std::move(request));
      }) {}

int TestHost::sendQuit(LinkHandle target, bool serverDown) {
    TLernavoMessageStream quit(nullptr);
    quit.SetMsgCode(mcQuit);
    quit.WriteByte(serverDown ? 1 : 0);
    quit.SetTimeStamp(currentTimeStamp());
    const std::optional<qint32> result = FWindow.deliver(target, quit);
    return result ? *result : -1;
}

int TestHost::sendParams(LinkHandle target, int count) {
    int delivered = 0;
    for (int i = 1; i <= count; ++i) {
        TLernavoMessageStream params(nullptr);
        params.SetMsgCode(mcParams);
        params.WriteLines({QStringLiteral("soak"), QString::number(i)});
        params.SetTimeStamp(currentTimeStamp());
        if (FWindow.deliver(target, params)) ++delivered;
    }
    return delivered;
}

void TestHost::receive(LinkHandle from, std::unique_ptr<TLernavoMessageStream> request) {
    if (!request) return FReport(QStringLiteral("dropped short block"));
    FReport(QStringLiteral("request %1 from %2").arg(request->MsgCode()).arg(from, 0, 16));
    try {
        TLernavoMessageStream reply(nullptr);
        answer(*request, reply);
        if (request->MsgCode() != mcRegister && request->MsgCode() != mcUnregister)
            FWindow.reply(from, *request, reply);
    } catch (const EReadError&) {
        FReport(QStringLiteral("dropped malformed request %1").arg(request->MsgCode()));
    }
}

void TestHost::answer(TLernavoMessageStream& request, TLernavoMessageStream& reply) {
    switch (request.MsgCode()) {
    case mcRegister:
    case mcUnregister:
        return track(request, request.MsgCode() == mcRegister);
    case mcQueryEntity:
        return answerEntityQuery(request, reply);
    case mcExecute:
        return answerExecute(request, reply);
    case mcGetFile:
        return answerFile(request, reply);
    case mcQueryFileName:
        // The host keeps each program's files in its folder under the program's file name.
        return reply.WriteString(
            QDir(FOptions.FilesDirectory).filePath(QFileInfo(request.ReadString()).fileName()));
    case mcQueryText: {
        const QString text = request.ReadString();
        return reply.WriteString(FOptions.Texts.value(text, text));
    }
    case mcQueryVariable:
        return reply.WriteString(FOptions.Variables.value(request.ReadString()));
    default:
        return;
    }
}

void TestHost::track(TLernavoMessageStream& request, bool registering) {
    auto entity = std::make_unique<TEntity>(nullptr);
    entity->ReadFrom(request);
    FReport(QStringLiteral("%1 %2 %3")
                .arg(registering ? QStringLiteral("registered") : QStringLiteral("unregistered"))
                .arg(entity->WindowHandle(), 0, 16)
                .arg(entity->GetTitle()));
    std::erase_if(FRegistered,
                  [&](const auto& known) { return known->WindowHandle() == entity->WindowHandle(); });
    if (registering) FRegistered.push_back(std::move(entity));
}

void TestHost::answerEntityQuery(TLernavoMessageStream& request, TLernavoMessageStream& reply) {
    const quint8 selector = request.ReadByte();
    const LinkHandle handle = selector == kQueryByHandle ? static_cast<LinkHandle>(request.ReadInt32()) : 0;
    const QString title = selector == kQueryByTitle ? request.ReadString() : QString();
    for (const std::unique_ptr<TEntity>& known : FRegistered) {
        const bool match = selector == kQueryByHandle
                               ? known->WindowHandle() == handle
                               : selector == kQueryByTitle && known->GetTitle() == title;
        if (match) return known->WriteTo(reply);
    }
}

void TestHost::answerFile(TLernavoMessageStream& request, TLernavoMessageStream& reply) {
    // Only files inside the folder are served, whatever the name says.
    const QString root = QFileInfo(FOptions.FilesDirectory).canonicalFilePath();
    const QFileInfo info(request.ReadString());
    QFile file(info.canonicalFilePath());
    const bool inside = !root.isEmpty() && info.canonicalPath() == root;
    if (!inside || !file.open(QIODevice::ReadOnly)) return reply.WriteByte(0);
    reply.WriteByte(1);
    reply.WriteBytes(file.readAll());
}

void TestHost::answerExecute(TLernavoMessageStream& request, TLernavoMessageStream& reply) {
    const QString file = request.ReadString();
    const QStringList arguments = QProcess::splitCommand(request.ReadString());
    request.ReadByte();  // wait flag: the client waits itself
    request.ReadInt32(); // option: nothing to choose here
    qint64 pid = 0;
    if (!QProcess::startDetached(file, arguments, QString(), &pid)) pid = 0;
    reply.WriteInt32(static_cast<qint32>(pid));
}
