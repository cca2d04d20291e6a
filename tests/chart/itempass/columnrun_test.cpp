#include "chart/itempass/columnrun.h"

#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The polyline as the canvas draws it: joined one-pixel lines, each without its end pixel.
QImage drawn(const std::vector<QPoint>& points) {
    TBitmap bitmap(5, 8);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(points.front().x(), points.front().y());
    for (QPoint p : points)
        canvas.LineTo(p.x(), p.y());
    return bitmap.Image().copy();
}

std::vector<QPoint> thinned(const std::vector<QPoint>& points) {
    ColumnRun run;
    std::vector<QPoint> kept;
    for (QPoint p : points)
        for (QPoint k : run.add(p))
            kept.push_back(k);
    for (QPoint k : run.close())
        kept.push_back(k);
    return kept;
}

// Every run of 1 to 6 points with y in 0..3 in column 2.
std::vector<std::vector<int>> allRuns() {
    std::vector<std::vector<int>> runs;
    for (int length = 1; length <= 6; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i)
            count *= 4;
        for (int code = 0; code < count; ++code) {
            std::vector<int> ys;
            for (int i = 0, c = code; i < length; ++i, c /= 4)
                ys.push_back(c % 4);
            runs.push_back(ys);
        }
    }
    return runs;
}

} // namespace

// The run alone, after a point of the column on its left, before one of the column on its right,
// and between both: the run's last pixel is drawn only by the run itself when nothing follows.
TEST(ColumnRun, EverySmallRunDrawsTheSamePixelsThinned) {
    struct Context {
        const char* name;
        bool before;
        bool after;
    };
    const Context contexts[] = {{"alone", false, false},
                                {"after a point", true, false},
                                {"before a point", false, true},
                                {"between points", true, true}};
    const std::vector<std::vector<int>> runs = allRuns();
    ASSERT_EQ(runs.size(), 5460u);
    for (const Context& context : contexts)
        for (const std::vector<int>& ys : runs) {
            std::vector<QPoint> points;
            if (context.before) points.push_back({1, 6});
            for (int y : ys)
                points.push_back({2, y});
            if (context.after) points.push_back({3, 1});
            const std::vector<QPoint> kept = thinned(points);
            ASSERT_EQ(drawn(kept), drawn(points)) << context.name << ", run of " << ys.size() << " from y "
                                                  << ys.front() << " to y " << ys.back();
            ASSERT_LE(kept.size(), points.size());
        }
}

TEST(ColumnRun, KeepsFirstExtremesAndLastInTheirOrder) {
    struct Case {
        const char* name;
        std::vector<int> ys;
        std::vector<int> kept;
    };
    const Case cases[] = {
        {"single point", {4}, {4}},
        {"repeated point", {4, 4, 4}, {4}},
        {"high before low", {3, 9, 5, 0, 2}, {3, 9, 0, 2}},
        {"low before high", {3, 0, 5, 9, 2}, {3, 0, 9, 2}},
        {"first is the lowest", {0, 5, 9, 2}, {0, 9, 2}},
        {"last is the highest", {3, 0, 5, 9}, {3, 0, 9}},
        // The last point was passed over on the way down; thinned, the walk would stop on it.
        {"last repeats an earlier low", {5, 0, 3, 0}, {5, 0, 5, 0}},
        {"last repeats the first extreme", {2, 7, 2}, {2, 7, 2}},
        {"ends on a new low, then stays", {5, 2, 0, 0, 0}, {5, 0}},
    };
    for (const Case& c : cases) {
        std::vector<QPoint> points;
        for (int y : c.ys)
            points.push_back({7, y});
        std::vector<int> kept;
        for (QPoint p : thinned(points)) {
            EXPECT_EQ(p.x(), 7) << c.name;
            kept.push_back(p.y());
        }
        EXPECT_EQ(kept, c.kept) << c.name;
    }
}

TEST(ColumnRun, EachColumnIsHandedOnWhenTheNextBegins) {
    ColumnRun run;
    EXPECT_TRUE(run.add({0, 5}).empty());
    EXPECT_TRUE(run.add({0, 1}).empty());
    EXPECT_TRUE(run.add({0, 9}).empty());
    EXPECT_TRUE(run.add({0, 4}).empty());
    const std::span<const QPoint> first = run.add({1, 3});
    EXPECT_EQ(std::vector<QPoint>(first.begin(), first.end()),
              (std::vector<QPoint>{{0, 5}, {0, 1}, {0, 9}, {0, 4}}));
    // A column met again later is a new run; x need not grow.
    const std::span<const QPoint> second = run.add({0, 3});
    EXPECT_EQ(std::vector<QPoint>(second.begin(), second.end()), (std::vector<QPoint>{{1, 3}}));
    const std::span<const QPoint> rest = run.close();
    EXPECT_EQ(std::vector<QPoint>(rest.begin(), rest.end()), (std::vector<QPoint>{{0, 3}}));
    EXPECT_TRUE(run.close().empty());
}

TEST(ColumnRun, AMillionPointsInOneColumnKeepAtMostSix) {
    ColumnRun run;
    for (int i = 0; i < 1000000; ++i)
        ASSERT_TRUE(run.add({3, static_cast<int>(i * 7919LL % 1001) - 500}).empty());
    const std::span<const QPoint> kept = run.close();
    ASSERT_LE(kept.size(), 6u);
    EXPECT_EQ(kept.front(), QPoint(3, -500));
    EXPECT_EQ(kept.back(), QPoint(3, static_cast<int>(999999 * 7919LL % 1001) - 500));
}
