// Chart parts shared by the chart and its users: the crosshair, the (hidden) text labels and the
// enumerations a layout names (chBoth, tlOff, maNone). Each part is a persistent sub-object of the
// chart: it reports every change through OnChange, which the chart sets to its RepaintIfAuto.
#pragma once

#include "chart/itempass/layers.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/rect.h"
#include "platform/graphics/tcolor.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <span>

class TCanvas;

namespace VrxBase {
Q_NAMESPACE

// Which lines of a crosshair are shown.
enum class TCrossHairMode { chOff, chHoriz, chVert, chBoth };
Q_ENUM_NS(TCrossHairMode)

enum class TTextLabelMode { tlOff, tlSimple, tlBox };
Q_ENUM_NS(TTextLabelMode)

// What dragging the mouse over the chart does. maZoom and the rotations do nothing in this chart.
enum class TMouseActMode {
    maNone,
    maPan,
    maPanHoriz,
    maPanVert,
    maRubberBand,
    maZoom,
    maZoomWind,
    maZoomWindPos,
    maZoomDrag,
    maDragCrossH,
    maDragLabel,
    maRotate,
    maRotAndZoom,
    maRotXOnly,
    maRotZOnly
};
Q_ENUM_NS(TMouseActMode)

} // namespace VrxBase

using VrxBase::TCrossHairMode;
using VrxBase::TMouseActMode;
using VrxBase::TTextLabelMode;

// Maps a point in data units of a layer to a pixel in control coordinates.
using LayerToPixel = std::function<QPoint(int layer, double x, double y)>;

// What crosshairs and text labels have in common: a position in data units of a layer, a colour,
// and the notification of every change, which the chart sets to its RepaintIfAuto.
class PinnedPart : public QObject {
    Q_OBJECT
    Q_PROPERTY(double PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(double PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(int Layer READ Layer WRITE SetLayer)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    // A position that is not a number is ignored.
    double PosX() const { return FPosX; }
    void SetPosX(double value);
    double PosY() const { return FPosY; }
    void SetPosY(double value);
    // Values below 1 become 1, above 16 become 16.
    int Layer() const { return FLayer; }
    void SetLayer(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    // Called after every change; one handler or none.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

protected:
    PinnedPart(int layer, QObject* parent);
    void notify() const;

private:
    double FPosX = 0;
    double FPosY = 0;
    int FLayer;
    TColor FColor = clBlack;
    std::function<void()> FOnChange;
};

class TCrossHair : public PinnedPart {
    Q_OBJECT
    Q_PROPERTY(VrxBase::TCrossHairMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(Graphics::TPenStyle LineType READ LineType WRITE SetLineType)
    Q_PROPERTY(int LineWid READ LineWid WRITE SetLineWid)
public:
    // Crosshair number n starts on layer n.
    explicit TCrossHair(int number, QObject* parent = nullptr);

    TCrossHairMode Mode() const { return FMode; }
    void SetMode(TCrossHairMode value);
    TPenStyle LineType() const { return FLineType; }
    void SetLineType(TPenStyle value);
    int LineWid() const { return FLineWid; }
    // Widths below 1 draw as 1 pixel and are stored as 1.
    void SetLineWid(int value);

    bool ShowsHorizontal() const {
        return FMode == TCrossHairMode::chHoriz || FMode == TCrossHairMode::chBoth;
    }
    bool ShowsVertical() const { return FMode == TCrossHairMode::chVert || FMode == TCrossHairMode::chBoth; }

private:
    TCrossHairMode FMode = TCrossHairMode::chOff;
    TPenStyle FLineType = TPenStyle::psSolid;
    int FLineWid = 1;
};

// Draws one crosshair whose position maps to `pixel`, with the canvas's current pen. `dataArea`
// holds the data area's edges in control coordinates: Left = MarginLeft, Top = MarginTop,
// Right = Width - MarginRight - ShadowWidth, Bottom = Height - MarginBottom - ShadowWidth. A line on
// an edge, or one that would overlap it by its width, is left out.
void drawCrossHairLines(TCanvas& canvas, const TCrossHair& crossHair, QPoint pixel, const TRect& dataArea);

// The chart's crosshair pass: each crosshair that is not off, mapped through its layer, in its own
// colour, width and style; the pen is restored afterwards. Nothing is touched when all are off.
void drawCrossHairs(TCanvas& canvas, std::span<const TCrossHair* const> crossHairs,
                    const LayerToPixel& toPixel, const TRect& dataArea, TColor chartColor);

// A caption placed at a data point of a layer. The chart keeps a set of them, created hidden.
class TCustomTextLabel : public PinnedPart {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(VrxBase::TTextLabelMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TCustomTextLabel(QObject* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TTextLabelMode Mode() const { return FMode; }
    void SetMode(TTextLabelMode value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    bool Shown() const { return FVisible && FMode != TTextLabelMode::tlOff; }

private:
    QString FCaption;
    TTextLabelMode FMode = TTextLabelMode::tlOff;
    bool FVisible = false;
};

class TTextLabel : public TCustomTextLabel {
    Q_OBJECT
public:
    using TCustomTextLabel::TCustomTextLabel;
};

// Draws a shown label with its top-left corner at `pixel` in the canvas's current font: the caption
// in the label's colour on a clear background, framed in that colour for tlBox.
void drawTextLabel(TCanvas& canvas, const TCustomTextLabel& label, QPoint pixel);
