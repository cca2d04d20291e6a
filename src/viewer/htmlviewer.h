// THTMLViewer: a pane of formatted text (HTML with style sheets, tables and images) on top of Qt's
// text browser. It shows a document given as a string from its top, marks the link under the mouse
// in DefOverLinkColor and reports link clicks through OnHotSpotClick. It never follows a link
// itself: where a link leads is for the program to decide. Style settings (fonts, background) are
// meant to be made before the first document is loaded, as a stored layout does.
#pragma once

#include "platform/controls/control.h"

class QTextBrowser;
class LinkBrowser;

namespace HtmlView {
Q_NAMESPACE

enum class THTMLBorderStyle { htFocused, htNone, htSingle };
Q_ENUM_NS(THTMLBorderStyle)

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum class THtmlViewerOption { htOverLinksActive = 0x1 };
Q_DECLARE_FLAGS(THtmlViewerOptions, THtmlViewerOption)
Q_FLAG_NS(THtmlViewerOptions)

} // namespace HtmlView

Q_DECLARE_OPERATORS_FOR_FLAGS(HtmlView::THtmlViewerOptions)

using HtmlView::THTMLBorderStyle;
using HtmlView::THtmlViewerOption;
using HtmlView::THtmlViewerOptions;
using HtmlView::TScrollStyle;

// SRC: the target of the clicked link as the document writes it. Handled comes in false; the
// viewer does nothing more with the click either way.
using THotSpotClickEvent = std::function<void(QObject* Sender, const QString& SRC, bool& Handled)>;

class THTMLViewer : public TControl {
    Q_OBJECT
    Q_PROPERTY(TColor DefBackground READ DefBackground WRITE SetDefBackground)
    Q_PROPERTY(HtmlView::THTMLBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QString DefFontName READ DefFontName WRITE SetDefFontName)
    Q_PROPERTY(QString DefPreFontName READ DefPreFontName WRITE SetDefPreFontName)
    Q_PROPERTY(int DefFontSize READ DefFontSize WRITE SetDefFontSize)
    Q_PROPERTY(TColor DefOverLinkColor READ DefOverLinkColor WRITE SetDefOverLinkColor)
    Q_PROPERTY(bool NoSelect READ NoSelect WRITE SetNoSelect)
    Q_PROPERTY(HtmlView::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(HtmlView::THtmlViewerOptions htOptions READ htOptions WRITE SetHtOptions)
public:
    explicit THTMLViewer(TComponentBase* owner, QWidget* parent = nullptr);

    TColor DefBackground() const { return FDefBackground; }
    void SetDefBackground(TColor value);
    THTMLBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(THTMLBorderStyle value);
    QString DefFontName() const { return FDefFontName; }
    void SetDefFontName(const QString& value);
    QString DefPreFontName() const { return FDefPreFontName; }
    void SetDefPreFontName(const QString& value);
    // Points; clamped to 1..72.
    int DefFontSize() const { return FDefFontSize; }
    void SetDefFontSize(int value);
    TColor DefOverLinkColor() const { return FDefOverLinkColor; }
    void SetDefOverLinkColor(TColor value);
    bool NoSelect() const { return FNoSelect; }
    void SetNoSelect(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    THtmlViewerOptions htOptions() const { return FOptions; }
    void SetHtOptions(THtmlViewerOptions value);

    const THotSpotClickEvent& OnHotSpotClick() const { return FOnHotSpotClick; }
    void SetOnHotSpotClick(THotSpotClickEvent handler) { FOnHotSpotClick = std::move(handler); }

    // Replaces the document by the given HTML and shows it from its top.
    void LoadFromString(const QString& html);
    // The link target under the mouse, marked in DefOverLinkColor; empty when there is none.
    QString HoveredLink() const;
    // The height, frame included, at which the pane shows its whole document without scrolling
    // when it is the given number of pixels wide.
    int heightForWidth(int width) const override;

    QTextBrowser* Browser() const;

private:
    void linkClicked(const QString& href);
    void applyFonts();

    LinkBrowser* FBrowser;
    TColor FDefBackground;
    THTMLBorderStyle FBorderStyle = THTMLBorderStyle::htFocused;
    QString FDefFontName;
    QString FDefPreFontName;
    int FDefFontSize = 12;
    TColor FDefOverLinkColor;
    bool FNoSelect = false;
    TScrollStyle FScrollBars = TScrollStyle::ssVertical;
    THtmlViewerOptions FOptions;
    THotSpotClickEvent FOnHotSpotClick;
};
