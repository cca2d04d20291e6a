// The host's side of the link: the server's link window for a handle text. Each request that
// arrives goes to a handler with the window it came from; replies and messages go out from here.
// The stand-in host answers through it, and so do the hosts the link's tests keep in their own
// process.
#pragma once

#include "hostlink/lernavomessagestream.h"
#include "platform/system/linkwindow.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class HostWindow {
public:
    // A request and the window it came from; none when its block is shorter than a time stamp.
    using Handler = std::function<void(LinkHandle from, std::unique_ptr<TLernavoMessageStream> request)>;

    // Not open when the link window cannot be created.
    HostWindow(const QString& handleText, Handler handler);
    bool isOpen() const { return FWindow != nullptr; }
    LinkHandle handle() const;

    // Sends a message to a window: the window's result, none when it could not be reached.
    std::optional<qint32> deliver(LinkHandle target, const TLernavoMessageStream& message);
    // Sends a copy-data block (time stamp, then content) under a message code as it is, well
    // formed or not.
    std::optional<qint32> deliver(LinkHandle target, qint32 msgCode, const QByteArray& block);
    // Sends reply as the mcReply to request: with the request's time stamp, so that the asking
    // window takes it as its answer.
    void reply(LinkHandle target, const TLernavoMessageStream& request, TLernavoMessageStream& reply);
    // The next reply carries a time stamp other than its request's.
    void stampNextReplyWrongly() { FWrongStampNext = true; }

private:
    std::unique_ptr<LinkWindow> FWindow;
    bool FWrongStampNext = false;
};
