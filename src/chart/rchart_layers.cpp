// The chart's geometry, its 16 layers of scale settings and scale controls, the transformation
// between data and pixels, range changes, joined layers, isometric correction and the standard
// layouts.
#include "chart/rchart_p.h"

#include <algorithm>
#include <type_traits>

using enum Frame3D::TFrameStyle;
using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;

struct TCustomRChart::Private::InternalChange {
    explicit InternalChange(Private& chart) : Chart(chart) { ++chart.FInternalChange; }
    ~InternalChange() { --Chart.FInternalChange; }
    InternalChange(const InternalChange&) = delete;
    InternalChange& operator=(const InternalChange&) = delete;
    Private& Chart;
};

struct TCustomRChart::Private::PaintSuppression {
    explicit PaintSuppression(TCustomRChart& chart) : Chart(chart), Previous(chart.SuppressPaint()) {
        chart.SetSuppressPaint(true);
    }
    ~PaintSuppression() { Chart.SetSuppressPaint(Previous); }
    PaintSuppression(const PaintSuppression&) = delete;
    PaintSuppression& operator=(const PaintSuppression&) = delete;
    TCustomRChart& Chart;
    bool Previous;
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

void TCustomRChart::Private::createLayers() {
    for (int n = 1; n <= kLayerCount; ++n) {
        const std::size_t i = layerSlot(n);
        const QString number = QString::number(n);
        FScaleControlX[i] = new TScale(&q, &q);
        prepareScaleControl(*FScaleControlX[i], QStringLiteral("RC_FScale_X_") + number,
                            FCache.frame().Canvas(), FWindColor);
        FScaleX[i] = new TScalePropsHoriz(&q);
        FScaleControlY[i] = new TScale(&q, &q);
        prepareScaleControl(*FScaleControlY[i], QStringLiteral("RC_FScale_Y_") + number,
                            FCache.frame().Canvas(), FWindColor);
        FScaleY[i] = new TScalePropsVert(&q);
        for (TScale* scale : {FScaleControlX[i], FScaleControlY[i]})
            scale->SetOnScaleTickDrawn(
                [this](QObject*, TCanvas*& canvas, TScaleType type, double value, int x, int y) {
                    if (FOnScaleTickDrawn) FOnScaleTickDrawn(&q, canvas, type, value, x, y);
                });
        FScaleX[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        FScaleY[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        setLayerDefaults(n);
    }
}

void TCustomRChart::Private::setLayerDefaults(int layer) {
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
    return d->FScaleX[settingsSlot(layer)];
}
TScalePropsVert* TCustomRChart::ScaleY(int layer) const {
    return d->FScaleY[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlX(int layer) const {
    return d->FScaleControlX[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlY(int layer) const {
    return d->FScaleControlY[settingsSlot(layer)];
}

void TCustomRChart::Loaded() {
    TMouseControl::Loaded();
    for (int n = 1; n <= kLayerCount; ++n) {
        d->FScaleX[layerSlot(n)]->EndCreation();
        d->FScaleY[layerSlot(n)]->EndCreation();
    }
    d->syncScaleControls();
    d->recomputeTransform();
    Paint();
}

// ---- Geometry

int TCustomRChart::MarginLeft() const {
    return d->FGeometry.MarginLeft;
}
void TCustomRChart::SetMarginLeft(int value) {
    d->setMargin(d->FGeometry.MarginLeft, value);
}
int TCustomRChart::MarginRight() const {
    return d->FGeometry.MarginRight;
}
void TCustomRChart::SetMarginRight(int value) {
    d->setMargin(d->FGeometry.MarginRight, value);
}
int TCustomRChart::MarginTop() const {
    return d->FGeometry.MarginTop;
}
void TCustomRChart::SetMarginTop(int value) {
    d->setMargin(d->FGeometry.MarginTop, value);
}
int TCustomRChart::MarginBottom() const {
    return d->FGeometry.MarginBottom;
}
void TCustomRChart::SetMarginBottom(int value) {
    d->setMargin(d->FGeometry.MarginBottom, value);
}
int TCustomRChart::ShadowWidth() const {
    return d->FGeometry.ShadowWidth;
}

void TCustomRChart::Private::setMargin(int& margin, int value) {
    if (assignChanged(margin, value)) geometryChanged(true);
}

void TCustomRChart::SetShadowWidth(int value) {
    if (assignChanged(d->FGeometry.ShadowWidth, std::clamp(value, 0, MaxShadowWidth)))
        d->geometryChanged(false);
}

void TCustomRChart::Private::geometryChanged(bool isometric) {
    if (isometric && FIsometric) applyIsometric();
    syncScaleControls();
    recomputeTransform();
    q.RepaintIfAuto();
}

void TCustomRChart::SetBounds(int left, int top, int width, int height) {
    Private::PaintSuppression suppression(*this);
    TMouseControl::SetBounds(left, top, std::max(width, d->FGeometry.minimumWidth()),
                             std::max(height, d->FGeometry.minimumHeight()));
    d->pictureResized();
}

// The chart lays out its picture at the control's size over its zoom.
void TCustomRChart::Private::pictureResized() {
    const QSize size = q.PictureSize();
    FGeometry.Width = size.width();
    FGeometry.Height = size.height();
    if (FIsometric) applyIsometric();
    syncScaleControls();
    recomputeTransform();
}

void TCustomRChart::ZoomChanged() {
    Private::PaintSuppression suppression(*this);
    d->pictureResized();
    d->FCache.lookChanged();
}

// ---- Scale controls

void TCustomRChart::Private::scaleSettingsChanged() {
    if (FInternalChange > 0) return;
    FCache.lookChanged();
    for (int n = 1; n <= kLayerCount; ++n)
        followControllers(n);
    syncScaleControls();
    recomputeTransform();
    q.Paint();
}

void TCustomRChart::Private::syncScaleControls() {
    for (int n = 1; n <= kLayerCount; ++n)
        syncScaleControl(n);
}

// Copies a layer's settings into its two scale controls and puts each axis line on the edge of the
// data area, ScalePos pixels further out.
void TCustomRChart::Private::syncScaleControl(int layer) {
    FCache.lookChanged();
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

void TCustomRChart::Private::recomputeTransform() {
    if (q.IsLoading()) return;
    for (int n = 1; n <= kLayerCount; ++n) {
        const LayerMap map =
            layerMap(FGeometry, rangeOf(*FScaleX[layerSlot(n)]), rangeOf(*FScaleY[layerSlot(n)]));
        if (assignChanged(FMaps[layerSlot(n)], map)) FCache.lookChanged();
    }
}

AxisRange TCustomRChart::Private::rangeOf(const TScaleProps& props) {
    return {props.RangeLow(), props.RangeHigh(), props.Logarithmic()};
}

QPoint TCustomRChart::DataToPixel(int layer, double x, double y) const {
    const LayerMap& map = d->FMaps[layerSlot(layer)];
    return {map.X.toPixel(x), map.Y.toPixel(y)};
}

void TCustomRChart::PixelToData(int layer, int px, int py, double& x, double& y) const {
    const LayerMap& map = d->FMaps[layerSlot(layer)];
    x = static_cast<double>(map.X.toData(px));
    y = static_cast<double>(map.Y.toData(py));
}

// ---- Ranges

void TCustomRChart::Private::setAxisRange(TScaleProps& props, double low, double high) {
    const BoundsUpdate update = acceptedBounds(low, high, props.MinRange(), props.Logarithmic());
    if (update.SetLow) props.SetRangeLow(low);
    if (update.SetHigh) props.SetRangeHigh(high);
}

void TCustomRChart::Private::setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    {
        InternalChange internal(*this);
        setAxisRange(*FScaleX[layerSlot(layer)], xLow, xHigh);
        setAxisRange(*FScaleY[layerSlot(layer)], yLow, yHigh);
    }
    syncScaleControl(layer);
    recomputeTransform();
}

// Gives a joined layer the ranges of the layers that control its axes.
void TCustomRChart::Private::followControllers(int layer) {
    const int cx = FJointLayers->ControlledBy(JointAxis::X, layer);
    const int cy = FJointLayers->ControlledBy(JointAxis::Y, layer);
    if (cx == layer && cy == layer) return;
    const TScaleProps& x = *FScaleX[layerSlot(cx)];
    const TScaleProps& y = *FScaleY[layerSlot(cy)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

void TCustomRChart::SetRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    Private::PaintSuppression suppression(*this);
    const int n = clampLayer(layer);
    const TScaleProps& x = *d->FScaleX[layerSlot(n)];
    const TScaleProps& y = *d->FScaleY[layerSlot(n)];
    // A joined axis cannot be moved by itself.
    if (d->FJointLayers->ControlledBy(JointAxis::X, n) != n) {
        xLow = x.RangeLow();
        xHigh = x.RangeHigh();
    }
    if (d->FJointLayers->ControlledBy(JointAxis::Y, n) != n) {
        yLow = y.RangeLow();
        yHigh = y.RangeHigh();
    }
    d->setLayerRanges(n, xLow, xHigh, yLow, yHigh);
    for (int i = 1; i <= kLayerCount; ++i)
        if (i != n && (d->FJointLayers->ControlledBy(JointAxis::X, i) == n ||
                       d->FJointLayers->ControlledBy(JointAxis::Y, i) == n))
            d->followControllers(i);
}

void TCustomRChart::Private::layerJoined(JointAxis axis, int layer) {
    const int controller = FJointLayers->ControlledBy(axis, layer);
    const TScaleProps& x = *FScaleX[layerSlot(axis == JointAxis::X ? controller : layer)];
    const TScaleProps& y = *FScaleY[layerSlot(axis == JointAxis::Y ? controller : layer)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

TJointLayers* TCustomRChart::JointLayers() const {
    return d->FJointLayers;
}

void TCustomRChart::SetJointLayers(TJointLayers* value) {
    if (value && value != d->FJointLayers) d->FJointLayers->Assign(*value);
}

// ---- Isometric correction

bool TCustomRChart::Isometric() const {
    return d->FIsometric;
}

void TCustomRChart::SetIsometric(bool value) {
    if (!assignChanged(d->FIsometric, value) || !value) return;
    d->applyIsometric();
    d->syncScaleControls();
    d->recomputeTransform();
    RepaintIfAuto();
}

void TCustomRChart::Private::applyIsometric() {
    InternalChange internal(*this);
    for (int n = 1; n <= kLayerCount; ++n) {
        TScalePropsVert& y = *FScaleY[layerSlot(n)];
        const AxisRange corrected =
            isometricYRange(rangeOf(*FScaleX[layerSlot(n)]), rangeOf(y), FGeometry.dataWidth(),
                            FGeometry.dataHeight(), FAspectX, FAspectY);
        y.SetRangeHigh(corrected.High);
        y.SetRangeLow(corrected.Low);
    }
}

// ---- Standard layouts

TrcLayout TCustomRChart::StandardLayout() const {
    return d->FStandardLayout;
}

void TCustomRChart::SetStandardLayout(TrcLayout value) {
    d->FStandardLayout = value;
    d->applyLayout(standardLayout(value));
}

void TCustomRChart::Private::applyLayout(const LayoutPreset& layout) {
    PaintSuppression suppression(q);
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
