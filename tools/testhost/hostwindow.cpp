#include "hostwindow.h"

#include "hostlink/copydata.h"
#include "hostlink/marvestodemon.h"
#include "hostlink/messagecodes.h"

HostWindow::HostWindow(const QString& handleText, Handler handler)
    : FWindow(LinkWindow::create(serverWindowClassName(handleText), serverWindowTitle(handleText)).Window) {
    if (!FWindow) return;
    FWindow->setHandler([handler = std::move(handler)](LinkFrame frame) {
        handler(frame.WParam,
                messageFromCopyData(nullptr, frame.WParam, frame.DwData, std::move(frame.Data)));
        return 0;
    });
}

LinkHandle HostWindow::handle() const {
    return FWindow ? FWindow->handle() : 0;
}

std::optional<qint32> HostWindow::deliver(LinkHandle target, const TLernavoMessageStream& message) {
    return deliver(target, message.MsgCode(), copyDataBlock(message));
}

std::optional<qint32> HostWindow::deliver(LinkHandle target, qint32 msgCode, const QByteArray& block) {
    return FWindow->send(target, {kCopyDataMessage, FWindow->handle(), static_cast<quint32>(msgCode), block});
}

void HostWindow::reply(LinkHandle target, const TLernavoMessageStream& request,
                       TLernavoMessageStream& reply) {
    reply.SetMsgCode(mcReply);
    reply.SetTimeStamp(request.TimeStamp());
    if (FWrongStampNext) {
        // A day earlier, so that no later request can carry the same stamp.
        reply.SetTimeStamp({request.TimeStamp().Time, request.TimeStamp().Date - 1});
        FWrongStampNext = false;
    }
    deliver(target, reply);
}
