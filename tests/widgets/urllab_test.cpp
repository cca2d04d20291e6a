#include "widgets/urllab.h"

#include "../shellrecorder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMetaProperty>
#include <QMouseEvent>

using enum Graphics::TFontStyle;

namespace {

// A label as the About dialog's layout leaves it: blue bold link font, red underlined when active.
class LinkLabel : public testing::Test {
protected:
    LinkLabel() {
        label.SetName(QStringLiteral("UrlLabHomepage"));
        label.BeginLoading();
        label.SetBounds(0, 0, 369, 16);
        label.Font()->SetName(QStringLiteral("Courier New"));
        label.Font()->SetColor(clBlue);
        label.Font()->SetStyle(TFontStyles(fsBold));
        label.FontActive()->SetColor(clRed);
        label.FontActive()->SetStyle(TFontStyles(fsBold) | fsUnderline);
        label.Loaded();
        label.SetOnClick([this](QObject*) { ++clicks; });
    }

    void enter() {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(&label, &event);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&label, &event);
    }
    void mouse(QEvent::Type type, QPointF at) {
        QMouseEvent event(type, at, label.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &event);
    }
    QString clickError() {
        try {
            label.Click();
        } catch (const EVRXURLLabError& e) {
            return e.Message();
        }
        return {};
    }

    ShellRecorder shell;
    TUrlLab label{nullptr};
    int clicks = 0;
};

} // namespace

TEST(UrlLab, OwnPublishedPropertiesInOrder) {
    const QMetaObject& meta = TUrlLab::staticMetaObject;
    QStringList own;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        own << QString::fromLatin1(meta.property(i).name());
    EXPECT_EQ(own, (QStringList{"FontActive", "URL", "TaskParams"}));
    TUrlLab label(nullptr);
    EXPECT_TRUE(label.URL().isEmpty());
    EXPECT_TRUE(label.TaskParams().isEmpty());
    EXPECT_TRUE(label.FontActive()->SameAs(*label.Font()));
    for (const char* event :
         {"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnMouseEnter", "OnMouseLeave"})
        EXPECT_TRUE(label.PublishedEvents().contains(QLatin1String(event))) << event;
}

TEST(UrlLab, AnAmpersandIsShownAsItIs) {
    TUrlLab label(nullptr);
    label.SetCaption(QStringLiteral("Tables && Charts & more"));
    const QLabel* text = label.findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    EXPECT_EQ(text->text(), QStringLiteral("Tables && Charts & more"));
    EXPECT_EQ(label.Caption(), QStringLiteral("Tables && Charts & more"));
}

TEST(UrlLab, TargetsAreStoredWithoutSurroundingBlanks) {
    TUrlLab label(nullptr);
    label.SetURL(QStringLiteral(" http://kyvelo.example/ "));
    label.SetTaskParams(QStringLiteral("  -a b  "));
    EXPECT_EQ(label.URL(), QStringLiteral("http://kyvelo.example/"));
    EXPECT_EQ(label.TaskParams(), QStringLiteral("-a b"));
    label.SetURL(QStringLiteral("   "));
    EXPECT_TRUE(label.URL().isEmpty());
}

TEST(UrlLab, RecognisesWebAddressesAndExtensions) {
    for (const char* web :
         {"http://a.example", "HTTP://A.EXAMPLE", "https://a.example", "HttpS://a", "file:///usr/a.html"})
        EXPECT_TRUE(isBrowserAddress(QLatin1String(web))) << web;
    for (const char* other :
         {"ftp://a.example", "http:/a", "www.a.example", " http://a", "file:a.html", "help:a"})
        EXPECT_FALSE(isBrowserAddress(QLatin1String(other))) << other;
    const std::pair<const char*, const char*> extensions[] = {{"tools/run.EXE", ".EXE"},
                                                              {"a.b/prog", ""},
                                                              {"C:\\v1.2\\prog", ""},
                                                              {"x.tar.exe", ".exe"},
                                                              {"doc", ""}};
    for (const auto& [path, ext] : extensions)
        EXPECT_EQ(fileExtension(QLatin1String(path)), QLatin1String(ext)) << path;
}

TEST_F(LinkLabel, ActiveFontWhileTheMouseIsOverIt) {
    int enters = 0, leaves = 0;
    label.SetOnMouseEnter([&](QObject*) { ++enters; });
    label.SetOnMouseLeave([&](QObject*) { ++leaves; });
    enter();
    EXPECT_EQ(label.Font()->Color(), clRed);
    EXPECT_EQ(label.Font()->Style(), TFontStyles(fsBold) | fsUnderline);
    leave();
    EXPECT_EQ(label.Font()->Color(), clBlue);
    EXPECT_EQ(label.Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);

    label.SetEnabled(false); // a disabled label keeps its font
    enter();
    EXPECT_EQ(label.Font()->Color(), clBlue);
    label.Font()->SetColor(clGray);
    leave();
    EXPECT_EQ(label.Font()->Color(), clGray);
    EXPECT_EQ(enters, 2);
}

TEST_F(LinkLabel, WebAddressOpensInTheBrowserWithTheBusyCursor) {
    Qt::CursorShape during = Qt::ArrowCursor;
    shell.OnExecute = [&] { during = label.cursor().shape(); };
    shell.Result = ShellResult::kFileNotFound; // a browser that fails is not reported
    label.setCursor(Qt::IBeamCursor);
    for (const char* url : {"HTTP://KYVELO.EXAMPLE/Lesson", "https://kyvelo.example/"}) {
        label.SetURL(QLatin1String(url));
        EXPECT_EQ(clickError(), QString()) << url;
        EXPECT_EQ(during, Qt::BusyCursor);
        EXPECT_EQ(label.cursor().shape(), Qt::IBeamCursor);
    }
    ASSERT_EQ(shell.Requests.size(), 2u);
    EXPECT_EQ(shell.Requests[0].Verb, QString());
    EXPECT_EQ(shell.Requests[0].File, QStringLiteral("HTTP://KYVELO.EXAMPLE/Lesson"));
    EXPECT_EQ(shell.Requests[0].Parameters, QString());
    EXPECT_EQ(clicks, 2);
}

TEST_F(LinkLabel, ProgramStartsWithItsParameters) {
    label.SetURL(QStringLiteral("tools/Quiz.EXE"));
    label.SetTaskParams(QStringLiteral(" /lesson 3 "));
    EXPECT_EQ(clickError(), QString());
    ASSERT_EQ(shell.Requests.size(), 1u);
    EXPECT_EQ(shell.Requests[0].Verb, QStringLiteral("open"));
    EXPECT_EQ(shell.Requests[0].File, QStringLiteral("tools/Quiz.EXE"));
    EXPECT_EQ(shell.Requests[0].Parameters, QStringLiteral("/lesson 3"));
    EXPECT_EQ(clicks, 1);
}

TEST_F(LinkLabel, FailuresNameTheLabelAndSkipOnClick) {
    const std::pair<int, const char*> results[] = {
        {2, "Component \"UrlLabHomepage\": Cannot start executable (errnum=2)"},
        {32, "Component \"UrlLabHomepage\": Cannot start executable (errnum=32)"},
        {0, "Component \"UrlLabHomepage\": Cannot start executable (errnum=0)"},
        {-1, ""}, // the one small value that is no failure
        {33, ""}};
    label.SetURL(QStringLiteral("quiz.exe"));
    int expectedClicks = 0;
    for (const auto& [code, message] : results) {
        shell.Result = code;
        EXPECT_EQ(clickError(), QLatin1String(message)) << code;
        expectedClicks += *message ? 0 : 1;
        EXPECT_EQ(clicks, expectedClicks) << code;
    }
    shell.Requests.clear();
    for (const char* invalid : {"notes.txt", "www.kyvelo.example", "ftp://kyvelo.example/x.exe.txt"}) {
        label.SetURL(QLatin1String(invalid));
        EXPECT_EQ(clickError(), QStringLiteral("Component \"UrlLabHomepage\": URL of URLLab is invalid"))
            << invalid;
    }
    EXPECT_TRUE(shell.Requests.empty());
    EXPECT_EQ(clicks, expectedClicks);
}

TEST_F(LinkLabel, EmptyUrlOnlyFiresOnClick) {
    label.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(shell.Requests.empty());
}

TEST_F(LinkLabel, ReleasingTheButtonOverTheLabelClicks) {
    label.SetURL(QStringLiteral("http://kyvelo.example/"));
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {5, 5});
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {500, 5}); // dragged off: no click
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shell.Requests.size(), 1u);
}
