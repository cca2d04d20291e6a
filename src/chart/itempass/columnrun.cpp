#include "chart/itempass/columnrun.h"

#include <algorithm>

namespace {

// Whether vertical segments through these y values, each without its end pixel, draw the last
// value's pixel: the walk has passed over it before, and did not just stop on it.
bool coversLast(std::span<const QPoint> run) {
    bool covered = false;
    int low = run.front().y();
    int high = low;
    for (std::size_t i = 1; i < run.size(); ++i) {
        const int y = run[i].y();
        covered = y >= low && y <= high && (y != run[i - 1].y() || covered);
        low = std::min(low, y);
        high = std::max(high, y);
    }
    return covered;
}

} // namespace

std::span<const QPoint> ColumnRun::Close() {
    keptCount = 0;
    if (!open) return {};
    open = false;
    const QPoint last = previous;
    keep(first);
    const bool lowFirst = lowest.At < highest.At;
    for (const Extreme& e : {lowFirst ? lowest : highest, lowFirst ? highest : lowest})
        if (e.At > 0 && e.At < count - 1) keep(e.Point);
    keep(last);
    const std::span<const QPoint> thinned(kept.data(), keptCount);
    if (lastCovered && !coversLast(thinned)) {
        // Step to the far end of the column and back, over the last pixel.
        keep(last.y() == lowest.Point.y() ? highest.Point : lowest.Point);
        keep(last);
    }
    return {kept.data(), keptCount};
}

std::span<const QPoint> ColumnRun::startColumn(QPoint p) {
    const std::span<const QPoint> ended = Close();
    open = true;
    first = previous = p;
    lowest = highest = {p, 0};
    count = 1;
    lastCovered = false;
    return ended;
}

// Repeated points draw nothing: they are left out.
void ColumnRun::keep(QPoint p) {
    if (keptCount > 0 && kept[keptCount - 1] == p) return;
    kept[keptCount++] = p;
}
