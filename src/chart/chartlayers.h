// The chart's layer set: its geometry, the 16 layers' scale settings and scale controls, the maps
// from data to pixels, the joined layers, the isometric correction and the standard layout.
#pragma once

#include "chart/itempass/axismap.h"
#include "chart/itempass/layers.h"
#include "chart/jointlayers.h"
#include "chart/rchartlayout.h"
#include "scales/scale.h"
#include "scales/scaleprops.h"

struct ChartLayers {
    ChartGeometry Geometry;
    PerLayer<TScalePropsHoriz*> ScaleX{};
    PerLayer<TScalePropsVert*> ScaleY{};
    PerLayer<TScale*> ScaleControlX{};
    PerLayer<TScale*> ScaleControlY{};
    PerLayer<LayerMap> Maps{};
    TJointLayers* Joint = nullptr;
    bool Isometric = false;
    TrcLayout StandardLayout = TrcLayout::rcl_X1Bottom_Y1Left;
    // Pixel proportions, for the isometric correction.
    int AspectX = 1;
    int AspectY = 1;
    // While above 0, changes of the scale settings are the chart's own, not changes from outside.
    int InternalChanges = 0;

    // Holds the chart's own changes to its scale settings apart from changes made from outside.
    class InternalChange {
    public:
        explicit InternalChange(ChartLayers& layers) : FLayers(layers) { ++layers.InternalChanges; }
        ~InternalChange() { --FLayers.InternalChanges; }
        InternalChange(const InternalChange&) = delete;
        InternalChange& operator=(const InternalChange&) = delete;

    private:
        ChartLayers& FLayers;
    };

    static AxisRange rangeOf(const TScaleProps& props);
    // Sets the bounds a range change accepts (none narrower than MinRange).
    static void setAxisRange(TScaleProps& props, double low, double high);
    void setLayerDefaults(int layer);
    // Corrects every layer's y range to the x range's scale in the data area's proportions.
    void applyIsometric();
    // The margins and the scales' places of a standard layout.
    void applyLayout(const LayoutPreset& layout);
    // Maps every layer anew from the geometry and the ranges; whether any map changed.
    bool remap();
    // How often the scale controls' looks have changed, all together.
    long long scaleChanges() const;
};
