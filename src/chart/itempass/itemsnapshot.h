// The data-area picture as it stood part-way through the item pass, kept from one paint to the
// next: a paint whose item list starts with the same items as the last one copies it and draws only
// the rest on top. It is taken before an item that closes any open polyline, so the pass resumed
// from it draws exactly what the uninterrupted pass draws.
#pragma once

#include "chart/itempass/itemlist.h"
#include "chart/itempass/itempass.h"
#include "platform/graphics/bitmap.h"

#include <QSize>

#include <climits>
#include <cstdint>
#include <vector>

class ItemSnapshot {
public:
    // What the picture under the items was drawn from. Look stands for everything the chart
    // notices changing (colours, grid, ranges, scales); the others change without a notice.
    struct Basis {
        std::uint64_t Look = 0;
        QSize Size;
        int LineWidth = 0;
        int CurrentLayer = 0;
        bool operator==(const Basis&) const = default;
    };

    // Items beyond this many are neither compared nor kept: a long list would double its memory.
    static constexpr int kMaxComparedItems = 8192;

    // How many items the kept picture holds when a paint of `items` on `basis` can start from it;
    // 0 when it cannot.
    int resumableAt(const Basis& basis, const ChartItemList& items) const;
    // Puts the kept picture and its canvas state back on a canvas of the data area's size; the pass
    // state to resume.
    ItemPassState restore(TCanvas& canvas) const;
    // The item before which the paint of `items` should keep a picture: beyond `from`, the last one
    // that closes polylines among the leading items that neither this paint nor the last change
    // touched (what changed lately will likely change again); -1 when there is none.
    int pausePoint(const ChartItemList& items, int from) const;
    // Keeps the data area, as drawn on `canvas`, as it stands before item `count`.
    void keep(const Basis& basis, const TCanvas& canvas, const ItemPassState& state, int count);
    // Notes the items just painted; a kept picture they no longer start with is dropped.
    void remember(const Basis& basis, const ChartItemList& items);
    void forget();

private:
    // An item as it was painted, with what the list keeps beside it (a line's far end, a text).
    struct Painted {
        TChartItem Item;
        double EndX = 0;
        double EndY = 0;
        StoredText Text;
        bool operator==(const Painted&) const = default;
    };
    static Painted paintedAt(const ChartItemList& items, int index);
    int commonPrefix(const ChartItemList& items) const;

    Basis FBasis;
    int FCount = 0; // 0: nothing kept
    TBitmap FPicture;
    ItemPassState FPass;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    QPoint FPenPos;
    std::vector<Painted> FPainted;
    // Where the last change of the item list began.
    int FLastChange = INT_MAX;
};
