#include "viewer/htmlviewer.h"

#include "platform/graphics/colorresolve.h"
#include "platform/graphics/font.h"
#include "viewer/linkbrowser.h"

#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

Qt::ScrollBarPolicy policy(bool shown) {
    return shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

} // namespace

THTMLViewer::THTMLViewer(TComponentBase* owner, QWidget* parent)
    : TControl(owner, parent), FBrowser(new LinkBrowser(this)), FDefBackground(clWindow),
      FDefFontName(QStringLiteral("Times New Roman")), FDefPreFontName(QStringLiteral("Courier New")),
      FDefOverLinkColor(clBlue) {
    setInnerWidget(FBrowser);
    connect(FBrowser, &LinkBrowser::linkClicked, this, &THTMLViewer::linkClicked);
    PublishEvent(QStringLiteral("OnHotSpotClick"), &FOnHotSpotClick);
    SetDefBackground(FDefBackground);
    SetBorderStyle(FBorderStyle);
    SetNoSelect(FNoSelect);
    SetScrollBars(FScrollBars);
    applyFonts();
}

QTextBrowser* THTMLViewer::Browser() const {
    return FBrowser;
}

void THTMLViewer::SetDefBackground(TColor value) {
    FDefBackground = value;
    QPalette pal = FBrowser->palette();
    pal.setColor(QPalette::Base, toQColor(value));
    FBrowser->setPalette(pal);
}

void THTMLViewer::SetBorderStyle(THTMLBorderStyle value) {
    FBorderStyle = value;
    switch (value) {
    case THTMLBorderStyle::htNone:
        FBrowser->setFrameStyle(QFrame::NoFrame);
        break;
    case THTMLBorderStyle::htSingle:
        FBrowser->setFrameStyle(QFrame::Box | QFrame::Plain);
        FBrowser->setLineWidth(1);
        break;
    case THTMLBorderStyle::htFocused:
        FBrowser->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        break;
    }
}

void THTMLViewer::SetDefFontName(const QString& value) {
    FDefFontName = value;
    applyFonts();
}

void THTMLViewer::SetDefPreFontName(const QString& value) {
    FDefPreFontName = value;
    applyFonts();
}

void THTMLViewer::SetDefFontSize(int value) {
    FDefFontSize = std::clamp(value, 1, 72);
    applyFonts();
}

void THTMLViewer::SetDefOverLinkColor(TColor value) {
    FDefOverLinkColor = value;
    FBrowser->setOverLinks(FOptions.testFlag(THtmlViewerOption::htOverLinksActive), toQColor(value));
}

void THTMLViewer::SetNoSelect(bool value) {
    FNoSelect = value;
    FBrowser->setTextInteractionFlags(value ? Qt::LinksAccessibleByMouse : Qt::TextBrowserInteraction);
}

void THTMLViewer::SetScrollBars(TScrollStyle value) {
    FScrollBars = value;
    FBrowser->setHorizontalScrollBarPolicy(
        policy(value == TScrollStyle::ssHorizontal || value == TScrollStyle::ssBoth));
    FBrowser->setVerticalScrollBarPolicy(
        policy(value == TScrollStyle::ssVertical || value == TScrollStyle::ssBoth));
}

void THTMLViewer::SetHtOptions(THtmlViewerOptions value) {
    FOptions = value;
    SetDefOverLinkColor(FDefOverLinkColor);
}

void THTMLViewer::LoadFromString(const QString& html) {
    FBrowser->setHtml(html);
    FBrowser->moveCursor(QTextCursor::Start);
    FBrowser->verticalScrollBar()->setValue(0);
    FBrowser->horizontalScrollBar()->setValue(0);
}

QString THTMLViewer::HoveredLink() const {
    return FBrowser->hoveredLink();
}

int THTMLViewer::heightForWidth(int width) const {
    const int frame = 2 * FBrowser->frameWidth();
    const std::unique_ptr<QTextDocument> document(FBrowser->document()->clone());
    document->setTextWidth(std::max(width - frame, 0));
    return static_cast<int>(std::ceil(document->size().height())) + frame;
}

void THTMLViewer::linkClicked(const QString& href) {
    bool handled = false;
    if (FOnHotSpotClick) FOnHotSpotClick(this, href, handled);
}

// The pane's own fonts: the body in DefFontName, preformatted text in DefPreFontName.
void THTMLViewer::applyFonts() {
    QFont body(substituteFontName(FDefFontName));
    body.setPointSize(FDefFontSize);
    FBrowser->setFont(body); // the browser gives its document its own font
    FBrowser->document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt, kbd, samp { font-family: \"%1\"; }")
            .arg(substituteFontName(FDefPreFontName)));
}
