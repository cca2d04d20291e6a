// Long lines: the item pass thins runs of polyline points within one pixel column. Every picture
// must come out exactly as drawing each point does, whatever the data; where that cannot hold (wide
// or patterned pens, pens that combine with the picture) every point is drawn.
#include "chart/itempass/itempass.h"

#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 60;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Counts the points handed to the canvas in polylines.
class CountingTarget : public CanvasItemTarget {
public:
    using CanvasItemTarget::CanvasItemTarget;
    void polyline(const std::vector<QPoint>& points) override {
        polylinePoints += static_cast<int>(points.size());
        CanvasItemTarget::polyline(points);
    }
    int polylinePoints = 0;
};

// Draws every point, as the pass did before thinning: the reference picture.
class EveryPointTarget : public CountingTarget {
public:
    using CountingTarget::CountingTarget;
    bool penOverdrawHarmless() const override { return false; }
};

// Data x and y are pixels of the data area: pixel = round(value). Layer 2 halves x and turns y
// upside down; layer 3 has a logarithmic x.
PerLayer<LayerMap> pixelMaps() {
    PerLayer<LayerMap> maps{};
    for (LayerMap& m : maps) {
        m.X.K = 1;
        m.Y.K = 1;
    }
    maps[1].X.K = 0.5L;
    maps[1].X.D = 20;
    maps[1].Y.K = -1;
    maps[1].Y.D = kHeight - 1;
    maps[2].X.K = 20;
    maps[2].X.Logarithmic = true;
    return maps;
}

struct Drawn {
    QImage image;
    int polylinePoints = 0;
};

template <class Target> Drawn draw(const ChartItems& items, TPenMode mode) {
    TBitmap bitmap(kWidth, kHeight);
    bitmap.Canvas().Pen().Mode = mode;
    Target target(bitmap.Canvas());
    drawItemList(target, items.list(), pixelMaps(), ItemPassSettings{});
    return {bitmap.Image().copy(), target.polylinePoints};
}

QString firstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("first difference at %1,%2").arg(x).arg(y);
    return {};
}

constexpr int kPoints = 20000;

using Fill = std::function<void(ChartItems&, std::mt19937&)>;

// x grows over the whole width and a little beyond both edges, 250 points to a column.
double sweepX(int i) {
    return -2 + (kWidth + 4) * static_cast<double>(i) / kPoints;
}

void randomWalk(ChartItems& items, std::mt19937& random) {
    std::uniform_int_distribution<int> step(-2, 2);
    double y = kHeight / 2.0;
    for (int i = 0; i < kPoints; ++i) {
        y += step(random);
        items.addLineTo(sweepX(i), y);
    }
}

// Jumps over the whole height and past the top and bottom edges.
void randomJumps(ChartItems& items, std::mt19937& random) {
    std::uniform_real_distribution<double> y(-20, kHeight + 20);
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(sweepX(i), y(random));
}

void steepSteps(ChartItems& items, std::mt19937&) {
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(sweepX(i), (i / 90) % 2 == 0 ? 0 : kHeight - 1);
}

// Long stretches of one value and points repeated exactly.
void equalValues(ChartItems& items, std::mt19937& random) {
    std::uniform_int_distribution<int> level(0, 3);
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(sweepX(i - i % 7), 10 * level(random) + (i / 2000));
}

// x on quarter pixels, 50 points each: every other x lies exactly on a boundary between columns
// (and rounds to the even side).
void columnBoundaries(ChartItems& items, std::mt19937& random) {
    std::uniform_int_distribution<int> y(0, kHeight - 1);
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(-2.5 + (i / 50) * 0.25, y(random));
}

void notFinite(ChartItems& items, std::mt19937& random) {
    const double odd[] = {kNaN, kInf, -kInf};
    std::uniform_int_distribution<int> pick(0, 2);
    std::uniform_real_distribution<double> y(0, kHeight);
    for (int i = 0; i < kPoints; ++i) {
        const double x = i % 97 == 0 ? odd[pick(random)] : sweepX(i);
        items.addLineTo(x, i % 89 == 0 ? odd[pick(random)] : y(random));
    }
}

void reversedX(ChartItems& items, std::mt19937& random) {
    std::uniform_int_distribution<int> step(-3, 3);
    double y = 20;
    for (int i = 0; i < kPoints; ++i) {
        y += step(random);
        items.addLineTo(sweepX(kPoints - i), y);
    }
}

void zigzagX(ChartItems& items, std::mt19937& random) {
    std::uniform_real_distribution<double> y(5, 55);
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(kWidth / 2.0 + 45 * std::sin(i * 0.0005), y(random));
}

// Far beyond the data area: the pass pulls such points in to +-30000 pixels, so a column walks
// lines far longer than the picture.
void farOutside(ChartItems& items, std::mt19937& random) {
    std::uniform_int_distribution<int> pick(0, 4);
    const double ys[] = {-1e9, 1e9, 30, -40000, 70};
    for (int i = 0; i < kPoints; ++i)
        items.addLineTo(i % 1000 == 0 ? 1e12 : sweepX(i), ys[pick(random)]);
}

// Colour changes within columns, marks, lines and a text between the points, and other layers.
void mixedItems(ChartItems& items, std::mt19937& random) {
    std::uniform_real_distribution<double> y(0, kHeight);
    for (int i = 0; i < kPoints; ++i) {
        if (i % 37 == 0) items.setDataColor(i % 74 == 0 ? clRed : clBlue);
        if (i % 501 == 0) items.addMark(sweepX(i), 30, 24);
        if (i % 777 == 0) items.addLine(0, 0, sweepX(i), kHeight);
        if (i == kPoints / 2) items.addText(40, 30, 8, QStringLiteral("t"));
        items.setCurrentLayer(1 + i / 1500 % 3);
        items.addLineTo(sweepX(i), y(random));
    }
}

struct Case {
    const char* name;
    Fill fill;
    int lineWidth = 1;
    TPenStyle style = psSolid;
    TPenMode mode = pmCopy;
    bool thinned = true;
};

} // namespace

TEST(LongLines, ThinnedColumnsDrawExactlyTheSamePixels) {
    const Case cases[] = {
        {"random walk", randomWalk},
        {"random jumps past the edges", randomJumps},
        {"steep steps", steepSteps},
        {"equal values", equalValues},
        {"x on column boundaries", columnBoundaries},
        {"not-a-number and infinities", notFinite},
        {"reversed x", reversedX},
        {"x back and forth", zigzagX},
        {"far outside the data area", farOutside},
        {"colours, marks, lines and layers between points", mixedItems},
        {"pen width 0", randomJumps, 0},
        {"pen width 2", randomJumps, 2, psSolid, pmCopy, false},
        {"pen width 3, steep steps", steepSteps, 3, psSolid, pmCopy, false},
        {"dotted pen", randomWalk, 1, psDot, pmCopy, false},
        {"dashed pen, x back and forth", zigzagX, 1, psDash, pmCopy, false},
        {"xor pen", randomJumps, 1, psSolid, pmXor, false},
        {"not-xor pen", steepSteps, 1, psSolid, pmNotXor, false},
    };
    for (const Case& c : cases) {
        for (unsigned seed : {1u, 2u, 3u}) {
            ChartItems items;
            items.setAllocSize(kPoints);
            items.setLineWidth(c.lineWidth);
            items.setPenStyle(c.style);
            std::mt19937 random(seed);
            c.fill(items, random);
            const Drawn everyPoint = draw<EveryPointTarget>(items, c.mode);
            const Drawn thinned = draw<CountingTarget>(items, c.mode);
            ASSERT_EQ(thinned.image, everyPoint.image)
                << c.name << ", seed " << seed << ": "
                << firstDifference(thinned.image, everyPoint.image).toStdString();
            // Something was drawn, and thinning happened only where it may.
            ASSERT_GT(everyPoint.polylinePoints, kPoints) << c.name;
            if (c.thinned)
                EXPECT_LT(thinned.polylinePoints, everyPoint.polylinePoints / 5) << c.name;
            else
                EXPECT_EQ(thinned.polylinePoints, everyPoint.polylinePoints) << c.name;
        }
    }
}
