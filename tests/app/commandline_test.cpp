#include "app/commandline.h"

#include <gtest/gtest.h>

TEST(CommandLine, ScreenshotOptionAndOthersLeftAlone) {
    const CommandLine plain = parseCommandLine({"kyvelo", "/serverhandle=1234"});
    EXPECT_TRUE(plain.screenshotFile.isEmpty());
    EXPECT_TRUE(plain.error.isEmpty());

    const CommandLine shot = parseCommandLine({"kyvelo", "--screenshot", "out.png", "/serverhandle=1"});
    EXPECT_EQ(shot.screenshotFile, QStringLiteral("out.png"));
    EXPECT_TRUE(shot.error.isEmpty());

    for (const QStringList& bad :
         {QStringList{"kyvelo", "--screenshot"}, QStringList{"kyvelo", "--screenshot", ""}}) {
        const CommandLine r = parseCommandLine(bad);
        EXPECT_TRUE(r.screenshotFile.isEmpty());
        EXPECT_EQ(r.error, QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png"));
    }
}
