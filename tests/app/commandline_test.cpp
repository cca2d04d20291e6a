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
    EXPECT_TRUE(plain.ScreenshotFile.isEmpty());
    EXPECT_FALSE(plain.Help);
    EXPECT_FALSE(plain.Version);
    EXPECT_TRUE(plain.Error.isEmpty());

    const CommandLine shot = parse({"kyvelo", "--screenshot", "out.png", "/serverhandle=1"});
    EXPECT_EQ(shot.ScreenshotFile, QByteArray("out.png"));
    EXPECT_EQ(shot.ScreenshotFormat, QByteArray("png"));
    EXPECT_TRUE(shot.Error.isEmpty());

    for (const QByteArrayList& bad :
         {QByteArrayList{"kyvelo", "--screenshot"}, QByteArrayList{"kyvelo", "--screenshot", ""},
          QByteArrayList{"kyvelo", "--screenshot="}}) {
        const CommandLine r = parse(bad);
        EXPECT_TRUE(r.ScreenshotFile.isEmpty());
        EXPECT_EQ(r.Error, QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png"));
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
        {{"kyvelo", "--screenshot", "a.png", "--screenshot=b.bmp"}, "b.bmp", "bmp"}, // the last counts
        {{"kyvelo", "--screenshot", "caf\xe9.png"}, "caf\xe9.png", "png"}, // Latin-1 bytes, not UTF-8
    };
    for (const Case& c : cases) {
        const CommandLine r = parse(c.arguments);
        EXPECT_EQ(r.ScreenshotFile, c.file) << c.arguments.join(' ').constData();
        EXPECT_EQ(r.ScreenshotFormat, c.format) << c.arguments.join(' ').constData();
        EXPECT_TRUE(r.Error.isEmpty()) << c.arguments.join(' ').constData();
    }
}

TEST(CommandLine, UnknownImageSuffixNamesTheWritableFormats) {
    const CommandLine r = parse({"kyvelo", "--screenshot", "shot.xyz"});
    EXPECT_TRUE(r.ScreenshotFile.isEmpty());
    EXPECT_EQ(r.Error,
              QStringLiteral("cannot write shot.xyz: \"xyz\" is not an image format that can be written; "
                             "use one of: bmp, jpeg, jpg, png, ppm"));
    // The first error is reported: a later option, valid or not, does not hide or replace it.
    EXPECT_EQ(parse({"kyvelo", "--screenshot=a.gif", "--screenshot", "b.png"}).Error,
              QStringLiteral("cannot write a.gif: \"gif\" is not an image format that can be written; "
                             "use one of: bmp, jpeg, jpg, png, ppm"));
    EXPECT_TRUE(
        parse({"kyvelo", "--screenshot=a.gif", "--screenshot"}).Error.startsWith("cannot write a.gif"));
}

TEST(CommandLine, HelpAndVersionAnywhereAmongOtherArguments) {
    EXPECT_TRUE(parse({"kyvelo", "--help"}).Help);
    EXPECT_TRUE(parse({"kyvelo", "/serverhandle=1", "--version"}).Version);
    const CommandLine both = parse({"kyvelo", "--version", "--help"});
    EXPECT_TRUE(both.Help);
    EXPECT_TRUE(both.Version);
    EXPECT_TRUE(parse({"kyvelo", "--screenshot", "a.xyz", "--help"}).Help); // help even after an error
    // Only the exact words: a misspelling is refused, the first one named.
    const CommandLine other = parse({"kyvelo", "--helpme", "-h", "--screenshotx=a.png", "--Version"});
    EXPECT_FALSE(other.Help);
    EXPECT_FALSE(other.Version);
    EXPECT_TRUE(other.ScreenshotFile.isEmpty());
    EXPECT_EQ(other.Error, QStringLiteral("unknown option \"--helpme\"; kyvelo --help lists the options"));
}

TEST(CommandLine, UsageAndVersionTexts) {
    EXPECT_EQ(versionText(), QStringLiteral("kyvelo " KYVELO_TEST_VERSION "\n"));
    const QString usage = usageText();
    EXPECT_TRUE(
        usage.startsWith(QStringLiteral("Usage: kyvelo [--profile N] [--points T1,T2 | --point T1] ")));
    for (const char* option :
         {"--screenshot=FILE", "--help ", "--version ", "--profile N ", "--points T1,T2\n", "--point T1 ",
          "--single ", "--velocity-graph\n", "--exact ", "--limit-table ", "--table ", "xvfb-run",
          "QT_QPA_PLATFORM=offscreen"})
        EXPECT_TRUE(usage.contains(QLatin1String(option))) << option;
}

// The state a worksheet asks for, and every bad value named with its option and range.
TEST(CommandLine, StateOptionsAndTheirBadValues) {
    const struct {
        QByteArrayList arguments;
        SimulationState simulation;
        bool graph, exact, limitTable, table;
        const char* error;
    } cases[] = {
        // clang-format off
        {{"kyvelo", "--profile", "2", "--points", "90,120"}, {2, 90, 120, false, true}, false, false, false, false, ""},
        {{"kyvelo", "--profile=0", "--point=12.5", "--single", "--velocity-graph"},
         {0, 12.5, 110, true, true}, true, false, false, false, ""},
        {{"kyvelo", "--exact", "--points=0,133", "--limit-table"}, {1, 0, 133, false, true}, false, true, true, false, ""},
        {{"kyvelo", "--table", "--point", "7"}, {1, 7, 110, false, true}, false, false, false, true, ""},
        {{"kyvelo", "--profile", "3"}, {}, false, false, false, false,
         "--profile needs 0, 1 or 2 (uniform movement, standard road situation, back and forth), not \"3\""},
        {{"kyvelo", "--profile", "1.0"}, {}, false, false, false, false,
         "--profile needs 0, 1 or 2 (uniform movement, standard road situation, back and forth), not \"1.0\""},
        {{"kyvelo", "--points", "50"}, {}, false, false, false, false,
         "--points needs two times T1,T2 from 0 to 133 min, not \"50\""},
        {{"kyvelo", "--points=50,134"}, {}, false, false, false, false,
         "--points needs two times T1,T2 from 0 to 133 min, not \"50,134\""},
        {{"kyvelo", "--points", "1,2,3"}, {}, false, false, false, false,
         "--points needs two times T1,T2 from 0 to 133 min, not \"1,2,3\""},
        {{"kyvelo", "--point", "-1"}, {}, false, false, false, false, "--point needs a time from 0 to 133 min, not \"-1\""},
        {{"kyvelo", "--point", "nan"}, {}, false, false, false, false, "--point needs a time from 0 to 133 min, not \"nan\""},
        {{"kyvelo", "--point"}, {}, false, false, false, false, "--point needs a time from 0 to 133 min, not \"\""},
        {{"kyvelo", "--table", "--screenshot", "a.png"}, {}, false, false, false, true,
         "--table prints the table and ends; leave out --screenshot"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CommandLine r = parse(c.arguments);
        const std::string name = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.Error, QString::fromUtf8(c.error)) << name;
        EXPECT_EQ(r.Table, c.table) << name;
        if (*c.error) continue;
        EXPECT_TRUE(r.StateGiven) << name;
        const SimulationState& s = r.State.Simulation;
        EXPECT_EQ(s.Profile, c.simulation.Profile) << name;
        EXPECT_EQ(s.T1, c.simulation.T1) << name;
        EXPECT_EQ(s.T2, c.simulation.T2) << name;
        EXPECT_EQ(s.SinglePoint, c.simulation.SinglePoint) << name;
        EXPECT_EQ(r.State.VelocityGraph, c.graph) << name;
        EXPECT_EQ(r.State.ExactCurve, c.exact) << name;
        EXPECT_EQ(r.State.LimitTable, c.limitTable) << name;
    }
    EXPECT_FALSE(parse({"kyvelo", "--screenshot", "a.png"}).StateGiven);
}

// --view takes the time window of the profiles' span, its value read as ChartZoom's view option.
TEST(CommandLine, ViewOptionZoomsThePicture) {
    const CommandLine zoomed = parse({"kyvelo", "--view", "49.5,50.5", "--screenshot", "a.png"});
    EXPECT_EQ(zoomed.Error, QString());
    ASSERT_TRUE(zoomed.View);
    EXPECT_EQ(*zoomed.View, (AxisWindow{49.5, 50.5}));
    EXPECT_FALSE(zoomed.StateGiven);
    EXPECT_FALSE(parse({"kyvelo"}).View);
    EXPECT_EQ(parse({"kyvelo", "--view=120,140"}).Error,
              QStringLiteral("--view needs two times T0,T1 from 0 to 133 min, T1 at least 0.01 min after T0, "
                             "not \"120,140\""));
}
