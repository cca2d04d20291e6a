#include "../linkpeer.h"
#include "linkwindowtestutil.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"
#include "platform/system/linkwindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A plain socket connected to a link window, standing for a peer in another process.
int rawConnect(LinkHandle handle) {
    const sockaddr_un address = linkWindowAddress(handle);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0) {
        EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
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

TEST(LinkWindow, AWindowOfADeadProcessIsNotFound) {
    const QString directory = linkDirectory();
    QFile record(linkRecordPath(directory, 0x1234));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write(encodeLinkRecord({999999999, kClass, QStringLiteral("Dead")}));
    record.close();
    EXPECT_FALSE(isLinkWindow(0x1234));
    EXPECT_EQ(findLinkWindow(kClass, QStringLiteral("Dead")), 0u);
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
    const sockaddr_un address = linkWindowAddress(0xABCDEF);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
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
    unlink(address.sun_path);
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

namespace {

// Runs the event loop for about ms milliseconds.
void pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Neither closed by the window nor answered.
bool stillWaiting(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 0) == 0;
}

} // namespace

TEST(LinkWindow, AnIncompleteFrameHoldsUpNoOtherAndEndsItsConnectionAtTheSendLimit) {
    std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Patient"));
    window->setHandler([](const LinkFrame& frame) { return static_cast<qint32>(frame.Data.size()); });
    const QByteArray frame = encodeLinkFrame({kCopyDataMessage, 0, 1, "slow"});
    const int slow = rawConnect(window->handle());
    ::send(slow, frame.constData(), kLinkHeaderSize + 1, 0);
    pump(50);
    QElapsedTimer sinceStart;
    sinceStart.start();
    const int quick = rawConnect(window->handle());
    ::send(quick, frame.constData(), frame.size(), 0);
    ASSERT_TRUE(pumpUntilReadable(quick));
    char result[4];
    ASSERT_EQ(recv(quick, result, 4, MSG_WAITALL), 4);
    EXPECT_EQ(decodeLinkResult(result), 4);
    EXPECT_TRUE(stillWaiting(slow));
    pump(kLinkSendTimeoutMs - 500 - static_cast<int>(sinceStart.elapsed()));
    EXPECT_TRUE(stillWaiting(slow)) << "closed before the limit";
    EXPECT_TRUE(peerClosed(slow)) << "still open a second past the limit";
    close(slow);
    close(quick);
}

TEST(LinkWindow, FramesStillArrivingMayHoldTwoOfTheLargestAtOnce) {
    std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Frugal"));
    const QByteArray largest = headerAnnouncing(kMaxLinkDataSize);
    std::vector<int> peers;
    for (int i = 0; i < 3; ++i) {
        peers.push_back(rawConnect(window->handle()));
        ::send(peers.back(), largest.constData(), largest.size(), 0);
        pump(50);
    }
    EXPECT_TRUE(stillWaiting(peers[0]));
    EXPECT_TRUE(stillWaiting(peers[1]));
    EXPECT_TRUE(peerClosed(peers[2]));
    // Room for one more once the first has gone.
    close(peers[0]);
    pump(50);
    peers[2] = rawConnect(window->handle());
    ::send(peers[2], largest.constData(), largest.size(), 0);
    pump(50);
    EXPECT_TRUE(stillWaiting(peers[2]));
    close(peers[1]);
    close(peers[2]);
}

// Out of descriptors, the listening socket stays readable while nothing can be accepted: the
// window must rest instead of waking again and again, and accept once descriptors are free.
TEST(LinkWindow, OutOfDescriptorsTheWindowRestsAndAcceptsAgainLater) {
    std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Crowded"));
    window->setHandler([](const LinkFrame&) { return 7; });
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = static_cast<rlim_t>(QDir(QStringLiteral("/proc/self/fd"))
                                           .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                           .size() +
                                       4);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> peers;
    for (int fd = rawConnect(window->handle()); fd >= 0; fd = rawConnect(window->handle()))
        peers.push_back(fd);
    ASSERT_FALSE(peers.empty());
    int wakeUps = 0;
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(600, [] {});
    while (timer.elapsed() < 600) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ++wakeUps;
    }
    EXPECT_LT(wakeUps, 20);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);
    const QByteArray frame = encodeLinkFrame({kCopyDataMessage, 0, 1, "in"});
    ::send(peers.back(), frame.constData(), frame.size(), 0);
    ASSERT_TRUE(pumpUntilReadable(peers.back()));
    char result[4];
    ASSERT_EQ(recv(peers.back(), result, 4, MSG_WAITALL), 4);
    EXPECT_EQ(decodeLinkResult(result), 7);
    for (const int fd : peers)
        close(fd);
}
