// TScale: the axis scale control. Owns one range, maps values to pixels along its axis, runs the
// tick pass its label type selects and draws base line, ticks, labels and caption: transparent
// straight onto a draw target, or opaque through an off-screen bitmap with background and 3-D frame.
// The chart embeds its scales and has them draw onto its own canvas; a stand-alone TScale is a
// widget of its own (400 × 400 when new).
#pragma once

#include "platform/controls/component.h"
#include "platform/controls/mousecontrol.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/font.h"
#include "platform/graphics/frame3d.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/tcolor.h"
#include "scales/dtlabel.h"
#include "scales/scaleenums.h"
#include "scales/scalesettings.h"
#include "scales/scaletransform.h"
#include "scales/ticks.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TScaleProps;

using TScaleRenderedEvent = std::function<void(QObject* sender, TCanvas& canvas)>;
using TScaleTickDrawnEvent = std::function<void(QObject* sender, TCanvas*& canvas, TScaleType scaleType,
                                                double currentTickPos, int chartX, int chartY)>;
// Before a context menu would open: the pointer in control pixels; a handler sets Handled to take over.
using TContextPopupEvent = std::function<void(QObject* sender, QPoint mousePos, bool& handled)>;

class TScale : public TMouseControl {
    Q_OBJECT
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(ScaleEnums::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(ScaleEnums::TScaleType ScaleType READ ScaleType WRITE SetScaleType)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int NumTicks READ NumTicks)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(Frame3D::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(Frame3D::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowBaseLine READ ShowBaseLine WRITE SetShowBaseLine)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(Graphics::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(ScaleEnums::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
public:
    explicit TScale(TComponentBase* owner, QWidget* parent = nullptr);
    ~TScale() override;

    // Range and ticks. Setters store, normalise, recompute the transform where it depends on the
    // value and ask for a redraw.
    double RangeLow() const { return FSettings.RangeLow; }
    // Equal ends are never kept: the other end moves to the new value + 1. Non-finite values are ignored.
    void SetRangeLow(double x);
    double RangeHigh() const { return FSettings.RangeHigh; }
    void SetRangeHigh(double x);
    bool Logarithmic() const { return FSettings.Logarithmic; }
    // After loading, switching on needs both ends >= 1e-100 and labels that are not dates.
    void SetLogarithmic(bool value);
    int MinTicks() const { return FMinTicks; }
    // 0 (unit steps) stays 0, anything else is clamped to 2 … 10.
    void SetMinTicks(int value);
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value);
    int DecPlaces() const { return FSettings.DecPlaces; }
    // Clamped to -3 … 12.
    void SetDecPlaces(int value);
    TFigType LabelType() const { return FSettings.LabelType; }
    // ftDateTime switches Logarithmic off; ftTime sets DecPlaces to 4.
    void SetLabelType(TFigType value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value);
    int MarginTop() const { return FAxis.MarginTop; }
    // Negative margins become 0.
    void SetMarginTop(int value);
    int MarginBottom() const { return FAxis.MarginBottom; }
    void SetMarginBottom(int value);
    int MarginLeft() const { return FAxis.MarginLeft; }
    void SetMarginLeft(int value);
    int MarginRight() const { return FAxis.MarginRight; }
    void SetMarginRight(int value);
    QString ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const QString& value);
    QString UserTickText() const { return FUserTickText; }
    void SetUserTickText(const QString& value);
    TDTLabel* DateFormat() const { return FDateFormat; }

    // Pixel of a value along the axis (x for horizontal types, y for vertical ones), in the
    // control's own coordinates.
    int ValueToPixel(double value) const { return FTransform.valueToPixel(value); }
    // The tick list of the last drawing pass: 1-based; 0 outside 1 … NumTicks.
    double GetTick(int index) const;
    int NumTicks() const { return static_cast<int>(FTicks.size()); }
    void UpdateTransform();

    // Drawing.
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value);
    TColor ColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ShowBaseLine() const { return FShowBaseLine; }
    void SetShowBaseLine(bool value);
    TFont* Font() const { return FFont; }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int value);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);

    // Where the owner wants the scale drawn: dx shifts the base line of vertical types, dy that of
    // horizontal ones. A null canvas means the control's own.
    void SetDrawTarget(TCanvas* canvas, int dx, int dy);
    bool SuppressPaint() const { return FSuppressPaint; }
    // Switching it off paints once.
    void SetSuppressPaint(bool value);
    // Draws once, even while painting is suppressed.
    void DrawNow();
    bool Embedded() const { return FEmbedded; }
    void SetEmbedded(bool value);

    // Copies all settings, the tick list and the draw target, then redraws.
    void Assign(const TScale& source);
    // Takes over a chart scale group's type, range, visibility, caption, label and date settings
    // and font (not the margins, which the chart derives from its own layout).
    void ApplySettings(const TScaleProps& props);

    void SetOnBeforeScaleRendered(TScaleRenderedEvent handler) {
        FOnBeforeScaleRendered = std::move(handler);
    }
    void SetOnAfterScaleRendered(TScaleRenderedEvent handler) { FOnAfterScaleRendered = std::move(handler); }
    void SetOnScaleTickDrawn(TScaleTickDrawnEvent handler) { FOnScaleTickDrawn = std::move(handler); }

    void Loaded() override;
    // An embedded scale never shows as a widget of its own.
    void setVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;

    // Drawing passes run so far (a stand-alone scale's own canvas included); lets callers see that
    // a setter painted at once.
    int PaintCount() const { return FPaintCount; }
    // How often a change asked for the scale to be drawn anew, whether or not it could be drawn:
    // a scale drawn on another's picture (embedded) is drawn only when that picture is.
    int LookChanges() const { return FLookChanges; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setRange(double low, double high);
    void updateTransformAndRedraw();
    void redraw();
    // Draws onto the draw target or into the control's own picture; only paintEvent calls it
    // directly, everything else goes through paintAndShow.
    void Paint(bool force);
    void paintAndShow(bool force);
    // The settings the tick passes see.
    TickSettings currentTickSettings() const;
    TCanvas& prepareOwnCanvas();
    void drawTransparent(TCanvas& canvas, int dx, int dy);
    void drawOpaque(TCanvas& target, int dx, int dy);
    void drawPass(TCanvas& canvas, int dx, int dy);
    void drawBaseLine(TCanvas& canvas, int base) const;
    int baseCoordinate(int dx, int dy) const;
    void drawTicks(TCanvas& canvas, const TickPass& pass, int base);
    void drawTickLine(TCanvas& canvas, double value, int p, int base, int length);
    void drawHorizontalLabels(TCanvas& canvas, const Tick& tick, int x, int base) const;
    void drawVerticalLabels(TCanvas& canvas, const Tick& tick, int y, int base) const;
    void drawHorizontalLabel(TCanvas& canvas, int x, int top, const QString& text) const;
    void drawMessage(TCanvas& canvas, const TickPass& pass, int base) const;
    void drawCaption(TCanvas& canvas, int base) const;

    ScaleSettings FSettings;
    int FMinTicks = 3;
    bool FShortTicks = true;
    TScaleType FScaleType = TScaleType::sctXB;
    AxisGeometry FAxis;
    ScaleTransform FTransform;
    std::vector<double> FTicks;
    QString FScaleInscript;
    QString FUserTickText;
    TDTLabel* FDateFormat;
    bool FCreating = true;

    TColor FColorScale = clBlack;
    TColor FColorBackGnd = clBtnFace;
    TColorScheme FColorScheme = TColorScheme::csBWG;
    TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
    bool FTransparent = false;
    bool FShowBaseLine = true;
    TFont* FFont;
    QString FCaption;
    int FCaptionPosX = 4;
    int FCaptionPosY = 4;
    TAlignment FCaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;

    TCanvas* FDrawTarget = nullptr;
    int FTargetDx = 0;
    int FTargetDy = 0;
    bool FSuppressPaint = true;
    bool FEmbedded = false;
    bool FPainting = false;
    int FPaintCount = 0;
    int FLookChanges = 0;
    QImage FOwnImage;
    std::unique_ptr<TCanvas> FOwnCanvas;

    TScaleRenderedEvent FOnBeforeScaleRendered;
    TScaleRenderedEvent FOnAfterScaleRendered;
    TScaleTickDrawnEvent FOnScaleTickDrawn;
    TNotifyEvent FOnClick;
    TContextPopupEvent FOnContextPopup;
};
