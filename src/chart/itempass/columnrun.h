// Thinning of long polylines drawn with a one-pixel solid pen. Consecutive points in one pixel
// column are joined by vertical segments, and all the segments of such a run together draw the
// column from the run's lowest to its highest point; only whether the run's last pixel gets drawn
// depends on the order of the points. So a run can be drawn through its first, lowest, highest and
// last point alone (plus, where the last pixel was drawn, a step back over it), and a line of a
// million points across a few hundred columns costs a few hundred short segments. The points in
// and out of a run stay the same, so the segments between columns do not change.
//
// This holds for pens that set pixels: where a pixel drawn twice differs from one drawn once (the
// combining pen modes) or the pen pattern counts every step (dashes and dots), each point is drawn.
#pragma once

#include <QPoint>

#include <array>
#include <span>

class ColumnRun {
public:
    // Takes the next point of the polyline. When the point starts a new column, returns the points
    // to draw of the run it ends; otherwise nothing.
    std::span<const QPoint> add(QPoint p) {
        if (!FOpen || p.x() != FFirst.x()) return startColumn(p);
        extend(p);
        return {};
    }
    // Ends the open run: returns its points to draw.
    std::span<const QPoint> close();

private:
    struct Extreme {
        QPoint Point;
        int At = 0; // position in the run
    };

    // Whether vertical segments through a column, each without its end pixel, have drawn y's pixel
    // on reaching it from `previous` after spanning low..high: the walk has passed over it before,
    // and did not just stop on it (a repeated point keeps what the previous one had).
    static bool covers(int y, int low, int high, int previous, bool previousCovered) {
        return y >= low && y <= high && (y != previous || previousCovered);
    }
    static bool coversLast(std::span<const QPoint> run);

    std::span<const QPoint> startColumn(QPoint p);
    void extend(QPoint p) {
        const int y = p.y();
        FLastCovered = covers(y, FLowest.Point.y(), FHighest.Point.y(), FPrevious.y(), FLastCovered);
        // The first of equal extremes is kept, so that a last point equal to one is drawn as before.
        if (y < FLowest.Point.y()) FLowest = {p, FCount};
        if (y > FHighest.Point.y()) FHighest = {p, FCount};
        FPrevious = p;
        ++FCount;
    }
    void keep(QPoint p);

    bool FOpen = false;
    QPoint FFirst;
    QPoint FPrevious;
    Extreme FLowest;
    Extreme FHighest;
    int FCount = 0;
    // Whether the segments before the last point draw the last point's pixel.
    bool FLastCovered = false;
    std::array<QPoint, 6> FKept;
    std::size_t FKeptCount = 0;
};
