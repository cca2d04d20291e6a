#include "chart/rchartlayout.h"

using enum Graphics::TAlignment;
using enum RChartLayout::TCaptionAnchorHoriz;
using enum RChartLayout::TCaptionAnchorVert;
using enum ScaleEnums::TScaleUnitAnchor;

namespace {

// Scales a layout does not show: x at the bottom with a centred caption, y on the left.
constexpr PresetScale hiddenX{};
constexpr PresetScale hiddenY{false, false, 0, 10, 100, taRightJustify, uaSclTopLft};

constexpr PresetScale xBottom{true, false, 0, 0, 22, taCenter, uaSclCenter};
// Two x scales share the bottom (or top and bottom): captions sit at their left ends.
constexpr PresetScale xCorner(bool far, int scalePos, int captionPosY) {
    return {true, far, scalePos, -20, captionPosY, taRightJustify, uaSclTopLft};
}
constexpr PresetScale yLeft(int scalePos, int captionPosY = -23) {
    return {true, false, scalePos, 0, captionPosY, taRightJustify, uaSclTopLft};
}
constexpr PresetScale yRight(int captionPosY) {
    return {true, true, 0, 0, captionPosY, taLeftJustify, uaSclTopLft};
}

constexpr LayoutPreset leftAxes(int marginLeft, int visibleY) {
    LayoutPreset l{marginLeft,
                   20,
                   24,
                   40,
                   0,
                   -16,
                   taRightJustify,
                   cahChartRight,
                   cavChartTop,
                   {xBottom, hiddenX, hiddenX, hiddenX},
                   {hiddenY, hiddenY, hiddenY, hiddenY}};
    for (int i = 0; i < visibleY; ++i)
        l.Y[static_cast<std::size_t>(i)] = yLeft(50 * i);
    return l;
}

constexpr LayoutPreset x1BottomY1Left() {
    LayoutPreset l = leftAxes(50, 0);
    l.MarginTop = 20;
    l.Y[0] = {true, false, 0, 0, -16, taLeftJustify, uaSclTopLft};
    return l;
}

constexpr LayoutPreset x1BottomY2Both() {
    return {50,
            50,
            24,
            40,
            0,
            -20,
            taCenter,
            cahChartCenter,
            cavChartTop,
            {xBottom, hiddenX, hiddenX, hiddenX},
            {yLeft(0), yRight(-23), hiddenY, hiddenY}};
}

constexpr LayoutPreset x2BottomY2Left() {
    LayoutPreset l = leftAxes(100, 2);
    l.MarginBottom = 70;
    l.X[0] = xCorner(false, 0, 7);
    l.X[1] = xCorner(false, 30, 7);
    return l;
}

constexpr LayoutPreset x2BothY2Both() {
    PresetScale hiddenYHigh = hiddenY;
    hiddenYHigh.CaptionPosX = 0;
    hiddenYHigh.CaptionPosY = -23;
    return {50,
            50,
            48,
            40,
            0,
            -46,
            taCenter,
            cahChartCenter,
            cavChartTop,
            {xCorner(false, 0, 7), xCorner(true, 0, -24), hiddenX, hiddenX},
            {yLeft(0, -40), yRight(-40), hiddenYHigh, hiddenYHigh}};
}

constexpr std::array<LayoutPreset, 7> kLayouts{x1BottomY1Left(), leftAxes(100, 2), leftAxes(150, 3),
                                               leftAxes(200, 4), x1BottomY2Both(), x2BottomY2Left(),
                                               x2BothY2Both()};

} // namespace

const LayoutPreset& standardLayout(TrcLayout layout) {
    const auto index = static_cast<std::size_t>(layout);
    return kLayouts[index < kLayouts.size() ? index : 0];
}
