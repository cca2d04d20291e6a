#include "chart/itempass/itemsnapshot.h"

#include "platform/graphics/bitmap.h"

#include <algorithm>

ItemSnapshot::Painted ItemSnapshot::paintedAt(const ChartItemList& items, int index) {
    const TChartItem& item = items[index];
    const QPointF end = items.endOf(item);
    return {item, end.x(), end.y(), items.textOf(item)};
}

int ItemSnapshot::commonPrefix(const ChartItemList& items) const {
    const int n = std::min(static_cast<int>(FPainted.size()), items.count());
    int i = 0;
    while (i < n && FPainted[static_cast<std::size_t>(i)] == paintedAt(items, i))
        ++i;
    return i;
}

int ItemSnapshot::resumableAt(const Basis& basis, const ChartItemList& items) const {
    if (FCount == 0 || !(basis == FBasis) || commonPrefix(items) < FCount) return 0;
    // The kept pass closed its polyline; the next item must do so too, or there must be none.
    return FCount == items.count() || closesPolyline(items[FCount]) ? FCount : 0;
}

ItemPassState ItemSnapshot::restore(TCanvas& canvas) const {
    canvas.Draw(0, 0, FPicture);
    canvas.Pen() = FPen;
    canvas.Brush() = FBrush;
    canvas.Font().Assign(FFont);
    canvas.MoveTo(FPenPos.x(), FPenPos.y());
    return FPass;
}

namespace {

// The last item after `from` and up to `last` that closes polylines; -1 when there is none.
int lastClosing(const ChartItemList& items, int from, int last) {
    for (int i = std::min(last, items.count() - 1); i > from; --i)
        if (closesPolyline(items[i])) return i;
    return -1;
}

} // namespace

int ItemSnapshot::pausePoint(const ChartItemList& items, int from) const {
    const int same = commonPrefix(items);
    const int beforeChange = lastClosing(items, from, std::min(same, FLastChange));
    // Without a kept picture any point will do; a kept one is not moved past the changing items.
    return beforeChange < 0 && from == 0 ? lastClosing(items, from, same) : beforeChange;
}

void ItemSnapshot::keep(const Basis& basis, const TCanvas& canvas, const ItemPassState& state, int count) {
    FBasis = basis;
    FCount = count;
    FPicture.SetScale(canvas.Scale());
    FPicture.SetImage(canvas.Image().copy()); // the canvas may draw on a part of another picture
    FPass = state;
    FPen = canvas.Pen();
    FBrush = canvas.Brush();
    FFont.Assign(canvas.Font());
    FPenPos = canvas.PenPos();
}

void ItemSnapshot::remember(const Basis& basis, const ChartItemList& items) {
    const int same = commonPrefix(items);
    if (!(basis == FBasis) || same < FCount) forget();
    if (same < items.count() || same < static_cast<int>(FPainted.size())) FLastChange = same;
    const int n = std::min(items.count(), kMaxComparedItems);
    FPainted.resize(static_cast<std::size_t>(std::min(same, n))); // the same items stay
    for (int i = static_cast<int>(FPainted.size()); i < n; ++i)
        FPainted.push_back(paintedAt(items, i));
}

void ItemSnapshot::forget() {
    FCount = 0;
    FPicture.SetSize(0, 0);
}
