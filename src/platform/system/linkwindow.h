// A link window: the hidden window through which programs exchange copy-data messages. On Windows
// it is a hidden top-level window of the class name and title, and a message is WM_COPYDATA sent
// with SendMessageTimeoutA. Elsewhere it is stood in for by a Unix-domain socket in the private
// link directory, named by a 32-bit handle and described by a record (class name, title, process).
//
// Incoming messages are served from the Qt event loop when idle, and from inside send() while it
// waits for its answer, as a synchronous window message would be. A message to a window of the same
// process calls its handler directly, as the desktop does within one thread. Each message is
// answered with the handler's 32-bit result. A dead, absent or hung peer makes send() fail quietly,
// the last after kLinkSendTimeoutMs.
//
// Of the stand-in: nothing a peer does blocks the window: each connection reads what has arrived and hands
// its frame on when it is complete. A frame still incomplete kLinkSendTimeoutMs after its first byte ends its
// connection, as does a frame that would take the frames arriving on all connections past
// kMaxLinkPendingSize. When the process runs out of descriptors the window stops accepting until
// one of its connections closes, or for a while.
#pragma once

#include "platform/system/linkdirectory.h"
#include "platform/system/linkframe.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

class LinkWindow {
public:
    // Receives each incoming message; may itself send. It must not destroy the window.
    // The frame is the handler's to keep or take apart.
    using Handler = std::function<qint32(LinkFrame frame)>;

    enum class Failure { None, Directory, Window };
    struct Created {
        std::unique_ptr<LinkWindow> Window;
        Failure Error = Failure::None;
        int ErrorNumber = 0;     // errno of the failed call
        LinkDirectory Directory; // where the window is, or was to be, made
    };
    static Created create(const QString& className, const QString& title);

    ~LinkWindow();
    LinkWindow(const LinkWindow&) = delete;
    LinkWindow& operator=(const LinkWindow&) = delete;

    LinkHandle handle() const { return FHandle; }
    void setHandler(Handler handler) { FHandler = std::move(handler); }

    // Delivers the frame and returns the receiver's result; none when the target is absent or
    // died, or the data is larger than kMaxLinkDataSize.
    std::optional<qint32> send(LinkHandle target, const LinkFrame& frame);

private:
    // The handler's result; 0 when there is none or it throws.
    qint32 dispatch(LinkFrame frame);
#ifdef Q_OS_WIN
    struct Procedure; // the window procedure of the class
    LinkWindow(void* window, LinkHandle handle) : FWindow(window), FHandle(handle) {}

    void* FWindow;
    LinkHandle FHandle;
    Handler FHandler;
#else
    struct Connection;
    struct Outgoing {
        LinkHandle Target;
        int Fd;
    };

    LinkWindow(QString directory, LinkHandle handle, int listenFd);
    void acceptPending();
    void pauseAccepting();
    void resumeAccepting();
    void serve(int fd);
    void answer(int fd, LinkFrame frame);
    void closeConnection(int fd);
    Connection* connection(int fd);
    qsizetype pendingSize() const;
    void keepTime();
    std::optional<qint64> nextWake() const;
    bool waitServing(int fd, short events, qint64 deadline);
    bool writeServing(int fd, const QByteArray& header, const QByteArray& data, qint64 deadline);
    std::optional<qint32> readResultServing(int fd, qint64 deadline);
    int takeOutgoing(LinkHandle target);

    QString FDirectory;
    LinkHandle FHandle;
    int FListenFd;
    std::unique_ptr<QSocketNotifier> FListenNotifier;
    std::optional<qint64> FAcceptResumeAt; // while accepting is paused
    std::vector<std::unique_ptr<Connection>> FConnections;
    std::vector<Outgoing> FIdleOutgoing;
    QTimer FTimer; // for overdue frames and paused accepting
    Handler FHandler;
#endif
};
