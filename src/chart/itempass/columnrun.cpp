#include "chart/itempass/columnrun.h"

#include <algorithm>

// Whether vertical segments through these points draw the last point's pixel.
bool ColumnRun::coversLast(std::span<const QPoint> run) {
    bool covered = false;
    int low = run.front().y();
    int high = low;
    for (std::size_t i = 1; i < run.size(); ++i) {
        const int y = run[i].y();
        covered = covers(y, low, high, run[i - 1].y(), covered);
        low = std::min(low, y);
        high = std::max(high, y);
    }
    return covered;
}

std::span<const QPoint> ColumnRun::close() {
    FKeptCount = 0;
    if (!FOpen) return {};
    FOpen = false;
    const QPoint last = FPrevious;
    keep(FFirst);
    const bool lowFirst = FLowest.At < FHighest.At;
    for (const Extreme& e : {lowFirst ? FLowest : FHighest, lowFirst ? FHighest : FLowest})
        if (e.At > 0 && e.At < FCount - 1) keep(e.Point);
    keep(last);
    const std::span<const QPoint> thinned(FKept.data(), FKeptCount);
    if (FLastCovered && !coversLast(thinned)) {
        // Step to the far end of the column and back, over the last pixel.
        keep(last.y() == FLowest.Point.y() ? FHighest.Point : FLowest.Point);
        keep(last);
    }
    return {FKept.data(), FKeptCount};
}

std::span<const QPoint> ColumnRun::startColumn(QPoint p) {
    const std::span<const QPoint> ended = close();
    FOpen = true;
    FFirst = FPrevious = p;
    FLowest = FHighest = {p, 0};
    FCount = 1;
    FLastCovered = false;
    return ended;
}

// Repeated points draw nothing: they are left out.
void ColumnRun::keep(QPoint p) {
    if (FKeptCount > 0 && FKept[FKeptCount - 1] == p) return;
    FKept[FKeptCount++] = p;
}
