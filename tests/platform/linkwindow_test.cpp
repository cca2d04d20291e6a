// Link windows within one process, alike on Windows and elsewhere.
#include "linkwindowtestutil.h"
#include "platform/system/linkrecord.h"

#include <QCoreApplication>

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

TEST(LinkWindow, FoundByTheProcessThatOwnsIt) {
    const std::unique_ptr<LinkWindow> window = makeWindow(QStringLiteral("Mine"));
    EXPECT_EQ(findLinkWindowOfProcess(kClass, QCoreApplication::applicationPid()), window->handle());
    EXPECT_EQ(findLinkWindowOfProcess(QStringLiteral("Other"), QCoreApplication::applicationPid()), 0u);
    EXPECT_EQ(findLinkWindowOfProcess(kClass, 0), 0u);
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
