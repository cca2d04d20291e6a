// The chart's geometry, its 16 layers of scale settings and scale controls, the transformation
// between data and pixels, range changes, joined layers, isometric correction and the standard
// layouts.
#include "chart/rchart.h"

#include <algorithm>
#include <type_traits>

using enum Frame3D::TFrameStyle;
using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;

struct TCustomRChart::InternalChange {
    explicit InternalChange(TCustomRChart& chart) : chart(chart) { ++chart.FInternalChange; }
    ~InternalChange() { --chart.FInternalChange; }
    InternalChange(const InternalChange&) = delete;
    InternalChange& operator=(const InternalChange&) = delete;
    TCustomRChart& chart;
};

struct TCustomRChart::PaintSuppression {
    explicit PaintSuppression(TCustomRChart& chart) : chart(chart), previous(chart.FSuppressPaint) {
        chart.SetSuppressPaint(true);
    }
    ~PaintSuppression() { chart.SetSuppressPaint(previous); }
    PaintSuppression(const PaintSuppression&) = delete;
    PaintSuppression& operator=(const PaintSuppression&) = delete;
    TCustomRChart& chart;
    bool previous;
};

namespace {

constexpr PerLayer<TColor> kLayerColors{clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                        clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                        clBlue,  clFuchsia, clAqua,   clWhite};

// A layer number outside 1..16 reads layer 1's settings.
std::size_t settingsSlot(int layer) {
    return isLayer(layer) ? layerSlot(layer) : 0;
}

void prepareScaleControl(TScale& scale, const QString& name, TCanvas& target, TColor background) {
    scale.SetName(name);
    scale.SetEmbedded(true);
    scale.SetTransparent(true);
    scale.SetFrameStyle(fsNone);
    scale.SetColorBackGnd(background);
    scale.SetDrawTarget(&target, 0, 0);
}

template <typename Props> void applyLayoutScale(Props& props, const PresetScale& s) {
    if constexpr (std::is_same_v<Props, TScalePropsHoriz>)
        props.SetScaleLocation(s.Far ? slTop : slBottom);
    else
        props.SetScaleLocation(s.Far ? slRight : slLeft);
    props.SetScalePos(s.ScalePos);
    props.SetCaptionPosX(s.CaptionPosX);
    props.SetCaptionPosY(s.CaptionPosY);
    props.SetCaptionAlignment(s.CaptionAlignment);
    props.SetCaptionAnchor(s.CaptionAnchor);
    props.SetVisible(s.Visible);
}

} // namespace

// ---- Construction

void TCustomRChart::createLayers() {
    for (int n = 1; n <= kLayerCount; ++n) {
        const std::size_t i = layerSlot(n);
        const QString number = QString::number(n);
        FScaleControlX[i] = new TScale(this, this);
        prepareScaleControl(*FScaleControlX[i], QStringLiteral("RC_FScale_X_") + number, FFrame.Canvas(),
                            FWindColor);
        FScaleX[i] = new TScalePropsHoriz(this);
        FScaleControlY[i] = new TScale(this, this);
        prepareScaleControl(*FScaleControlY[i], QStringLiteral("RC_FScale_Y_") + number, FFrame.Canvas(),
                            FWindColor);
        FScaleY[i] = new TScalePropsVert(this);
        for (TScale* scale : {FScaleControlX[i], FScaleControlY[i]})
            scale->SetOnScaleTickDrawn(
                [this](QObject*, TCanvas*& canvas, TScaleType type, double value, int x, int y) {
                    if (FOnScaleTickDrawn) FOnScaleTickDrawn(this, canvas, type, value, x, y);
                });
        FScaleX[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        FScaleY[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        setLayerDefaults(n);
    }
}

void TCustomRChart::setLayerDefaults(int layer) {
    InternalChange internal(*this);
    TScalePropsHoriz& x = *FScaleX[layerSlot(layer)];
    TScalePropsVert& y = *FScaleY[layerSlot(layer)];
    const bool odd = layer % 2 == 1;
    x.SetScaleLocation(odd ? slBottom : slTop);
    x.SetScalePos((layer - 1) / 2 * 30);
    y.SetScaleLocation(odd ? slLeft : slRight);
    y.SetScalePos((layer - 1) / 2 * 50);
    x.SetColorScale(kLayerColors[layerSlot(layer)]);
    y.SetColorScale(kLayerColors[layerSlot(layer)]);
}

TScalePropsHoriz* TCustomRChart::ScaleX(int layer) const {
    return FScaleX[settingsSlot(layer)];
}
TScalePropsVert* TCustomRChart::ScaleY(int layer) const {
    return FScaleY[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlX(int layer) const {
    return FScaleControlX[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlY(int layer) const {
    return FScaleControlY[settingsSlot(layer)];
}

void TCustomRChart::Loaded() {
    TMouseControl::Loaded();
    for (int n = 1; n <= kLayerCount; ++n) {
        FScaleX[layerSlot(n)]->EndCreation();
        FScaleY[layerSlot(n)]->EndCreation();
    }
    syncScaleControls();
    recomputeTransform();
    Paint();
}

// ---- Geometry

void TCustomRChart::setMargin(int& margin, int value) {
    if (assignChanged(margin, value)) geometryChanged(true);
}

void TCustomRChart::SetShadowWidth(int value) {
    if (assignChanged(FGeometry.ShadowWidth, std::clamp(value, 0, MaxShadowWidth))) geometryChanged(false);
}

void TCustomRChart::geometryChanged(bool isometric) {
    if (isometric && FIsometric) applyIsometric();
    syncScaleControls();
    recomputeTransform();
    RepaintIfAuto();
}

void TCustomRChart::SetBounds(int left, int top, int width, int height) {
    PaintSuppression suppression(*this);
    TMouseControl::SetBounds(left, top, std::max(width, FGeometry.MinimumWidth()),
                             std::max(height, FGeometry.MinimumHeight()));
    FGeometry.Width = Width();
    FGeometry.Height = Height();
    if (FIsometric) applyIsometric();
    syncScaleControls();
    recomputeTransform();
}

// ---- Scale controls

void TCustomRChart::scaleSettingsChanged() {
    if (FInternalChange > 0) return;
    lookChanged();
    for (int n = 1; n <= kLayerCount; ++n)
        followControllers(n);
    syncScaleControls();
    recomputeTransform();
    Paint();
}

void TCustomRChart::syncScaleControls() {
    for (int n = 1; n <= kLayerCount; ++n)
        syncScaleControl(n);
}

// Copies a layer's settings into its two scale controls and puts each axis line on the edge of the
// data area, ScalePos pixels further out.
void TCustomRChart::syncScaleControl(int layer) {
    lookChanged();
    const ChartGeometry& g = FGeometry;
    const TScalePropsHoriz& px = *FScaleX[layerSlot(layer)];
    TScale& x = *FScaleControlX[layerSlot(layer)];
    x.SetBounds(0, 0, g.Width, g.Height);
    x.ApplySettings(px);
    x.SetMarginLeft(g.MarginLeft);
    x.SetMarginRight(g.MarginRight + g.ShadowWidth - 1);
    if (px.ScaleLocation() == slTop)
        x.SetMarginBottom(px.ScalePos() + g.Height - g.MarginTop - 1);
    else
        x.SetMarginTop(px.ScalePos() + g.Height - g.MarginBottom - g.ShadowWidth);

    const TScalePropsVert& py = *FScaleY[layerSlot(layer)];
    TScale& y = *FScaleControlY[layerSlot(layer)];
    y.SetBounds(0, 0, g.Width, g.Height);
    y.ApplySettings(py);
    y.SetMarginTop(g.MarginTop);
    y.SetMarginBottom(g.MarginBottom + g.ShadowWidth - 1);
    if (py.ScaleLocation() == slRight)
        y.SetMarginLeft(py.ScalePos() + g.Width - g.MarginRight - g.ShadowWidth);
    else
        y.SetMarginRight(py.ScalePos() + g.Width - g.MarginLeft - 1);
}

// ---- Mapping

void TCustomRChart::recomputeTransform() {
    if (IsLoading()) return;
    for (int n = 1; n <= kLayerCount; ++n) {
        const LayerMap map =
            layerMap(FGeometry, rangeOf(*FScaleX[layerSlot(n)]), rangeOf(*FScaleY[layerSlot(n)]));
        if (assignChanged(FMaps[layerSlot(n)], map)) lookChanged();
    }
}

AxisRange TCustomRChart::rangeOf(const TScaleProps& props) const {
    return {props.RangeLow(), props.RangeHigh(), props.Logarithmic()};
}

QPoint TCustomRChart::DataToPixel(int layer, double x, double y) const {
    const LayerMap& map = FMaps[layerSlot(layer)];
    return {map.X.ToPixel(x), map.Y.ToPixel(y)};
}

void TCustomRChart::PixelToData(int layer, int px, int py, double& x, double& y) const {
    const LayerMap& map = FMaps[layerSlot(layer)];
    x = static_cast<double>(map.X.ToData(px));
    y = static_cast<double>(map.Y.ToData(py));
}

// ---- Ranges

void TCustomRChart::setAxisRange(TScaleProps& props, double low, double high) {
    const BoundsUpdate update = acceptedBounds(low, high, props.MinRange(), props.Logarithmic());
    if (update.SetLow) props.SetRangeLow(low);
    if (update.SetHigh) props.SetRangeHigh(high);
}

void TCustomRChart::setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    {
        InternalChange internal(*this);
        setAxisRange(*FScaleX[layerSlot(layer)], xLow, xHigh);
        setAxisRange(*FScaleY[layerSlot(layer)], yLow, yHigh);
    }
    syncScaleControl(layer);
    recomputeTransform();
}

// Gives a joined layer the ranges of the layers that control its axes.
void TCustomRChart::followControllers(int layer) {
    const int cx = FJointLayers->ControlledBy(jaX, layer);
    const int cy = FJointLayers->ControlledBy(jaY, layer);
    if (cx == layer && cy == layer) return;
    const TScaleProps& x = *FScaleX[layerSlot(cx)];
    const TScaleProps& y = *FScaleY[layerSlot(cy)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

void TCustomRChart::SetRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    PaintSuppression suppression(*this);
    const int n = clampLayer(layer);
    const TScaleProps& x = *FScaleX[layerSlot(n)];
    const TScaleProps& y = *FScaleY[layerSlot(n)];
    // A joined axis cannot be moved by itself.
    if (FJointLayers->ControlledBy(jaX, n) != n) {
        xLow = x.RangeLow();
        xHigh = x.RangeHigh();
    }
    if (FJointLayers->ControlledBy(jaY, n) != n) {
        yLow = y.RangeLow();
        yHigh = y.RangeHigh();
    }
    setLayerRanges(n, xLow, xHigh, yLow, yHigh);
    for (int i = 1; i <= kLayerCount; ++i)
        if (i != n && (FJointLayers->ControlledBy(jaX, i) == n || FJointLayers->ControlledBy(jaY, i) == n))
            followControllers(i);
}

void TCustomRChart::layerJoined(JointAxis axis, int layer) {
    const int controller = FJointLayers->ControlledBy(axis, layer);
    const TScaleProps& x = *FScaleX[layerSlot(axis == jaX ? controller : layer)];
    const TScaleProps& y = *FScaleY[layerSlot(axis == jaY ? controller : layer)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

void TCustomRChart::SetJointLayers(TJointLayers* value) {
    if (value && value != FJointLayers) FJointLayers->Assign(*value);
}

// ---- Isometric correction

void TCustomRChart::SetIsometric(bool value) {
    if (!assignChanged(FIsometric, value) || !value) return;
    applyIsometric();
    syncScaleControls();
    recomputeTransform();
    RepaintIfAuto();
}

void TCustomRChart::applyIsometric() {
    InternalChange internal(*this);
    for (int n = 1; n <= kLayerCount; ++n) {
        TScalePropsVert& y = *FScaleY[layerSlot(n)];
        const AxisRange corrected =
            isometricYRange(rangeOf(*FScaleX[layerSlot(n)]), rangeOf(y), FGeometry.DataWidth(),
                            FGeometry.DataHeight(), FAspectX, FAspectY);
        y.SetRangeHigh(corrected.High);
        y.SetRangeLow(corrected.Low);
    }
}

// ---- Standard layouts

void TCustomRChart::SetStandardLayout(TrcLayout value) {
    FStandardLayout = value;
    applyLayout(standardLayout(value));
}

void TCustomRChart::applyLayout(const LayoutPreset& layout) {
    PaintSuppression suppression(*this);
    {
        InternalChange internal(*this);
        FGeometry.MarginLeft = layout.MarginLeft;
        FGeometry.MarginRight = layout.MarginRight;
        FGeometry.MarginTop = layout.MarginTop;
        FGeometry.MarginBottom = layout.MarginBottom;
        FCaptionPosX = layout.CaptionPosX;
        FCaptionPosY = layout.CaptionPosY;
        FCaptionAlignment = layout.CaptionAlignment;
        FCaptionAnchorHoriz = layout.CaptionAnchorHoriz;
        FCaptionAnchorVert = layout.CaptionAnchorVert;
        for (int n = 1; n <= kLayerCount; ++n) {
            if (n <= kLayoutScaleLayers) {
                applyLayoutScale(*FScaleX[layerSlot(n)], layout.X[layerSlot(n)]);
                applyLayoutScale(*FScaleY[layerSlot(n)], layout.Y[layerSlot(n)]);
            } else {
                FScaleX[layerSlot(n)]->SetVisible(false);
                FScaleY[layerSlot(n)]->SetVisible(false);
            }
        }
    }
    geometryChanged(true);
}
