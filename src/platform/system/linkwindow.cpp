#include "platform/system/linkwindow.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A peer that has begun a frame must finish it within this time, or the connection is dropped.
constexpr int kFrameTimeoutMs = 5000;
constexpr int kHandleAttempts = 32;
// Most frames are small: their data comes with the header in one call.
constexpr qsizetype kFirstReadSize = 4096;

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

int connectTo(const QString& path) {
    const std::optional<sockaddr_un> address = socketAddress(path);
    if (!address) return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        fcntl(fd, F_SETFL, O_NONBLOCK) != 0) {
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

// Reads exactly size bytes from a non-blocking socket, waiting at most kFrameTimeoutMs for each part.
bool readExactly(int fd, char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t got = recv(fd, data, static_cast<size_t>(size), 0);
        if (got > 0) {
            data += got;
            size -= got;
            continue;
        }
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) return false;
        pollfd entry{fd, POLLIN, 0};
        if (poll(&entry, 1, kFrameTimeoutMs) <= 0) return false;
    }
    return true;
}

bool writeExactly(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::send(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), MSG_NOSIGNAL);
        if (put > 0) {
            done += put;
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
        pollfd entry{fd, POLLOUT, 0};
        if (poll(&entry, 1, kFrameTimeoutMs) <= 0) return false;
    }
    return true;
}

enum class FrameRead { Complete, Nothing, Broken };

// Reads the frame a peer has sent: header and, in the same call, the start of the data. A peer waits
// for the answer to each frame before it sends another, so bytes beyond the frame break the protocol,
// as do a bad header and a frame left unfinished.
FrameRead readFrame(int fd, LinkFrame& frame) {
    char first[kLinkHeaderSize + kFirstReadSize];
    const ssize_t got = recv(fd, first, sizeof first, MSG_DONTWAIT);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return FrameRead::Nothing;
    if (got <= 0) return FrameRead::Broken;
    if (got < kLinkHeaderSize && !readExactly(fd, first + got, kLinkHeaderSize - got))
        return FrameRead::Broken;
    const std::optional<LinkHeader> header =
        decodeLinkHeader(QByteArray::fromRawData(first, kLinkHeaderSize));
    const qsizetype early = std::max<qsizetype>(got, kLinkHeaderSize) - kLinkHeaderSize;
    if (!header || early > header->Size) return FrameRead::Broken;
    frame = {header->Message, header->WParam, header->DwData, QByteArray(header->Size, Qt::Uninitialized)};
    std::copy_n(first + kLinkHeaderSize, early, frame.Data.data());
    return readExactly(fd, frame.Data.data() + early, frame.Data.size() - early) ? FrameRead::Complete
                                                                                 : FrameRead::Broken;
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

// Blocks of up to kMaxLinkDataSize pass through each process of the link, several copies per
// message. By default the C library hands the top of the heap back to the system after each and
// faults it in again, zeroed, for the next; a process with a link window keeps some of it.
void keepHeapForBlocks() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1 << 20); // larger blocks are mapped, and returned, each time
    mallopt(M_TRIM_THRESHOLD, 8 << 20);
#endif
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
    bool Serving = false;
};

LinkWindow::Created LinkWindow::create(const QString& className, const QString& title) {
    const QString directory = linkDirectory();
    if (directory.isEmpty()) return {nullptr, Failure::Directory, errno};
    if (className.contains(QLatin1Char('\n')) || title.contains(QLatin1Char('\n')))
        return {nullptr, Failure::Window, EINVAL};
    keepHeapForBlocks();
    LinkHandle handle = 0;
    const int recordFd = claimRecord(directory, &handle);
    if (recordFd < 0) return {nullptr, Failure::Window, errno};
    const int listenFd = listenAt(linkSocketPath(directory, handle));
    const QByteArray record = encodeLinkRecord({QCoreApplication::applicationPid(), className, title});
    const bool written = listenFd >= 0 && write(recordFd, record.constData(), record.size()) == record.size();
    const int error = errno;
    close(recordFd);
    if (!written) {
        if (listenFd >= 0) close(listenFd);
        unlink(QFile::encodeName(linkSocketPath(directory, handle)).constData());
        unlink(QFile::encodeName(linkRecordPath(directory, handle)).constData());
        return {nullptr, Failure::Window, error};
    }
    return {std::unique_ptr<LinkWindow>(new LinkWindow(directory, handle, listenFd)), Failure::None, 0};
}

LinkWindow::LinkWindow(QString directory, LinkHandle handle, int listenFd)
    : FDirectory(std::move(directory)), FHandle(handle), FListenFd(listenFd),
      FListenNotifier(std::make_unique<QSocketNotifier>(listenFd, QSocketNotifier::Read)) {
    QObject::connect(FListenNotifier.get(), &QSocketNotifier::activated, FListenNotifier.get(),
                     [this] { acceptPending(); });
    localWindows().push_back(this);
}

LinkWindow::~LinkWindow() {
    std::erase(localWindows(), this);
    // The record goes first, so that nobody finds a window that can no longer answer.
    unlink(QFile::encodeName(linkRecordPath(FDirectory, FHandle)).constData());
    unlink(QFile::encodeName(linkSocketPath(FDirectory, FHandle)).constData());
    FListenNotifier.reset();
    close(FListenFd);
    while (!FConnections.empty())
        closeConnection(FConnections.back()->Fd);
    for (const Outgoing& idle : FIdleOutgoing)
        close(idle.Fd);
}

void LinkWindow::acceptPending() {
    for (;;) {
        const int fd = accept4(FListenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        if (!samePeerUser(fd)) {
            close(fd);
            continue;
        }
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                         [this, fd] { serve(fd); });
        FConnections.push_back(std::make_unique<Connection>(Connection{fd, std::move(notifier)}));
    }
}

LinkWindow::Connection* LinkWindow::connection(int fd) {
    const auto found = std::find_if(FConnections.begin(), FConnections.end(),
                                    [fd](const std::unique_ptr<Connection>& c) { return c->Fd == fd; });
    return found == FConnections.end() ? nullptr : found->get();
}

void LinkWindow::closeConnection(int fd) {
    const auto found = std::find_if(FConnections.begin(), FConnections.end(),
                                    [fd](const std::unique_ptr<Connection>& c) { return c->Fd == fd; });
    if (found == FConnections.end()) return;
    FConnections.erase(found);
    close(fd);
}

// Reads one frame from a connection whose peer waits for the answer, lets the handler process it
// and answers. A malformed or incomplete frame ends the connection; the peer's send then fails.
void LinkWindow::serve(int fd) {
    Connection* c = connection(fd);
    if (!c) return;
    if (c->Serving) {
        // The handler of this connection's frame runs an event loop of its own. Its peer waits for
        // the answer, so nothing can be read before it; stop asking until the handler has returned.
        c->Notifier->setEnabled(false);
        return;
    }
    LinkFrame frame;
    switch (readFrame(fd, frame)) {
    case FrameRead::Nothing:
        return;
    case FrameRead::Broken:
        return closeConnection(fd);
    case FrameRead::Complete:
        break;
    }
    c->Serving = true;
    const qint32 result = dispatch(std::move(frame));
    c = connection(fd);
    if (!c) return;
    c->Serving = false;
    if (!c->Notifier->isEnabled()) c->Notifier->setEnabled(true);
    if (!writeExactly(fd, encodeLinkResult(result))) closeConnection(fd);
}

qint32 LinkWindow::dispatch(LinkFrame frame) {
    if (!FHandler) return 0;
    try {
        return FHandler(std::move(frame));
    } catch (...) {
        // Nothing may unwind through the event loop or into a peer's wait.
        return 0;
    }
}

// Waits until fd is ready for events, serving incoming connections meanwhile. False on error or hang-up.
bool LinkWindow::waitServing(int fd, short events) {
    for (;;) {
        std::vector<pollfd> entries{{fd, events, 0}, {FListenFd, POLLIN, 0}};
        for (const std::unique_ptr<Connection>& c : FConnections)
            if (!c->Serving) entries.push_back({c->Fd, POLLIN, 0});
        if (poll(entries.data(), entries.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (entries[0].revents & events) return true;
        if (entries[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
        if (entries[1].revents & POLLIN) acceptPending();
        for (std::size_t i = 2; i < entries.size(); ++i)
            if (entries[i].revents) serve(entries[i].fd);
    }
}

// Header and data in one call where the socket takes them, so that the peer wakes once per frame.
bool LinkWindow::writeServing(int fd, const QByteArray& header, const QByteArray& data) {
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
            if (!waitServing(fd, POLLOUT)) return false;
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
std::optional<qint32> LinkWindow::readResultServing(int fd) {
    char result[kLinkResultSize];
    qsizetype done = 0;
    while (done < kLinkResultSize) {
        if (!waitServing(fd, POLLIN)) return std::nullopt;
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
    std::optional<qint32> result;
    if (writeServing(fd, header, frame.Data)) result = readResultServing(fd);
    if (result)
        FIdleOutgoing.push_back({target, fd});
    else
        close(fd);
    return result;
}
