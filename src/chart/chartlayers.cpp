#include "chart/chartlayers.h"

#include "chart/dragmath.h"
#include "platform/graphics/assignchanged.h"

#include <type_traits>

using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;

namespace {

constexpr PerLayer<TColor> kLayerColors{clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                        clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                        clBlue,  clFuchsia, clAqua,   clWhite};

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

AxisRange ChartLayers::rangeOf(const TScaleProps& props) {
    return {props.RangeLow(), props.RangeHigh(), props.Logarithmic()};
}

void ChartLayers::setAxisRange(TScaleProps& props, double low, double high) {
    const BoundsUpdate update = acceptedBounds(low, high, props.MinRange(), props.Logarithmic());
    if (update.SetLow) props.SetRangeLow(low);
    if (update.SetHigh) props.SetRangeHigh(high);
}

void ChartLayers::setLayerDefaults(int layer) {
    InternalChange internal(*this);
    TScalePropsHoriz& x = *ScaleX[layerSlot(layer)];
    TScalePropsVert& y = *ScaleY[layerSlot(layer)];
    const bool odd = layer % 2 == 1;
    x.SetScaleLocation(odd ? slBottom : slTop);
    x.SetScalePos((layer - 1) / 2 * 30);
    y.SetScaleLocation(odd ? slLeft : slRight);
    y.SetScalePos((layer - 1) / 2 * 50);
    x.SetColorScale(kLayerColors[layerSlot(layer)]);
    y.SetColorScale(kLayerColors[layerSlot(layer)]);
}

void ChartLayers::applyIsometric() {
    InternalChange internal(*this);
    for (int n = 1; n <= kLayerCount; ++n) {
        TScalePropsVert& y = *ScaleY[layerSlot(n)];
        const AxisRange corrected =
            isometricYRange(rangeOf(*ScaleX[layerSlot(n)]), rangeOf(y), Geometry.dataWidth(),
                            Geometry.dataHeight(), AspectX, AspectY);
        y.SetRangeHigh(corrected.High);
        y.SetRangeLow(corrected.Low);
    }
}

void ChartLayers::applyLayout(const LayoutPreset& layout) {
    InternalChange internal(*this);
    Geometry.MarginLeft = layout.MarginLeft;
    Geometry.MarginRight = layout.MarginRight;
    Geometry.MarginTop = layout.MarginTop;
    Geometry.MarginBottom = layout.MarginBottom;
    for (int n = 1; n <= kLayerCount; ++n) {
        if (n <= kLayoutScaleLayers) {
            applyLayoutScale(*ScaleX[layerSlot(n)], layout.X[layerSlot(n)]);
            applyLayoutScale(*ScaleY[layerSlot(n)], layout.Y[layerSlot(n)]);
        } else {
            ScaleX[layerSlot(n)]->SetVisible(false);
            ScaleY[layerSlot(n)]->SetVisible(false);
        }
    }
}

bool ChartLayers::remap() {
    bool changed = false;
    for (int n = 1; n <= kLayerCount; ++n)
        changed |= assignChanged(Maps[layerSlot(n)], layerMap(Geometry, rangeOf(*ScaleX[layerSlot(n)]),
                                                              rangeOf(*ScaleY[layerSlot(n)])));
    return changed;
}

long long ChartLayers::scaleChanges() const {
    long long count = 0;
    for (const PerLayer<TScale*>* scales : {&ScaleControlX, &ScaleControlY})
        for (const TScale* scale : *scales)
            count += scale->LookChanges();
    return count;
}
