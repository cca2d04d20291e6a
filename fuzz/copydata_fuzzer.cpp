// libFuzzer target: the copy-data receive path of the host link. Input: the 32-bit message code
// (dwData), then the data block. Any block must be dropped or handled, never crash, hang or throw.
// Messages go to the link's own window through its real receive step.
#include "fuzzsupport.h"
#include "hostlink/marvestodemon.h"
#include "platform/system/linkwindow.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

struct Receiver {
    Receiver()
        : Sender(LinkWindow::create(QStringLiteral("FuzzSender"), QString()).Window),
          Client(std::make_unique<TkdbDemonClient>(nullptr, QStringList{QStringLiteral("fuzz")})) {
        Client->SetOnQuitMsgReceived([](QObject*, bool, bool& allowQuit) { allowQuit = false; });
        Client->SetOnGotAMessage([](QObject*, TLernavoMessageStream& msg) {
            // What a host does with a request: read what its code announces.
            TEntity entity(nullptr);
            entity.ReadFrom(msg);
        });
    }
    std::unique_ptr<LinkWindow> Sender;
    std::unique_ptr<TkdbDemonClient> Client;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareQtForFuzzing();
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Receiver receiver;
    if (size < 4) return 0;
    const quint32 code = qFromLittleEndian<quint32>(data);
    const QByteArray block(reinterpret_cast<const char*>(data) + 4, static_cast<qsizetype>(size - 4));
    decodeLinkHeader(block);
    receiver.Sender->send(receiver.Client->OwnEntity().WindowHandle(),
                          {kCopyDataMessage, receiver.Sender->handle(), code, block});
    require(receiver.Client->PendingReplyCount() == 0); // no request waits
    return 0;
}
