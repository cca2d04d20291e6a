// TRasterLab: a line of text shown as a dot-matrix display. Every character is a grid of square dots
// (DotSize pixels, DotSpacing apart) from a glyph table: lit dots in ColorDotOn, unlit ones in
// ColorDotOff, on ColorLabBakG, inside an optional 3-D frame, optionally scrolling by a timer.
//
// Setters mark the face stale and ask for a repaint; the face is rendered once, into an off-screen
// bitmap of the control's size, when it is next shown or read (Face()), and the widget copies that
// bitmap to the screen in one operation. The face under the text (fill and grid of unlit dots) is
// kept apart, so that a new text costs one copy of it and the lit dots.
#pragma once

#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"
#include "platform/controls/intervaltimer.h"
#include "platform/controls/mousecontrol.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/frame3d.h"
#include "widgets/rasterfont.h"
#include "widgets/rasterlabmetrics.h"

#include <memory>

class EVRXRasterLabError : public EVRXError {
public:
    using EVRXError::EVRXError;
};

class TRasterLab : public TMouseControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
    Q_PROPERTY(TColor ColorDotOn READ ColorDotOn WRITE SetColorDotOn)
    Q_PROPERTY(TColor ColorDotOff READ ColorDotOff WRITE SetColorDotOff)
    Q_PROPERTY(Frame3D::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing)
    Q_PROPERTY(int DotSize READ DotSize WRITE SetDotSize)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(Frame3D::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
    Q_PROPERTY(RasterLab::TRDScrollMode ScrollMode READ ScrollMode WRITE SetScrollMode)
    Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollInterval)
    Q_PROPERTY(int ScrollIncrement READ ScrollIncrement WRITE SetScrollIncrement)
    Q_PROPERTY(bool ScrollLoop READ ScrollLoop WRITE SetScrollLoop)
    Q_PROPERTY(RasterLab::TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockMode)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TRasterLab(TComponentBase* owner, QWidget* parent = nullptr);
    ~TRasterLab() override;

    bool AutoHeight() const { return FAutoHeight; }
    void SetAutoHeight(bool value);
    bool AutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool value);
    TColor ColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor value);
    TColor ColorDotOn() const { return FColorDotOn; }
    void SetColorDotOn(TColor value);
    TColor ColorDotOff() const { return FColorDotOff; }
    void SetColorDotOff(TColor value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    int DotSpacing() const { return FDotSpacing; }
    // Clamped to 0..3.
    void SetDotSpacing(int value);
    int DotSize() const { return FDotSize; }
    // Clamped to 1..32.
    void SetDotSize(int value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    int PosX() const { return FPosX; }
    void SetPosX(int value);
    int PosY() const { return FPosY; }
    void SetPosY(int value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    TRDScrollMode ScrollMode() const { return FScrollMode; }
    // Starts or stops the timer; back to rdsmOff puts the text at its place at once.
    // Throws EVRXRasterLabError when no timer is available (the mode stays stored).
    void SetScrollMode(TRDScrollMode value);
    int ScrollInterval() const { return FScrollInterval; }
    // Milliseconds, at least 10.
    void SetScrollInterval(int value);
    int ScrollIncrement() const { return FScrollIncrement; }
    // Pixels per tick: 0 becomes 1, a negative value its absolute value.
    void SetScrollIncrement(int value);
    bool ScrollLoop() const { return FScrollLoop; }
    // Repaints even when the value is unchanged.
    void SetScrollLoop(bool value);
    TRDBlockMode CharBlockMode() const { return FCharBlockMode; }
    void SetCharBlockMode(TRDBlockMode value);
    QString Text() const { return FText; }
    void SetText(const QString& value);

    const TNotifyEvent& OnScrollTimer() const { return FOnScrollTimer; }
    void SetOnScrollTimer(TNotifyEvent handler);
    const TNotifyEvent& OnScrollLoopRestart() const { return FOnScrollLoopRestart; }
    void SetOnScrollLoopRestart(TNotifyEvent handler) { FOnScrollLoopRestart = std::move(handler); }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

    // From another TRasterLab: frame style, text, background and lit-dot colours and the colour
    // scheme, which sets the frame colours (nothing else), then paints. False for any other source.
    bool Assign(const QObject* source);
    // Lets dest assign from this label when it is one; false otherwise.
    bool AssignTo(QObject* dest) const;

    // Marks the face stale and asks for a repaint; the face is rendered when next shown or read.
    void Paint();
    // Called on every timer tick: one scroll step, then OnScrollTimer.
    virtual void ScrollTimerTick();

    // Replaces the timer that drives scrolling (the default is a Qt timer); the new one is set up
    // at once for the current mode and interval.
    void SetScrollTimer(std::unique_ptr<IntervalTimer> timer);

    // The face as shown, rendered first when a change or a resize has made it stale; and how often
    // it has been rendered.
    const TBitmap& Face() const;
    int PaintCount() const { return FPaintCount; }
    const TGlyphTable& Glyphs() const { return *FGlyphs; }
    // The text's width as drawn: its characters' advances plus one pixel.
    int TextWidthPixels() const;
    QPoint ScrollOffset() const { return QPoint(FScrollOffset.X, FScrollOffset.Y); }

protected:
    virtual void ScrollLoopRestart();
    void FontChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void ZoomChanged() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int dotPitch() const { return FDotSize + FDotSpacing; }
    QByteArray codes() const { return dotMatrixCodes(FText); }
    void BuildGlyphTable();
    void AdjustHeight();
    void CenterText();
    void dotMetricsChanged();
    void UpdateScrollTimer();
    void ScrollStep();

    // What the face under the text is drawn from.
    struct BlankLook {
        QSize Size;
        DrawingScale Scale;
        bool Framed = false;
        bool Grid = false;
        TColor Fill = 0;
        TColor Gaps = 0;
        int Pitch = 0;
        int Spacing = 0;
        int PhaseX = 0;
        int PhaseY = 0;
        bool operator==(const BlankLook&) const = default;
    };

    // Painting, in its order (rasterlab_paint.cpp).
    void render() const;
    BlankLook blankLook() const;
    // Fill and dot grid, into FBlank.
    void renderBlank(const BlankLook& look) const;
    static void fillFace(TCanvas& canvas, const BlankLook& look);
    static void drawDotGrid(TCanvas& canvas, const BlankLook& look);
    void DrawDotText(TCanvas& canvas) const;
    void drawGlyph(TCanvas& canvas, unsigned char code, long long x, long long y) const;
    void clearColumnStrip(TCanvas& canvas, long long x) const;
    void drawFrame(TCanvas& canvas) const;

    bool FAutoHeight = false;
    bool FAutoCenter = false;
    TColor FColorLabBakG = clBlack;
    TColor FColorDotOn = clLime;
    TColor FColorDotOff = 0x404040;
    TColorScheme FColorScheme = TColorScheme::csBWG;
    int FDotSpacing = 1;
    int FDotSize = 3;
    TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
    int FPosX = 1;
    int FPosY = 1;
    bool FProportional = true;
    TRDScrollMode FScrollMode = TRDScrollMode::rdsmOff;
    int FScrollInterval = 100;
    int FScrollIncrement = 1;
    bool FScrollLoop = true;
    TRDBlockMode FCharBlockMode = TRDBlockMode::rdbmOn;
    QString FText = QStringLiteral("Text");
    TNotifyEvent FOnScrollTimer;
    TNotifyEvent FOnScrollLoopRestart;
    TNotifyEvent FOnClick;

    std::shared_ptr<const TGlyphTable> FGlyphs;
    ScrollOffsets FScrollOffset;
    std::unique_ptr<IntervalTimer> FTimer;
    bool FTimerActive = false;
    bool FConstructed = false;
    // A cache of what the settings show, filled by Face().
    mutable TBitmap FFace;
    mutable bool FFaceStale = true;
    mutable TBitmap FBlank;
    mutable BlankLook FBlankLook;
    mutable int FPaintCount = 0;
};
