#include "app/displayfailure.h"

#include <QMap>

#include <gtest/gtest.h>

TEST(DisplayFailure, MessageNamesTheSettingsQtsReasonsAndTheWayOut) {
    const QMap<QByteArray, QByteArray> environment = {{"DISPLAY", ":99"}, {"QT_QPA_PLATFORM", ""}};
    const QString text = displayFailureMessage(
        {"qt.qpa.xcb: could not connect to display :99", "Available platform plugins are: offscreen, xcb."},
        [&](const char* name) { return environment.value(name); });
    EXPECT_EQ(text, QStringLiteral("kyvelo: cannot open a window (DISPLAY=\":99\", WAYLAND_DISPLAY not set, "
                                   "QT_QPA_PLATFORM not set).\n"
                                   "Qt says:\n"
                                   "  qt.qpa.xcb: could not connect to display :99\n"
                                   "  Available platform plugins are: offscreen, xcb.\n"
                                   "Check that the display is running and that you may use it.\n") +
                        withoutDisplayAdvice());
    EXPECT_EQ(
        withoutDisplayAdvice(),
        QStringLiteral(
            "To run it without a display, use a virtual screen:\n"
            "  xvfb-run -s '-screen 0 1280x800x24' kyvelo\n"
            "or write a picture of the window: QT_QPA_PLATFORM=offscreen kyvelo --screenshot kyvelo.png\n"));
}

TEST(DisplayFailure, WithoutReasonsTheMessageStillSaysWhatIsSet) {
    const QString text = displayFailureMessage(
        {}, [](const char* name) { return QByteArray(name) == "QT_QPA_PLATFORM" ? "bogus" : ""; });
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("kyvelo: cannot open a window (DISPLAY not set, WAYLAND_DISPLAY not "
                                       "set, QT_QPA_PLATFORM=\"bogus\").\nCheck that")));
    EXPECT_EQ(noDisplayMessage(), QStringLiteral("kyvelo: no display found.\n") + withoutDisplayAdvice());
}

TEST(DisplayFailure, ADisplayIsGivenByTheEnvironmentOrByQtsOptions) {
    const struct {
        QByteArray Variable;
        QByteArrayList Arguments;
        bool Given;
    } cases[] = {
        {"", {"kyvelo"}, false},
        {"DISPLAY", {"kyvelo"}, true},
        {"WAYLAND_DISPLAY", {"kyvelo"}, true},
        {"QT_QPA_PLATFORM", {"kyvelo"}, true},
        {"", {"kyvelo", "-display", ":3"}, true},
        {"", {"kyvelo", "--display", ":3"}, true},
        {"", {"kyvelo", "-platform", "xcb:display=:3"}, true},
        {"", {"kyvelo", "--platform", "offscreen"}, true},
        {"", {"kyvelo", "-display"}, false},
        {"", {"kyvelo", "-display", ""}, false},
        {"", {"-display", ":3"}, false}, // the program's own name
        {"", {"kyvelo", "---display", ":3"}, false},
        {"", {"kyvelo", "--points", "-display"}, false},
    };
    for (const auto& c : cases) {
        const bool given = displayGiven(c.Arguments, [&](const char* name) {
            return name == c.Variable ? QByteArray(":1") : QByteArray();
        });
        EXPECT_EQ(given, c.Given) << c.Variable.constData() << " " << c.Arguments.join(' ').constData();
    }
}
