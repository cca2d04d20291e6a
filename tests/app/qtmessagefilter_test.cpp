#include "app/qtmessagefilter.h"

#include <gtest/gtest.h>

TEST(QtMessageFilter, OnlyTheOffscreenSizeHintNoticeIsLeftOut) {
    const QString notice = QStringLiteral("This plugin does not support propagateSizeHints()");
    const struct {
        QString Message, Platform;
        bool Noise;
    } cases[] = {
        {notice, QStringLiteral("offscreen"), true},
        {notice, QStringLiteral("xcb"), false},
        {notice + QStringLiteral("!"), QStringLiteral("offscreen"), false},
        {QStringLiteral("QPainter::begin: Paint device returned engine == 0"), QStringLiteral("offscreen"),
         false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlatformNoise(c.Message, c.Platform), c.Noise)
            << qPrintable(c.Message) << " on " << qPrintable(c.Platform);
}
