// The chart's geometry, its 16 layers of scale settings and scale controls, the transformation
// between data and pixels, range changes, joined layers, isometric correction and the standard
// layouts.
#include "chart/rchart_p.h"

#include <algorithm>

using enum Frame3D::TFrameStyle;
using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;

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

} // namespace

// ---- Construction

void TCustomRChart::Private::createLayers() {
    for (int n = 1; n <= kLayerCount; ++n) {
        const std::size_t i = layerSlot(n);
        const QString number = QString::number(n);
        FLayers.ScaleControlX[i] = new TScale(&q, &q);
        prepareScaleControl(*FLayers.ScaleControlX[i], QStringLiteral("RC_FScale_X_") + number,
                            FCache.frame().Canvas(), FLook.WindColor);
        FLayers.ScaleX[i] = new TScalePropsHoriz(&q);
        FLayers.ScaleControlY[i] = new TScale(&q, &q);
        prepareScaleControl(*FLayers.ScaleControlY[i], QStringLiteral("RC_FScale_Y_") + number,
                            FCache.frame().Canvas(), FLook.WindColor);
        FLayers.ScaleY[i] = new TScalePropsVert(&q);
        for (TScale* scale : {FLayers.ScaleControlX[i], FLayers.ScaleControlY[i]})
            scale->SetOnScaleTickDrawn(
                [this](QObject*, TCanvas*& canvas, TScaleType type, double value, int x, int y) {
                    if (FOnScaleTickDrawn) FOnScaleTickDrawn(&q, canvas, type, value, x, y);
                });
        FLayers.ScaleX[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        FLayers.ScaleY[i]->SetOnChange([this](QObject*) { scaleSettingsChanged(); });
        FLayers.setLayerDefaults(n);
    }
}

TScalePropsHoriz* TCustomRChart::ScaleX(int layer) const {
    return d->FLayers.ScaleX[settingsSlot(layer)];
}
TScalePropsVert* TCustomRChart::ScaleY(int layer) const {
    return d->FLayers.ScaleY[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlX(int layer) const {
    return d->FLayers.ScaleControlX[settingsSlot(layer)];
}
TScale* TCustomRChart::ScaleControlY(int layer) const {
    return d->FLayers.ScaleControlY[settingsSlot(layer)];
}

void TCustomRChart::Loaded() {
    TMouseControl::Loaded();
    for (int n = 1; n <= kLayerCount; ++n) {
        d->FLayers.ScaleX[layerSlot(n)]->EndCreation();
        d->FLayers.ScaleY[layerSlot(n)]->EndCreation();
    }
    d->syncScaleControls();
    d->recomputeTransform();
    Paint();
}

// ---- Geometry

int TCustomRChart::MarginLeft() const {
    return d->FLayers.Geometry.MarginLeft;
}
void TCustomRChart::SetMarginLeft(int value) {
    d->setMargin(d->FLayers.Geometry.MarginLeft, value);
}
int TCustomRChart::MarginRight() const {
    return d->FLayers.Geometry.MarginRight;
}
void TCustomRChart::SetMarginRight(int value) {
    d->setMargin(d->FLayers.Geometry.MarginRight, value);
}
int TCustomRChart::MarginTop() const {
    return d->FLayers.Geometry.MarginTop;
}
void TCustomRChart::SetMarginTop(int value) {
    d->setMargin(d->FLayers.Geometry.MarginTop, value);
}
int TCustomRChart::MarginBottom() const {
    return d->FLayers.Geometry.MarginBottom;
}
void TCustomRChart::SetMarginBottom(int value) {
    d->setMargin(d->FLayers.Geometry.MarginBottom, value);
}
int TCustomRChart::ShadowWidth() const {
    return d->FLayers.Geometry.ShadowWidth;
}

void TCustomRChart::Private::setMargin(int& margin, int value) {
    if (assignChanged(margin, value)) geometryChanged(true);
}

void TCustomRChart::SetShadowWidth(int value) {
    if (assignChanged(d->FLayers.Geometry.ShadowWidth, std::clamp(value, 0, MaxShadowWidth)))
        d->geometryChanged(false);
}

void TCustomRChart::Private::geometryChanged(bool isometric) {
    if (isometric && FLayers.Isometric) FLayers.applyIsometric();
    syncScaleControls();
    recomputeTransform();
    q.RepaintIfAuto();
}

void TCustomRChart::SetBounds(int left, int top, int width, int height) {
    Private::PaintSuppression suppression(*this);
    TMouseControl::SetBounds(left, top, std::max(width, d->FLayers.Geometry.minimumWidth()),
                             std::max(height, d->FLayers.Geometry.minimumHeight()));
    d->pictureResized();
}

// The chart lays out its picture at the control's size over its zoom.
void TCustomRChart::Private::pictureResized() {
    const QSize size = q.PictureSize();
    FLayers.Geometry.Width = size.width();
    FLayers.Geometry.Height = size.height();
    if (FLayers.Isometric) FLayers.applyIsometric();
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
    if (FLayers.InternalChanges > 0) return;
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
    const ChartGeometry& g = FLayers.Geometry;
    const TScalePropsHoriz& px = *FLayers.ScaleX[layerSlot(layer)];
    TScale& x = *FLayers.ScaleControlX[layerSlot(layer)];
    x.SetBounds(0, 0, g.Width, g.Height);
    x.ApplySettings(px);
    x.SetMarginLeft(g.MarginLeft);
    x.SetMarginRight(g.MarginRight + g.ShadowWidth - 1);
    if (px.ScaleLocation() == slTop)
        x.SetMarginBottom(px.ScalePos() + g.Height - g.MarginTop - 1);
    else
        x.SetMarginTop(px.ScalePos() + g.Height - g.MarginBottom - g.ShadowWidth);

    const TScalePropsVert& py = *FLayers.ScaleY[layerSlot(layer)];
    TScale& y = *FLayers.ScaleControlY[layerSlot(layer)];
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
    if (!q.IsLoading() && FLayers.remap()) FCache.lookChanged();
}

QPoint TCustomRChart::DataToPixel(int layer, double x, double y) const {
    const LayerMap& map = d->FLayers.Maps[layerSlot(layer)];
    return {map.X.toPixel(x), map.Y.toPixel(y)};
}

void TCustomRChart::PixelToData(int layer, int px, int py, double& x, double& y) const {
    const LayerMap& map = d->FLayers.Maps[layerSlot(layer)];
    x = static_cast<double>(map.X.toData(px));
    y = static_cast<double>(map.Y.toData(py));
}

// ---- Ranges

void TCustomRChart::Private::setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    {
        ChartLayers::InternalChange internal(FLayers);
        ChartLayers::setAxisRange(*FLayers.ScaleX[layerSlot(layer)], xLow, xHigh);
        ChartLayers::setAxisRange(*FLayers.ScaleY[layerSlot(layer)], yLow, yHigh);
    }
    syncScaleControl(layer);
    recomputeTransform();
}

// Gives a joined layer the ranges of the layers that control its axes.
void TCustomRChart::Private::followControllers(int layer) {
    const int cx = FLayers.Joint->ControlledBy(JointAxis::X, layer);
    const int cy = FLayers.Joint->ControlledBy(JointAxis::Y, layer);
    if (cx == layer && cy == layer) return;
    const TScaleProps& x = *FLayers.ScaleX[layerSlot(cx)];
    const TScaleProps& y = *FLayers.ScaleY[layerSlot(cy)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

void TCustomRChart::SetRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    Private::PaintSuppression suppression(*this);
    const int n = clampLayer(layer);
    const TScaleProps& x = *d->FLayers.ScaleX[layerSlot(n)];
    const TScaleProps& y = *d->FLayers.ScaleY[layerSlot(n)];
    // A joined axis cannot be moved by itself.
    if (d->FLayers.Joint->ControlledBy(JointAxis::X, n) != n) {
        xLow = x.RangeLow();
        xHigh = x.RangeHigh();
    }
    if (d->FLayers.Joint->ControlledBy(JointAxis::Y, n) != n) {
        yLow = y.RangeLow();
        yHigh = y.RangeHigh();
    }
    d->setLayerRanges(n, xLow, xHigh, yLow, yHigh);
    for (int i = 1; i <= kLayerCount; ++i)
        if (i != n && (d->FLayers.Joint->ControlledBy(JointAxis::X, i) == n ||
                       d->FLayers.Joint->ControlledBy(JointAxis::Y, i) == n))
            d->followControllers(i);
}

void TCustomRChart::Private::layerJoined(JointAxis axis, int layer) {
    const int controller = FLayers.Joint->ControlledBy(axis, layer);
    const TScaleProps& x = *FLayers.ScaleX[layerSlot(axis == JointAxis::X ? controller : layer)];
    const TScaleProps& y = *FLayers.ScaleY[layerSlot(axis == JointAxis::Y ? controller : layer)];
    setLayerRanges(layer, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh());
}

TJointLayers* TCustomRChart::JointLayers() const {
    return d->FLayers.Joint;
}

void TCustomRChart::SetJointLayers(TJointLayers* value) {
    if (value && value != d->FLayers.Joint) d->FLayers.Joint->Assign(*value);
}

// ---- Isometric correction

bool TCustomRChart::Isometric() const {
    return d->FLayers.Isometric;
}

void TCustomRChart::SetIsometric(bool value) {
    if (!assignChanged(d->FLayers.Isometric, value) || !value) return;
    d->FLayers.applyIsometric();
    d->syncScaleControls();
    d->recomputeTransform();
    RepaintIfAuto();
}

// ---- Standard layouts

TrcLayout TCustomRChart::StandardLayout() const {
    return d->FLayers.StandardLayout;
}

void TCustomRChart::SetStandardLayout(TrcLayout value) {
    d->FLayers.StandardLayout = value;
    d->applyLayout(standardLayout(value));
}

void TCustomRChart::Private::applyLayout(const LayoutPreset& layout) {
    PaintSuppression suppression(q);
    FLayers.applyLayout(layout);
    FLook.applyLayout(layout);
    geometryChanged(true);
}
