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
        viewer.LoadFromString(kDocument);
        viewer.show();
        QCoreApplication::processEvents();
    }

    // The middle of the first character of the text in viewport pixels.
    QPoint pointAt(const QString& text) const {
        const int position = Browser()->document()->toPlainText().indexOf(text);
        QTextCursor cursor(Browser()->document());
        cursor.setPosition(position + 1);
        return Browser()->cursorRect(cursor).center() + QPoint(-2, 0);
    }
    void mouse(QEvent::Type type, QPoint at) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, Browser()->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(Browser()->viewport(), &event);
    }
    void click(QPoint at) {
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }
    int redPixels() {
        const QImage image = Browser()->viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        return count;
    }
    QTextBrowser* Browser() const { return viewer.Browser(); }

    THTMLViewer viewer{nullptr};
};

} // namespace

TEST_F(Pane, StoredLookOnScreen) {
    EXPECT_EQ(Browser()->palette().color(QPalette::Base), toQColor(clInfoBk));
    EXPECT_EQ(Browser()->frameShape(), QFrame::Box);
    EXPECT_EQ(Browser()->lineWidth(), 1);
    EXPECT_EQ(Browser()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Browser()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Browser()->textInteractionFlags(), Qt::LinksAccessibleByMouse);
    EXPECT_EQ(Browser()->document()->defaultFont().family(),
              substituteFontName(QStringLiteral("MS Sans Serif")));
    EXPECT_EQ(Browser()->document()->defaultFont().pointSize(), 8);
    viewer.SetDefFontSize(0);
    EXPECT_EQ(viewer.DefFontSize(), 1);
}

TEST_F(Pane, LoadingReplacesTheDocumentAndShowsItsTop) {
    QString longText;
    for (int i = 0; i < 100; ++i)
        longText += QStringLiteral("<p>line %1</p>").arg(i);
    viewer.LoadFromString(longText);
    QScrollBar* bar = Browser()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    viewer.LoadFromString(longText + QStringLiteral("<p>end</p>"));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(Browser()->document()->toPlainText().startsWith(QStringLiteral("line 0\nline 1")));
    EXPECT_TRUE(Browser()->document()->toPlainText().endsWith(QStringLiteral("end")));
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
    EXPECT_TRUE(Browser()->source().isEmpty());
    EXPECT_TRUE(Browser()->document()->toPlainText().startsWith(QStringLiteral("Read the second lesson")));
}

TEST_F(Pane, TheLinkUnderTheMouseTurnsRed) {
    EXPECT_EQ(redPixels(), 0);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("the tangent")));
    EXPECT_EQ(viewer.HoveredLink(), QStringLiteral("http://kyvelo.example/Tangent"));
    ASSERT_EQ(Browser()->extraSelections().size(), 1);
    EXPECT_EQ(Browser()->extraSelections()[0].cursor.selectedText(), QStringLiteral("the tangent"));
    EXPECT_GT(redPixels(), 20);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("Read")));
    EXPECT_EQ(viewer.HoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("second lesson")));
    EXPECT_EQ(Browser()->extraSelections()[0].cursor.selectedText(), QStringLiteral("second lesson"));
    QEvent leave(QEvent::Leave); // straight out of the pane from a link
    QCoreApplication::sendEvent(Browser(), &leave);
    EXPECT_EQ(viewer.HoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);

    viewer.SetHtOptions({}); // links stay as they are without htOverLinksActive
    mouse(QEvent::MouseMove, pointAt(QStringLiteral("the tangent")));
    EXPECT_EQ(viewer.HoveredLink(), QString());
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(Pane, SelectAllSelectsTheTextOnlyWhenItMayBeSelected) {
    for (const bool noSelect : {true, false}) {
        viewer.SetNoSelect(noSelect);
        click(pointAt(QStringLiteral("Read")));
        QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::sendEvent(Browser(), &selectAll);
        const QString all = Browser()->document()->toPlainText();
        EXPECT_EQ(Browser()->textCursor().selectedText(), noSelect ? QString() : all) << noSelect;
    }
}

// The height asked for shows the whole document at that width, and one pixel less does not.
TEST_F(Pane, HeightForWidthIsTheLeastThatShowsTheWholeDocument) {
    viewer.LoadFromString(kDocument + QStringLiteral("<p>A second paragraph, long enough to wrap in a "
                                                     "narrow pane, with <b>bold</b> words.</p>"));
    for (int width : {600, 250, 120}) {
        const int height = viewer.heightForWidth(width);
        viewer.SetBounds(0, 0, width, height);
        EXPECT_EQ(Browser()->verticalScrollBar()->maximum(), 0) << width;
        viewer.SetBounds(0, 0, width, height - 1);
        EXPECT_GT(Browser()->verticalScrollBar()->maximum(), 0) << width;
    }
    EXPECT_GT(viewer.heightForWidth(120), viewer.heightForWidth(600));
}
