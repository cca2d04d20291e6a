#include "chart/itempass/paintaxis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

ChartGeometry geometry(int width, int height) {
    ChartGeometry g;
    g.Width = width;
    g.Height = height;
    g.MarginLeft = 50;
    g.MarginRight = 20;
    g.MarginTop = 20;
    g.MarginBottom = 40;
    return g;
}

AxisMap handMade(long double k, long double d) {
    AxisMap map;
    map.K = k;
    map.D = d;
    return map;
}

// Values that land exactly on a boundary between two pixels (in extended precision), and the
// doubles on either side of them: where double and extended precision could round apart.
void addBoundaries(const AxisMap& map, std::vector<double>& values) {
    for (int n = -40; n <= 640; n += 3) {
        const double v = static_cast<double>((n + 0.5L - map.D) / map.K);
        const double inf = std::numeric_limits<double>::infinity();
        double below = v;
        double above = v;
        for (int step = 0; step < 4; ++step) {
            values.push_back(below = std::nextafter(below, -inf));
            values.push_back(above = std::nextafter(above, inf));
        }
        values.push_back(v);
    }
}

std::vector<double> valuesFor(const AxisMap& map, double low, double high) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::denorm_min(),
                                  1e300,
                                  -1e300,
                                  low,
                                  high};
    std::mt19937 random(17);
    const double span = high - low;
    std::uniform_real_distribution<double> inside(low - span, high + span);
    std::uniform_real_distribution<double> far(-1e6 * span, 1e6 * span);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(inside(random));
        values.push_back(far(random));
    }
    if (!map.Logarithmic) addBoundaries(map, values);
    return values;
}

} // namespace

TEST(PaintAxis, GivesThePixelsOfTheExtendedPrecisionMapping) {
    struct Case {
        const char* name;
        AxisMap map;
        double low;
        double high;
    };
    const ChartGeometry chart = geometry(576, 446);
    const Case cases[] = {
        {"trip time", layerMap(chart, {0, 133, false}, {0, 180, false}).X, 0, 133},
        {"trip distance (y grows upwards)", layerMap(chart, {0, 133, false}, {0, 180, false}).Y, 0, 180},
        {"reversed range", layerMap(chart, {50, -7.3, false}, {0, 1, false}).X, -7.3, 50},
        {"narrow range far from zero", layerMap(chart, {1e12, 1e12 + 0.001, false}, {0, 1, false}).X, 1e12,
         1e12 + 0.001},
        {"tiny values", layerMap(chart, {-3e-200, 5e-200, false}, {0, 1, false}).X, -3e-200, 5e-200},
        {"logarithmic", layerMap(chart, {0.01, 1000, true}, {0, 1, false}).X, 0.01, 1000},
        {"one to one", handMade(1, 0), -10, 600},
        {"half pixel steps", handMade(0.5L, 0.25L), -10, 600},
        {"huge offset", handMade(1, 1e17L), -1e17, -1e17 + 600},
        {"no pixels", layerMap(geometry(70, 60), {0, 1, false}, {0, 1, false}).X, 0, 1},
    };
    for (const Case& c : cases) {
        const PaintAxis axis(c.map);
        for (double v : valuesFor(c.map, c.low, c.high))
            ASSERT_EQ(axis.pixel(v), paintClamp(c.map.toPixel(v))) << c.name << ": value " << v;
    }
}

TEST(PaintAxis, RoundsHalfToEvenAndClampsToThePaintedRange) {
    const PaintAxis axis(handMade(1, 0));
    const struct {
        double value;
        int pixel;
    } cases[] = {{0.5, 0},     {1.5, 2},           {2.5, 2},         {-0.5, 0},
                 {-1.5, -2},   {2.4999999, 2},     {29999.5, 30000}, {30000.5, 30000},
                 {1e9, 30000}, {-40000.7, -30000}, {std::nan(""), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(axis.pixel(c.value), c.pixel) << c.value;
}

TEST(PaintAxis, EveryValueOfAPixelSpanLiesOnThatPixel) {
    struct Case {
        const char* name;
        AxisMap map;
        bool spans; // whether every pixel of the data area has a span
    };
    const ChartGeometry chart = geometry(576, 446);
    const Case cases[] = {
        {"trip time", layerMap(chart, {0, 133, false}, {0, 180, false}).X, true},
        {"trip distance (y grows upwards)", layerMap(chart, {0, 133, false}, {0, 180, false}).Y, true},
        {"half pixel steps", handMade(0.5L, 0.25L), true},
        // There a double's step is wider than a pixel.
        {"narrow range far from zero", layerMap(chart, {1e12, 1e12 + 0.001, false}, {0, 1, false}).X, false},
        {"huge offset", handMade(1, 1e17L), false},
        {"logarithmic", layerMap(chart, {0.01, 1000, true}, {0, 1, false}).X, false},
        {"no pixels", layerMap(geometry(70, 60), {0, 1, false}, {0, 1, false}).X, false},
    };
    std::mt19937 random(5);
    for (const Case& c : cases) {
        const PaintAxis axis(c.map);
        for (int pixel : {-30000, -41, -1, 0, 1, 2, 50, 283, 555, 556, 640, 29999, 30000}) {
            const PaintAxis::Span span = axis.pixelSpan(pixel);
            const bool inside = pixel > -30000 && pixel < 30000;
            if (c.spans && inside) {
                EXPECT_LE(span.Low, span.High) << c.name << ", pixel " << pixel;
            }
            if (!(span.Low <= span.High)) continue;
            std::uniform_real_distribution<double> within(span.Low, span.High);
            for (double v : {span.Low, span.High, within(random), within(random), within(random)}) {
                EXPECT_TRUE(span.holds(v)) << c.name << ", pixel " << pixel;
                ASSERT_EQ(paintClamp(c.map.toPixel(v)), pixel) << c.name << ": value " << v;
            }
        }
    }
    const PaintAxis::Span empty;
    EXPECT_FALSE(empty.holds(0.5));
    EXPECT_FALSE(PaintAxis(handMade(1, 0)).pixelSpan(3).holds(std::nan("")));
}
