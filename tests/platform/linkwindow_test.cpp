#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"
#include "platform/system/linkwindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kClass = QStringLiteral("TestLinkClass");

std::unique_ptr<LinkWindow> makeWindow(const QString& title) {
    LinkWindow::Created created = LinkWindow::create(kClass, title);
    EXPECT_EQ(created.Error, LinkWindow::Failure::None);
    return std::move(created.Window);
}

// A plain socket connected to a link window, standing for a peer in another process.
int rawConnect(LinkHandle handle) {
    const QByteArray path = QFile::encodeName(linkSocketPath(linkDirectory(), handle));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    return fd;
}

// Lets the window's event-loop side run until fd is readable or a second has passed.
bool pumpUntilReadable(int fd) {
    for (int i = 0; i < 200; ++i) {
        QCoreApplication::processEvents();
        pollfd entry{fd, POLLIN, 0};
        if (poll(&entry, 1, 5) > 0) return true;
    }
    return false;
}

bool peerClosed(int fd) {
    char byte;
    return pumpUntilReadable(fd) && recv(fd, &byte, 1, 0) == 0;
}

} // namespace

TEST(LinkWindow, FoundByClassAndTitleWhileItLives) {
    std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Find me"));
    const LinkHandle handle = window->handle();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(findLinkWindow(kClass, QStringLiteral("Find me")), handle);
    EXPECT_EQ(findLinkWindow(kClass, QStringLiteral("Find")), 0u);
    EXPECT_EQ(findLinkWindow(QStringLiteral("Other"), QStringLiteral("Find me")), 0u);
    EXPECT_TRUE(isLinkWindow(handle));
    window.reset();
    EXPECT_FALSE(isLinkWindow(handle));
    EXPECT_EQ(findLinkWindow(kClass, QStringLiteral("Find me")), 0u);
    EXPECT_FALSE(isLinkWindow(0));
}

TEST(LinkWindow, AWindowOfADeadProcessIsNotFound) {
    const QString directory = linkDirectory();
    QFile record(linkRecordPath(directory, 0x1234));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write(encodeLinkRecord({999999999, kClass, QStringLiteral("Dead")}));
    record.close();
    EXPECT_FALSE(isLinkWindow(0x1234));
    EXPECT_EQ(findLinkWindow(kClass, QStringLiteral("Dead")), 0u);
}

TEST(LinkWindow, SendWithinTheProcessCallsTheHandlerAndReturnsItsResult) {
    std::unique_ptr<LinkWindow> a = makeWindow(QStringLiteral("A"));
    std::unique_ptr<LinkWindow> b = makeWindow(QStringLiteral("B"));
    LinkFrame seen;
    b->setHandler([&](const LinkFrame& frame) {
        seen = frame;
        return 42;
    });
    const std::optional<qint32> result = a->send(b->handle(), {kCopyDataMessage, a->handle(), 7, "data"});
    EXPECT_EQ(result, 42);
    EXPECT_EQ(seen.WParam, a->handle());
    EXPECT_EQ(seen.DwData, 7u);
    EXPECT_EQ(seen.Data, QByteArray("data"));
    EXPECT_EQ(a->send(0, {}), std::nullopt);
    EXPECT_EQ(a->send(0x7777, {}), std::nullopt); // nobody there
    EXPECT_EQ(a->send(b->handle(), {kCopyDataMessage, 0, 0, QByteArray(kMaxLinkDataSize + 1, 'x')}),
              std::nullopt);
}

// The peer answers only after sending a message of its own back, which the sender must serve while
// it waits, as a reply arrives during a request.
TEST(LinkWindow, SendServesIncomingMessagesWhileItWaits) {
    std::unique_ptr<LinkWindow> a = makeWindow(QStringLiteral("A"));
    QByteArray served;
    a->setHandler([&](const LinkFrame& frame) {
        served = frame.Data;
        return 5;
    });
    const QString peerPath = linkSocketPath(linkDirectory(), 0xABCDEF);
    const QByteArray native = QFile::encodeName(peerPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(native.begin(), native.end(), address.sun_path);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    std::atomic<qint32> nestedResult{-1};
    const LinkHandle aHandle = a->handle();
    std::thread peer([&] {
        const int in = accept(listener, nullptr, nullptr);
        QByteArray request(kLinkHeaderSize + 3, '\0');
        recv(in, request.data(), request.size(), MSG_WAITALL);
        const int back = rawConnect(aHandle);
        const QByteArray reply = encodeLinkFrame({kCopyDataMessage, 0xABCDEF, 1, "reply"});
        ::send(back, reply.constData(), reply.size(), 0);
        char result[4];
        recv(back, result, 4, MSG_WAITALL);
        nestedResult = decodeLinkResult(result);
        ::send(in, encodeLinkResult(9).constData(), 4, 0);
        close(back);
        close(in);
    });
    EXPECT_EQ(a->send(0xABCDEF, {kCopyDataMessage, aHandle, 2, "ask"}), 9);
    peer.join();
    EXPECT_EQ(served, QByteArray("reply"));
    EXPECT_EQ(nestedResult, 5);
    close(listener);
    unlink(native.constData());
}

TEST(LinkWindow, MalformedFramesEndTheConnectionAndTheWindowGoesOn) {
    std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Robust"));
    int calls = 0;
    window->setHandler([&](const LinkFrame&) { return ++calls; });
    QByteArray tooLarge = encodeLinkFrame({});
    tooLarge[15] = char(0x7F);
    const QByteArray valid = encodeLinkFrame({kCopyDataMessage, 0, 1, "ok"});
    const QByteArray beyondTheFrame = valid + "more";
    for (const QByteArray& bad : {tooLarge, valid.left(10), valid.left(17), beyondTheFrame}) {
        const int fd = rawConnect(window->handle());
        ::send(fd, bad.constData(), bad.size(), 0);
        shutdown(fd, SHUT_WR); // the rest never comes
        EXPECT_TRUE(peerClosed(fd)) << bad.toHex().constData();
        close(fd);
    }
    EXPECT_EQ(calls, 0);
    const int fd = rawConnect(window->handle());
    ::send(fd, valid.constData(), valid.size(), 0);
    ASSERT_TRUE(pumpUntilReadable(fd));
    char result[4];
    ASSERT_EQ(recv(fd, result, 4, MSG_WAITALL), 4);
    EXPECT_EQ(decodeLinkResult(result), 1);
    close(fd);
}
