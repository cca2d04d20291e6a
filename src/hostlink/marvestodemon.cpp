// The link itself: construction and destruction, the hidden window, sending and receiving.
#include "hostlink/marvestodemon.h"

#include "hostlink/copydata.h"
#include "hostlink/hostsettings.h"
#include "hostlink/messagecodes.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/application.h"
#include "platform/system/lasterror.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"
#include "platform/system/linkwindow.h"
#include "platform/system/namedmutex.h"
#include "platform/system/settingsvalue.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

// What the user is told about the link: nothing when it works where it should, otherwise which
// directory was passed over and why, and what is not available.
QString linkNotice(const LinkWindow::Created& created) {
    const LinkDirectory& directory = created.Directory;
    if (created.Window)
        return directory.Problem.isEmpty()
                   ? QString()
                   : QStringLiteral("the host link uses %1 (%2)").arg(directory.Path, directory.Problem);
    const QString cause = directory.Path.isEmpty()
                              ? directory.Problem
                              : QStringLiteral("cannot create a link window in %1: %2")
                                    .arg(directory.Path, systemErrorText(created.ErrorNumber));
    return QStringLiteral("running without the host link, so neither the host textbook nor another copy "
                          "of the program can reach this one (%1)")
        .arg(cause);
}

} // namespace

TkdbCustomDemon::TkdbCustomDemon(TComponentBase* owner, const QStringList& arguments)
    : TComponent(owner), FServerEntity(std::make_unique<TEntity>(this)),
      FOwnEntity(std::make_unique<TEntity>(this)), FDictionary(std::make_unique<TRivazidad2000>(QString())) {
    const QString settings = hostSettingsPath();
    QString refusal;
    const QString handleText = serverHandleText(
        readSettingsValue(settings, QStringLiteral("demon"), QStringLiteral("ViewerHandle"), &refusal),
        arguments);
    if (!refusal.isEmpty())
        std::fprintf(stderr, "%s: the host's settings file %s is not read: %s\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(settings),
                     qPrintable(refusal));
    FServerEntity->SetWindowHandle(
        findLinkWindow(serverWindowClassName(handleText), serverWindowTitle(handleText)));
    FParams = paramsWithoutServerHandle(arguments);
    PublishEvent(QStringLiteral("OnGotAMessage"), &FOnGotAMessage);
    PublishEvent(QStringLiteral("OnQuitMsgReceived"), &FOnQuitMsgReceived);
    PublishEvent(QStringLiteral("OnParamsChange"), &FOnParamsChange);
}

// The program runs in whatever environment it is started: where no link window can be made, it
// runs without one, alone, and says so once.
void TkdbCustomDemon::OpenLinkWindow() {
    FOwnEntity->SetTitle(QCoreApplication::applicationName());
    FOwnEntity->SetFileName(QCoreApplication::applicationFilePath());
    LinkWindow::Created created = LinkWindow::create(GetWindowClassName(), GetWindowTitle());
    const QString notice = linkNotice(created);
    if (!notice.isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(notice));
    if (!created.Window) return;
    FWindow = std::move(created.Window);
    FOwnEntity->SetWindowHandle(FWindow->handle());
    FWindow->setHandler([this](LinkFrame frame) { return receive(std::move(frame)); });
}

TkdbCustomDemon::~TkdbCustomDemon() {
    FPendingReplies.clear();
    FWindow.reset();
    FMutex.reset();
    FOwnEntity->SetMutexHandle(0);
    FDictionary.reset();
    QCoreApplication::quit();
}

bool TkdbCustomDemon::AutoCreateItlFile() const {
    return FDictionary->Collect();
}

void TkdbCustomDemon::SetAutoCreateItlFile(bool value) {
    FDictionary->SetCollect(value);
}

QString TkdbCustomDemon::Translate(const QString& key) {
    return FDictionary->Translate(key);
}

void TkdbCustomDemon::Unregister() {
    if (FServerDown) return;
    try {
        sendOwnEntity(mcUnregister);
    } catch (const std::exception&) {
        // A farewell that cannot be written must not stop the teardown.
    }
}

void TkdbCustomDemon::sendOwnEntity(qint32 msgCode) {
    TLernavoMessageStream msg(this);
    msg.SetMsgCode(msgCode);
    FOwnEntity->WriteTo(msg);
    SendMsg(*FServerEntity, msg, nullptr);
}

bool TkdbCustomDemon::SendMsg(TEntity& target, TLernavoMessageStream& msg, TLernavoMessageStream* reply) {
    FLastStamp = nextTimeStamp(currentTimeStamp(), FLastStamp);
    msg.SetTimeStamp(FLastStamp);
    msg.SetOwner(this);
    if (reply) reply->SetOwner(this);
    if (!FWindow) return false;
    if (msg.Size() > kMaxContentSize)
        throw ELernavo(QStringLiteral("Message too large: %1 bytes of content, at most %2 can be sent")
                           .arg(msg.Size())
                           .arg(kMaxContentSize));
    FWaiting.push_back(msg.TimeStamp());
    const bool taken =
        FWindow->send(target.WindowHandle(), copyDataFrame(FWindow->handle(), msg)).has_value();
    FWaiting.pop_back();
    const auto match = std::find_if(FPendingReplies.begin(), FPendingReplies.end(), [&](const auto& pending) {
        return pending->TimeStamp() == msg.TimeStamp();
    });
    if (match == FPendingReplies.end()) return taken;
    const std::unique_ptr<TLernavoMessageStream> claimed = std::move(*match);
    FPendingReplies.erase(match);
    if (reply) reply->Assign(*claimed);
    return taken;
}

// Whether a request waits for a reply with this stamp and has none yet.
bool TkdbCustomDemon::awaited(LinkTimeStamp stamp) const {
    return std::find(FWaiting.begin(), FWaiting.end(), stamp) != FWaiting.end() &&
           std::none_of(FPendingReplies.begin(), FPendingReplies.end(),
                        [&](const auto& pending) { return pending->TimeStamp() == stamp; });
}

// The window procedure's copy-data step. Whatever arrives is checked; nothing raised by a
// message may unwind into the event loop or into the sender's wait.
qint32 TkdbCustomDemon::receive(LinkFrame frame) {
    if (frame.Message != kCopyDataMessage) return 0;
    std::unique_ptr<TLernavoMessageStream> msg =
        messageFromCopyData(this, frame.WParam, frame.DwData, std::move(frame.Data));
    if (!msg) return 0; // shorter than its time stamp
    try {
        ProcessMessage(msg);
    } catch (const EReadError&) {
        // Content that ends before what its code announces is dropped.
    } catch (const std::exception& e) {
        TApplication::HandleException(e);
    }
    return 0;
}

void TkdbCustomDemon::ProcessMessage(std::unique_ptr<TLernavoMessageStream>& Msg) {
    switch (Msg->MsgCode()) {
    case mcQuit:
        handleQuit(*Msg);
        break;
    case mcReply:
        if (awaited(Msg->TimeStamp())) FPendingReplies.push_back(std::move(Msg));
        break;
    case mcParams:
        if (Msg->Size() > kMaxParamsSize) break;
        FParams = Msg->ReadLines();
        if (FOnParamsChange) FOnParamsChange(this);
        break;
    default:
        if (FOnGotAMessage) FOnGotAMessage(this, *Msg);
    }
}

void TkdbCustomDemon::handleQuit(TLernavoMessageStream& msg) {
    FServerDown = msg.ReadByte() != 0;
    bool allowQuit = true;
    if (FOnQuitMsgReceived) FOnQuitMsgReceived(this, FServerDown, allowQuit);
    // The window procedure that delivered the message is still running: end after it has returned.
    if (allowQuit) deleteLater();
}
