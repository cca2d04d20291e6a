#include "viewer/htmlviewer.h"

#include "platform/graphics/colorresolve.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

const QString kDocument = QStringLiteral("<p>Read the <a href=\"lesson 2.html\">second lesson</a> or "
                                         "<a href=\"http://kyvelo.example/Tangent\">the tangent</a>.</p>");

// The explanatory pane as the main window's layout sets it up.
class Pane : public testing::Test {
protected:
    Pane() {
        viewer.SetBounds(0, 0, 600, 120);
        viewer.SetDefBackground(clInfoBk);
        viewer.SetBorderStyle(THTMLBorderStyle::htSingle);
        viewer.SetDefFontName(QStringLiteral("MS Sans Serif"));
        viewer.SetDefFontSize(8);
        viewer.SetDefOverLinkColor(clRed);
        viewer.SetNoSelect(true);
        viewer.SetScrollBars(TScrollStyle::ssNone);
        viewer.SetHtOptions(THtmlViewerOption::htOverLinksActive);
        viewer.loadFromString(kDocument);
        viewer.show();
        QCoreApplication::processEvents();
    }

    // The middle of the first character of the text in viewport pixels.
    QPoint pointAt(const QString& text) const {
        const int position = browser()->document()->toPlainText().indexOf(text);
        QTextCursor cursor(browser()->document());
        cursor.setPosition(position + 1);
        return browser()->cursorRect(cursor).center() + QPoint(-2, 0);
    }
    void mouse(QEvent::Type type, QPoint at) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, browser()->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(browser()->viewport(), &event);
    }
    void click(QPoint at) {
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }
    int redPixels() {
        const QImage image = browser()->viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        return count;
    }
    QTextBrowser* browser() const { return viewer.browser(); }

    THTMLViewer viewer{nullptr};
};

} // namespace

TEST_F(Pane, StoredLookOnScreen) {
    EXPECT_EQ(browser()->palette().color(QPalette::Base), toQColor(clInfoBk));
    EXPECT_EQ(browser()->frameShape(), QFrame::Box);
    EXPECT_EQ(browser()->lineWidth(), 1);
    EXPECT_EQ(browser()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(browser()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(browser()->textInteractionFlags(), Qt::LinksAccessibleByMouse);
    EXPECT_EQ(browser()->document()->defaultFont().family(),
              substituteFontName(QStringLiteral("MS Sans Serif")));
    EXPECT_EQ(browser()->document()->defaultFont().pointSize(), 8);
    viewer.SetDefFontSize(0);
    EXPECT_EQ(viewer.DefFontSize(), 1);
}

TEST_F(Pane, LoadingReplacesTheDocumentAndShowsItsTop) {
    QString longText;
    for (int i = 0; i < 100; ++i)
        longText += QStringLiteral("<p>line %1</p>").arg(i);
    viewer.loadFromString(longText);
    QScrollBar* bar = browser()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    viewer.loadFromString(longText + QStringLiteral("<p>end</p>"));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(browser()->document()->toPlainText().startsWith(QStringLiteral("line 0\nline 1")));
    EXPECT_TRUE(browser()->document()->toPlainText().endsWith(QStringLiteral("end")));
}

TEST_F(Pane, LinkClicksAreReportedAndNeverFollowed) {
    std::vector<QString> targets;
    bool handledOnEntry = true;
    viewer.SetOnHotSpotClick([&](QObject* sender, const QString& src, bool& handled) {
        EXPECT_EQ(sender, &viewer);
        handledOnEntry = handled;
        targets.push_back(src);
    });
    click(pointAt(QStringLiteral("second lesson")));
    EXPECT_FALSE(handledOnEntry);
    viewer.SetOnHotSpotClick([&](QObject*, const QString& src, bool& handled) {
        handled = true;
        targets.push_back(src);
    });
    click(pointAt(QStringLiteral("the tangent")));
    click(pointAt(QStringLiteral("Read"))); // plain text is no link
    mouse(QEvent::MouseButtonPress, pointAt(QStringLiteral("second lesson")));
    mouse(QEvent::MouseButtonRelease, pointAt(QStringLiteral("the tangent"))); // pressed on another link
    EXPECT_EQ(targets, (std::vector<QString>{QStringLiteral("lesson 2.html"),
                                             QStringLiteral("http://kyvelo.example/Tangent")}));
    EXPECT_TRUE(browser()->source().isEmpty());
    EXPECT_TRUE(browser()->document()->toPlainText().startsWith(QStringLiteral("Read the second lesson")));
}

TEST_F(Pane, TheLinkUnderTheMouseTurnsRed) {
    EXPECT_EQ(redPixels(), 0);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("the tangent")));
    EXPECT_EQ(viewer.hoveredLink(), QStringLiteral("http://kyvelo.example/Tangent"));
    ASSERT_EQ(browser()->extraSelections().size(), 1);
    EXPECT_EQ(browser()->extraSelections()[0].cursor.selectedText(), QStringLiteral("the tangent"));
    EXPECT_GT(redPixels(), 20);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("Read")));
    EXPECT_EQ(viewer.hoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("second lesson")));
    EXPECT_EQ(browser()->extraSelections()[0].cursor.selectedText(), QStringLiteral("second lesson"));
    QEvent leave(QEvent::Leave); // straight out of the pane from a link
    QCoreApplication::sendEvent(browser(), &leave);
    EXPECT_EQ(viewer.hoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);

    viewer.SetHtOptions({}); // links stay as they are without htOverLinksActive
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("the tangent")));
    EXPECT_EQ(viewer.hoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(Pane, SelectAllSelectsTheTextOnlyWhenItMayBeSelected) {
    for (const bool noSelect : {true, false}) {
        viewer.SetNoSelect(noSelect);
        click(pointAt(QStringLiteral("Read")));
        QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::sendEvent(browser(), &selectAll);
        const QString all = browser()->document()->toPlainText();
        EXPECT_EQ(browser()->textCursor().selectedText(), noSelect ? QString() : all) << noSelect;
    }
}

// The height asked for shows the whole document at that width, and one pixel less does not.
TEST_F(Pane, HeightForWidthIsTheLeastThatShowsTheWholeDocument) {
    viewer.loadFromString(kDocument + QStringLiteral("<p>A second paragraph, long enough to wrap in a "
                                                     "narrow pane, with <b>bold</b> words.</p>"));
    for (int width : {600, 250, 120}) {
        const int height = viewer.heightForWidth(width);
        viewer.SetBounds(0, 0, width, height);
        EXPECT_EQ(browser()->verticalScrollBar()->maximum(), 0) << width;
        viewer.SetBounds(0, 0, width, height - 1);
        EXPECT_GT(browser()->verticalScrollBar()->maximum(), 0) << width;
    }
    EXPECT_GT(viewer.heightForWidth(120), viewer.heightForWidth(600));
}
