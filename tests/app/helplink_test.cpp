#include "app/helplink.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(HelpLink, PageFromTheFirstFolderThatHasItOtherLinksUnchanged) {
    const QSet<QString> files = {QStringLiteral("/opt/k/help/en/index.html"),
                                 QStringLiteral("/usr/share/kyvelo/help/de/derivative.html"),
                                 QStringLiteral("/opt/k/help/de/derivative.html"),
                                 QStringLiteral("/usr/share/kyvelo/help/en/derivative.html")};
    const HelpFolders help = {{QStringLiteral("/opt/k/help"), QStringLiteral("/usr/share/kyvelo/help")},
                              [files](const QString& file) { return files.contains(file); }};
    const std::pair<const char*, const char*> cases[] = {
        {"help:en/index.html", "file:///opt/k/help/en/index.html"},
        {"help:de/derivative.html", "file:///opt/k/help/de/derivative.html"}, // beside the program first
        {"help:en/derivative.html", "file:///usr/share/kyvelo/help/en/derivative.html"},
        {"help:de/secant-tangent.html", "file:///usr/share/kyvelo/help/de/secant-tangent.html"}, // nowhere
        {"HELP:en/index.html#components", "file:///opt/k/help/en/index.html#components"},
        {"help:./en//index.html", "file:///opt/k/help/en/index.html"},
        {"help:en/a page.html", "file:///usr/share/kyvelo/help/en/a%20page.html"},
        {"https://kyvelo.example/help:en", "https://kyvelo.example/help:en"},
        {"lesson.pdf", "lesson.pdf"},
        {"HomePageURL", "HomePageURL"},
        {"", ""},
        {"help:../../../../etc/passwd", ""},
        {"help:en/../../help2/x.html", ""},
        {"help:..", ""},
        {"help:", ""},
        {"help:en/../de/derivative.html", "file:///opt/k/help/de/derivative.html"},
        {"help:/en/index.html", "file:///opt/k/help/en/index.html"}};
    for (const auto& [link, url] : cases)
        EXPECT_EQ(resolveHelpLink(QLatin1String(link), help).toStdString(), url) << link;
}

TEST(HelpLink, EveryHelpLinkOfAnHtmlTextAndNothingElse) {
    const HelpFolders help = {{QStringLiteral("/h")}, [](const QString&) { return false; }};
    const QString html = QStringLiteral(
        "<a href=\"help:en/a.html#x\">A</a> <A HREF = 'HELP:de/b.html'>B</A> <a href='help:c.html\">C</a> "
        "<a href=\"https://k.example/help:d\">D</a> help:e.html <img src=\"help:f.png\">");
    EXPECT_EQ(resolveHelpLinks(html, help).toStdString(),
              "<a href=\"file:///h/en/a.html#x\">A</a> <A HREF = 'file:///h/de/b.html'>B</A> "
              "<a href='help:c.html\">C</a> <a href=\"https://k.example/help:d\">D</a> help:e.html "
              "<img src=\"help:f.png\">");
}
