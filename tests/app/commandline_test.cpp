#include "app/commandline.h"

#include <gtest/gtest.h>

namespace {

const QByteArrayList kWritable = {"bmp", "jpeg", "jpg", "png", "ppm"};

CommandLine parse(const QByteArrayList& arguments) {
    return parseCommandLine(arguments, [] { return kWritable; });
}

} // namespace

TEST(CommandLine, ScreenshotOptionAndOthersLeftAlone) {
    const CommandLine plain = parse({"kyvelo", "/serverhandle=1234"});
    EXPECT_TRUE(plain.screenshotFile.isEmpty());
    EXPECT_FALSE(plain.help);
    EXPECT_FALSE(plain.version);
    EXPECT_TRUE(plain.error.isEmpty());

    const CommandLine shot = parse({"kyvelo", "--screenshot", "out.png", "/serverhandle=1"});
    EXPECT_EQ(shot.screenshotFile, QByteArray("out.png"));
    EXPECT_EQ(shot.screenshotFormat, QByteArray("png"));
    EXPECT_TRUE(shot.error.isEmpty());

    for (const QByteArrayList& bad :
         {QByteArrayList{"kyvelo", "--screenshot"}, QByteArrayList{"kyvelo", "--screenshot", ""},
          QByteArrayList{"kyvelo", "--screenshot="}}) {
        const CommandLine r = parse(bad);
        EXPECT_TRUE(r.screenshotFile.isEmpty());
        EXPECT_EQ(r.error, QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png"));
    }
}

// Finding out the formats loads every image plugin: a start without a screenshot, or with a file
// name without suffix, must not pay for it.
TEST(CommandLine, WritableFormatsAreAskedForOnlyForAScreenshotSuffix) {
    const struct {
        QByteArrayList arguments;
        int asked;
    } cases[] = {
        {{"kyvelo"}, 0},
        {{"kyvelo", "/serverhandle=1", "--version"}, 0},
        {{"kyvelo", "--screenshot", "shot"}, 0},
        {{"kyvelo", "--screenshot"}, 0},
        {{"kyvelo", "--screenshot", "shot.bmp"}, 1},
        {{"kyvelo", "--screenshot=shot.xyz"}, 1},
        {{"kyvelo", "--screenshot", "a.png", "--screenshot=b.png"}, 2},
    };
    for (const auto& c : cases) {
        int asked = 0;
        parseCommandLine(c.arguments, [&] {
            ++asked;
            return kWritable;
        });
        EXPECT_EQ(asked, c.asked) << c.arguments.join(' ').constData();
    }
}

TEST(CommandLine, ScreenshotFileNamesAndFormats) {
    struct Case {
        QByteArrayList arguments;
        QByteArray file;
        QByteArray format;
    };
    const Case cases[] = {
        {{"kyvelo", "--screenshot=s.png"}, "s.png", "png"},
        {{"kyvelo", "--screenshot", "shot"}, "shot", "png"},         // no suffix: PNG
        {{"kyvelo", "--screenshot=shot."}, "shot.", "png"},          // an empty suffix is none
        {{"kyvelo", "--screenshot", "a.b/shot"}, "a.b/shot", "png"}, // a folder's dot is no suffix
        {{"kyvelo", "--screenshot", "Shot.JPG"}, "Shot.JPG", "jpg"}, // suffixes in any case
        {{"kyvelo", "--screenshot", "--help"}, "--help", "png"},     // the value is taken as it is
        {{"kyvelo", "--screenshot", "a.png", "--screenshot=b.bmp"}, "b.bmp", "bmp"}, // the last counts
        {{"kyvelo", "--screenshot", "caf\xe9.png"}, "caf\xe9.png", "png"}, // Latin-1 bytes, not UTF-8
    };
    for (const Case& c : cases) {
        const CommandLine r = parse(c.arguments);
        EXPECT_EQ(r.screenshotFile, c.file) << c.arguments.join(' ').constData();
        EXPECT_EQ(r.screenshotFormat, c.format) << c.arguments.join(' ').constData();
        EXPECT_TRUE(r.error.isEmpty()) << c.arguments.join(' ').constData();
    }
}

TEST(CommandLine, UnknownImageSuffixNamesTheWritableFormats) {
    const CommandLine r = parse({"kyvelo", "--screenshot", "shot.xyz"});
    EXPECT_TRUE(r.screenshotFile.isEmpty());
    EXPECT_EQ(r.error,
              QStringLiteral("cannot write shot.xyz: \"xyz\" is not an image format that can be written; "
                             "use one of: bmp, jpeg, jpg, png, ppm"));
    // The first error is reported: a later option, valid or not, does not hide or replace it.
    EXPECT_EQ(parse({"kyvelo", "--screenshot=a.gif", "--screenshot", "b.png"}).error,
              QStringLiteral("cannot write a.gif: \"gif\" is not an image format that can be written; "
                             "use one of: bmp, jpeg, jpg, png, ppm"));
    EXPECT_TRUE(
        parse({"kyvelo", "--screenshot=a.gif", "--screenshot"}).error.startsWith("cannot write a.gif"));
}

TEST(CommandLine, HelpAndVersionAnywhereAmongOtherArguments) {
    EXPECT_TRUE(parse({"kyvelo", "--help"}).help);
    EXPECT_TRUE(parse({"kyvelo", "/serverhandle=1", "--version"}).version);
    const CommandLine both = parse({"kyvelo", "--version", "--help"});
    EXPECT_TRUE(both.help);
    EXPECT_TRUE(both.version);
    EXPECT_TRUE(parse({"kyvelo", "--screenshot", "a.xyz", "--help"}).help); // help even after an error
    // Only the exact words: a host argument or a misspelling is somebody else's.
    const CommandLine other = parse({"kyvelo", "--helpme", "-h", "--screenshotx=a.png", "--Version"});
    EXPECT_FALSE(other.help);
    EXPECT_FALSE(other.version);
    EXPECT_TRUE(other.screenshotFile.isEmpty());
    EXPECT_TRUE(other.error.isEmpty());
}

TEST(CommandLine, UsageAndVersionTexts) {
    EXPECT_EQ(versionText(), QStringLiteral("kyvelo " KYVELO_TEST_VERSION "\n"));
    const QString usage = usageText();
    EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: kyvelo [--screenshot FILE] [--help] [--version]\n")));
    for (const char* option :
         {"--screenshot=FILE", "--help ", "--version ", "xvfb-run", "QT_QPA_PLATFORM=offscreen"})
        EXPECT_TRUE(usage.contains(QLatin1String(option))) << option;
}
