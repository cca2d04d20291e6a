#include "app/commandline.h"

#include <gtest/gtest.h>

TEST(CommandLine, ScreenshotOptionAndOthersLeftAlone) {
    const TCommandLine plain = ParseCommandLine({"kyvelo", "/serverhandle=1234"});
    EXPECT_TRUE(plain.ScreenshotFile.isEmpty());
    EXPECT_TRUE(plain.Error.isEmpty());

    const TCommandLine shot = ParseCommandLine({"kyvelo", "--screenshot", "out.png", "/serverhandle=1"});
    EXPECT_EQ(shot.ScreenshotFile, QStringLiteral("out.png"));
    EXPECT_TRUE(shot.Error.isEmpty());

    for (const QStringList& bad : {QStringList{"kyvelo", "--screenshot"}, QStringList{"kyvelo", "--screenshot", ""}}) {
        const TCommandLine r = ParseCommandLine(bad);
        EXPECT_TRUE(r.ScreenshotFile.isEmpty());
        EXPECT_EQ(r.Error, QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png"));
    }
}
