#include "platform/system/linkwindow.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/linkframeassembler.h"
#include "platform/system/linkrecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kHandleAttempts = 32;
// Most frames are small: their data comes with the header in one call.
constexpr qsizetype kFirstReadSize = 4096;
// How long accepting rests when the process is out of descriptors and none of the window's own
// connections closes meanwhile.
constexpr int kAcceptPauseMs = 250;

qint64 monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<sockaddr_un> socketAddress(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    if (native.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::copy(native.begin(), native.end(), address.sun_path);
    return address;
}

// Never waits: a peer whose queue of connections is full counts as absent.
int connectTo(const QString& path) {
    const std::optional<sockaddr_un> address = socketAddress(path);
    if (!address) return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int listenAt(const QString& path) {
    const std::optional<sockaddr_un> address = socketAddress(path);
    if (!address) return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    unlink(address->sun_path);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 || listen(fd, 64) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads what has arrived of the connection's frame without waiting. The header and the start of
// the data come in one call; the rest of the data goes straight into place. A peer waits for the
// answer to each frame before it sends another, so a byte beyond the frame breaks the protocol, as
// does a bad header or the peer's end in the middle of a frame.
LinkFrameAssembler::State readArrived(int fd, LinkFrameAssembler& frame) {
    for (;;) {
        char first[kLinkHeaderSize + kFirstReadSize];
        const bool header = !frame.headerComplete();
        char* into = header ? first : frame.space();
        const qsizetype room = header ? frame.spaceSize() + kFirstReadSize : frame.spaceSize();
        const ssize_t got = recv(fd, into, static_cast<size_t>(room), MSG_DONTWAIT);
        if (got == 0) return LinkFrameAssembler::State::Broken;
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno == EAGAIN ? frame.state() : LinkFrameAssembler::State::Broken;
        }
        const LinkFrameAssembler::State state =
            header ? frame.feed(first, got, monotonicMs()) : frame.commit(got, monotonicMs());
        if (state != LinkFrameAssembler::State::Incomplete) return state;
    }
}

bool samePeerUser(int fd) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 && credentials.uid == getuid();
}

// Claims a free handle by creating its record file exclusively; the file descriptor or -1.
int claimRecord(const QString& directory, LinkHandle* handle) {
    for (int attempt = 0; attempt < kHandleAttempts; ++attempt) {
        const LinkHandle candidate = QRandomGenerator::global()->generate();
        if (candidate == 0) continue;
        const QByteArray path = QFile::encodeName(linkRecordPath(directory, candidate));
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            *handle = candidate;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

// The record goes first, so that nobody finds a window that can no longer answer.
void removeWindowFiles(const QString& directory, LinkHandle handle) {
    unlink(QFile::encodeName(linkRecordPath(directory, handle)).constData());
    unlink(QFile::encodeName(linkSocketPath(directory, handle)).constData());
}

// Whether a connection is the one on fd.
auto connectionOf(int fd) {
    return [fd](const auto& connection) { return connection->Fd == fd; };
}

// The link windows of this process, for direct delivery.
std::vector<LinkWindow*>& localWindows() {
    static std::vector<LinkWindow*> windows;
    return windows;
}

LinkWindow* localWindow(LinkHandle handle) {
    for (LinkWindow* window : localWindows())
        if (window->handle() == handle) return window;
    return nullptr;
}

} // namespace

struct LinkWindow::Connection {
    int Fd;
    std::unique_ptr<QSocketNotifier> Notifier;
    LinkFrameAssembler Frame;
    bool Serving = false;
};

LinkWindow::Created LinkWindow::create(const QString& className, const QString& title) {
    const LinkDirectory found = findLinkDirectory();
    const QString& directory = found.Path;
    if (directory.isEmpty()) return {nullptr, Failure::Directory, errno, found};
    if (className.contains(QLatin1Char('\n')) || title.contains(QLatin1Char('\n')))
        return {nullptr, Failure::Window, EINVAL, found};
    LinkHandle handle = 0;
    const int recordFd = claimRecord(directory, &handle);
    if (recordFd < 0) return {nullptr, Failure::Window, errno, found};
    const int listenFd = listenAt(linkSocketPath(directory, handle));
    const QByteArray record = encodeLinkRecord({QCoreApplication::applicationPid(), className, title});
    const bool written = listenFd >= 0 && write(recordFd, record.constData(), record.size()) == record.size();
    const int error = errno;
    close(recordFd);
    if (!written) {
        if (listenFd >= 0) close(listenFd);
        removeWindowFiles(directory, handle);
        return {nullptr, Failure::Window, error, found};
    }
    return {std::unique_ptr<LinkWindow>(new LinkWindow(directory, handle, listenFd)), Failure::None, 0,
            found};
}

LinkWindow::LinkWindow(QString directory, LinkHandle handle, int listenFd)
    : FDirectory(std::move(directory)), FHandle(handle), FListenFd(listenFd),
      FListenNotifier(std::make_unique<QSocketNotifier>(listenFd, QSocketNotifier::Read)) {
    QObject::connect(FListenNotifier.get(), &QSocketNotifier::activated, FListenNotifier.get(),
                     [this] { acceptPending(); });
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, &FTimer, [this] { keepTime(); });
    localWindows().push_back(this);
}

LinkWindow::~LinkWindow() {
    std::erase(localWindows(), this);
    removeWindowFiles(FDirectory, FHandle);
    FListenNotifier.reset();
    close(FListenFd);
    while (!FConnections.empty()) {
        const int fd = FConnections.back()->Fd;
        FConnections.pop_back();
        close(fd);
    }
    for (const Outgoing& idle : FIdleOutgoing)
        close(idle.Fd);
}

void LinkWindow::acceptPending() {
    for (;;) {
        const int fd = accept4(FListenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            // Out of descriptors (or memory): the listening socket stays readable, so asking again
            // at once would only spin.
            if (errno != EAGAIN) pauseAccepting();
            return;
        }
        if (!samePeerUser(fd)) {
            close(fd);
            continue;
        }
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                         [this, fd] { serve(fd); });
        FConnections.push_back(std::make_unique<Connection>(Connection{fd, std::move(notifier), {}}));
    }
}

// Both run out of descriptors, where the sanitizer's check of the notifier's type cannot probe the
// memory it reads (it does so through a pipe) and would report a sound object as broken.
__attribute__((no_sanitize("vptr"))) void LinkWindow::pauseAccepting() {
    FListenNotifier->setEnabled(false);
    FAcceptResumeAt = monotonicMs() + kAcceptPauseMs;
    keepTime();
}

__attribute__((no_sanitize("vptr"))) void LinkWindow::resumeAccepting() {
    if (!FAcceptResumeAt) return;
    FAcceptResumeAt.reset();
    FListenNotifier->setEnabled(true);
}

LinkWindow::Connection* LinkWindow::connection(int fd) {
    const auto found = std::find_if(FConnections.begin(), FConnections.end(), connectionOf(fd));
    return found == FConnections.end() ? nullptr : found->get();
}

void LinkWindow::closeConnection(int fd) {
    if (std::erase_if(FConnections, connectionOf(fd)) == 0) return;
    close(fd);
    resumeAccepting(); // a descriptor is free
}

qsizetype LinkWindow::pendingSize() const {
    qsizetype size = 0;
    for (const std::unique_ptr<Connection>& c : FConnections)
        if (c->Frame.state() == LinkFrameAssembler::State::Incomplete) size += c->Frame.pendingSize();
    return size;
}

// Ends the connections whose frames are overdue, resumes accepting when its pause is over, and
// sets the timer for whichever comes next.
void LinkWindow::keepTime() {
    const qint64 now = monotonicMs();
    if (FAcceptResumeAt && *FAcceptResumeAt <= now) resumeAccepting();
    std::vector<int> overdue;
    for (const std::unique_ptr<Connection>& c : FConnections)
        if (c->Frame.deadline() && *c->Frame.deadline() <= now) overdue.push_back(c->Fd);
    for (const int fd : overdue)
        closeConnection(fd);
    const std::optional<qint64> next = nextWake();
    if (next)
        FTimer.start(static_cast<int>(std::max<qint64>(0, *next - now)));
    else
        FTimer.stop();
}

std::optional<qint64> LinkWindow::nextWake() const {
    std::optional<qint64> next = FAcceptResumeAt;
    for (const std::unique_ptr<Connection>& c : FConnections)
        if (const std::optional<qint64> deadline = c->Frame.deadline())
            next = next ? std::min(*next, *deadline) : *deadline;
    return next;
}

// Reads what a connection has sent; a complete frame is handled and answered, a broken one or one
// too large for what all connections may hold ends the connection.
void LinkWindow::serve(int fd) {
    Connection* c = connection(fd);
    if (!c) return;
    if (c->Serving) {
        // The handler of this connection's frame runs an event loop of its own. Its peer waits for
        // the answer, so nothing can be read before it; stop asking until the handler has returned.
        c->Notifier->setEnabled(false);
        return;
    }
    const bool headerBefore = c->Frame.headerComplete();
    const LinkFrameAssembler::State state = readArrived(fd, c->Frame);
    const bool tooMuch = !headerBefore && c->Frame.headerComplete() &&
                         state == LinkFrameAssembler::State::Incomplete &&
                         pendingSize() > kMaxLinkPendingSize;
    if (state == LinkFrameAssembler::State::Broken || tooMuch)
        closeConnection(fd);
    else if (state == LinkFrameAssembler::State::Complete)
        answer(fd, c->Frame.take());
    keepTime();
}

// Lets the handler process the frame and answers the peer with its result.
void LinkWindow::answer(int fd, LinkFrame frame) {
    connection(fd)->Serving = true;
    const qint32 result = dispatch(std::move(frame));
    Connection* c = connection(fd);
    if (!c) return;
    c->Serving = false;
    if (!c->Notifier->isEnabled()) c->Notifier->setEnabled(true);
    // The peer waits for these four bytes, so its side of the socket has room for them.
    const QByteArray bytes = encodeLinkResult(result);
    if (::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT) != bytes.size())
        closeConnection(fd);
}

// Waits until fd is ready for events, serving incoming connections meanwhile. False on error,
// hang-up or when the deadline has passed.
bool LinkWindow::waitServing(int fd, short events, qint64 deadline) {
    for (;;) {
        const qint64 now = monotonicMs();
        if (now >= deadline) return false;
        const qint64 wake = std::min(deadline, nextWake().value_or(deadline));
        std::vector<pollfd> entries{{fd, events, 0}, {FAcceptResumeAt ? -1 : FListenFd, POLLIN, 0}};
        for (const std::unique_ptr<Connection>& c : FConnections)
            if (!c->Serving) entries.push_back({c->Fd, POLLIN, 0});
        const int ready =
            poll(entries.data(), entries.size(), static_cast<int>(std::max<qint64>(0, wake - now)));
        if (ready < 0 && errno != EINTR) return false;
        if (entries[0].revents & events) return true;
        if (entries[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
        if (entries[1].revents & POLLIN) acceptPending();
        for (std::size_t i = 2; i < entries.size(); ++i)
            if (entries[i].revents) serve(entries[i].fd);
        keepTime();
    }
}

// Header and data in one call where the socket takes them, so that the peer wakes once per frame.
bool LinkWindow::writeServing(int fd, const QByteArray& header, const QByteArray& data, qint64 deadline) {
    iovec parts[2] = {{const_cast<char*>(header.constData()), static_cast<size_t>(header.size())},
                      {const_cast<char*>(data.constData()), static_cast<size_t>(data.size())}};
    iovec* next = parts;
    int remaining = 2;
    while (remaining > 0) {
        msghdr message{};
        message.msg_iov = next;
        message.msg_iovlen = static_cast<size_t>(remaining);
        ssize_t put = sendmsg(fd, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (put < 0 && errno == EAGAIN) {
            if (!waitServing(fd, POLLOUT, deadline)) return false;
            continue;
        }
        if (put < 0 && errno != EINTR) return false;
        for (; remaining > 0 && put >= static_cast<ssize_t>(next->iov_len); --remaining, ++next)
            put -= static_cast<ssize_t>(next->iov_len);
        if (remaining > 0 && put > 0) {
            next->iov_base = static_cast<char*>(next->iov_base) + put;
            next->iov_len -= static_cast<size_t>(put);
        }
    }
    return true;
}

// The peer answers only after it has woken and handled the frame, so this waits before reading.
std::optional<qint32> LinkWindow::readResultServing(int fd, qint64 deadline) {
    char result[kLinkResultSize];
    qsizetype done = 0;
    while (done < kLinkResultSize) {
        if (!waitServing(fd, POLLIN, deadline)) return std::nullopt;
        const ssize_t got =
            recv(fd, result + done, static_cast<size_t>(kLinkResultSize - done), MSG_DONTWAIT);
        if (got > 0)
            done += got;
        else if (got == 0 || (errno != EAGAIN && errno != EINTR))
            return std::nullopt;
    }
    return decodeLinkResult(result);
}

// An idle connection to the target, or a new one; -1 when the target cannot be reached. A send
// nested in another to the same target gets a connection of its own.
int LinkWindow::takeOutgoing(LinkHandle target) {
    const auto idle = std::find_if(FIdleOutgoing.begin(), FIdleOutgoing.end(),
                                   [target](const Outgoing& o) { return o.Target == target; });
    if (idle == FIdleOutgoing.end()) return connectTo(linkSocketPath(FDirectory, target));
    const int fd = idle->Fd;
    FIdleOutgoing.erase(idle);
    return fd;
}

std::optional<qint32> LinkWindow::send(LinkHandle target, const LinkFrame& frame) {
    const QByteArray header = encodeLinkHeader(frame);
    if (target == 0 || header.isEmpty()) return std::nullopt;
    if (LinkWindow* local = localWindow(target)) return local->dispatch(frame);
    const int fd = takeOutgoing(target);
    if (fd < 0) return std::nullopt;
    const qint64 deadline = monotonicMs() + kLinkSendTimeoutMs;
    std::optional<qint32> result;
    if (writeServing(fd, header, frame.Data, deadline)) result = readResultServing(fd, deadline);
    if (result)
        FIdleOutgoing.push_back({target, fd});
    else
        close(fd); // an answer that comes later must not be taken for another frame's
    return result;
}
