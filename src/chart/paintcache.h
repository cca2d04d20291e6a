// What a paint of the chart keeps for the next one: the composed picture (the frame bitmap), the data
// area where it is drawn apart from the frame, the pixels the crosshairs cover in the frame's data
// area, the picture of the leading items, and what tells whether the frame still holds.
#pragma once

#include "chart/itempass/itemsnapshot.h"
#include "chart/keptpixels.h"
#include "platform/graphics/bitmap.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

class ChartPaintCache {
public:
    TBitmap& frame() { return FFrame; }
    const TBitmap& frame() const { return FFrame; }

    // Marks the frame and the picture under the items as out of date: what every change the chart
    // notices (colours, grid, ranges, scale settings) calls.
    void lookChanged() { ++FLook; }
    std::uint64_t look() const { return FLook; }
    // Whether the frame drawn last still holds on a control of `size` whose scale controls have
    // changed their looks `scaleChanges` times in all (they can be changed without the chart's notice).
    bool frameCurrent(QSize size, long long scaleChanges) const;
    void frameDrawn(long long scaleChanges);
    int frameDrawCount() const { return FFrameDrawCount; }

    // The data area drawn right into the frame at `place`: a canvas on that part of the frame, or
    // nothing where the place does not lie wholly in the frame.
    std::optional<QImage> dataAreaView(QRect place);
    void setDataAreaInFrame(bool inFrame) { FDataAreaInFrame = inFrame; }
    bool dataAreaInFrame() const { return FDataAreaInFrame; }
    QRect dataAreaPlace() const { return FDataAreaPlace; }
    // The data area on a bitmap of its own, sized; drawing on it leaves the frame's copy behind.
    TCanvas& sizedDataArea(QSize size);
    const TBitmap& dataAreaBitmap() const { return FDataArea; }
    // Keeps the frame's pixels under these strips where they cross the data area drawn in the frame,
    // so that the data area alone can be had back (DataAreaImage); forgets the last ones.
    void keepUnderCrossHairs(const std::vector<QRect>& strips);
    // The data area as the last paint drew it, without the crosshairs.
    const QImage& dataAreaImage() const;

    ItemSnapshot& snapshot() { return FSnapshot; }
    // How many items the last paint drew; the others came from the snapshot.
    int itemsDrawn() const { return FItemsDrawn; }
    void setItemsDrawn(int count) { FItemsDrawn = count; }

private:
    TBitmap FFrame;
    // The data area on a bitmap of its own: drawn there where it does not fit in the frame, by a
    // handler that draws before the items or by DrawBackground; else made from the frame when asked
    // for (DataAreaImage), so that a start needs no more than the frame.
    mutable TBitmap FDataArea;
    mutable bool FDataAreaInFrame = false;
    QRect FDataAreaPlace; // where it was drawn into the frame
    KeptPixels FUnderCrossHairs;
    std::uint64_t FLook = 1;
    std::uint64_t FFrameLook = 0;     // FLook when the frame was drawn
    long long FFrameScaleChanges = 0; // the scale controls' changes when the frame was drawn
    int FFrameDrawCount = 0;
    int FItemsDrawn = 0;
    ItemSnapshot FSnapshot;
};
