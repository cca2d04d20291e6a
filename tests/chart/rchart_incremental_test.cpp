// A chart keeps its frame and the picture of its leading items between paints and draws only what
// changed. After long random sequences of item and setting changes, every picture it shows must
// equal, pixel for pixel, the one a new chart in the same state draws in a single full paint.
#include "chart/rchart.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <iterator>
#include <random>
#include <vector>

using enum Graphics::TPenStyle;
using enum RChart::TGridStyle;
using enum VrxBase::TCrossHairMode;
using enum VrxBase::TTextLabelMode;

namespace {

// One drawing operation with the attributes it was appended with.
struct Op {
    ItemKind kind = ikLineTo;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    TColor color = clBlack;
    TColor fill = clWhite;
    TPenStyle style = psSolid;
    int width = 1;
    int layer = 1;
    int markOrSize = 0;
    QString text;
};

Op lineOp(double x1, double y1, double x2, double y2) {
    Op line;
    line.kind = ikLine;
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    return line;
}

// Everything the sequences change, so that a new chart can be put into the same state.
struct ChartState {
    std::vector<Op> ops;
    int width = 420, height = 300;
    TColor chartColor = clWhite;
    TGridStyle grid = gsNone;
    double xHigh = 100, yHigh = 50, layer2YHigh = 80;
    int lineWidth = 1, currentLayer = 1;
    double crossX = 30, crossY = 20;
    int crossWidth = 1;
    TCrossHairMode crossMode = chBoth;
    double labelX = 10, labelY = 40;
    TTextLabelMode labelMode = tlOff;
};

void appendOp(TRChart& chart, const Op& op) {
    chart.SetDataColor(op.color);
    chart.SetFillColor(op.fill);
    chart.SetPenStyle(op.style);
    chart.SetLineWidth(op.width);
    chart.SetCurrentLayer(op.layer);
    switch (op.kind) {
    case ikMark:
        chart.AddMark(op.x1, op.y1, op.markOrSize);
        break;
    case ikLine:
        chart.AddLine(op.x1, op.y1, op.x2, op.y2);
        break;
    case ikText:
        chart.AddText(op.x1, op.y1, op.markOrSize, op.text);
        break;
    default:
        chart.AddLineTo(op.x1, op.y1);
        break;
    }
}

// Items are rebuilt as the main window rebuilds them: cleared and appended, with painting held.
void rebuildItems(TRChart& chart, const ChartState& s) {
    chart.SetSuppressPaint(true);
    chart.ClearItems();
    for (const Op& op : s.ops)
        appendOp(chart, op);
    chart.SetLineWidth(s.lineWidth);
    chart.SetCurrentLayer(s.currentLayer);
    chart.SetSuppressPaint(false);
}

void applyLook(TRChart& chart, const ChartState& s) {
    chart.SetBounds(0, 0, s.width, s.height);
    chart.SetChartColor(s.chartColor);
    chart.SetGridStyle(s.grid);
    chart.SetRanges(1, 0, s.xHigh, 0, s.yHigh);
    chart.SetRanges(2, 0, s.xHigh, -10, s.layer2YHigh);
}

void applyCrossHair(TRChart& chart, const ChartState& s) {
    TCrossHair& c = *chart.CrossHair(1);
    c.SetColor(clFuchsia);
    c.SetMode(s.crossMode);
    c.SetLineWid(s.crossWidth);
    c.SetPosX(s.crossX);
    c.SetPosY(s.crossY);
}

void applyLabel(TRChart& chart, const ChartState& s) {
    TTextLabel& l = *chart.TextLabel(1);
    l.SetCaption(QStringLiteral("label"));
    l.SetMode(s.labelMode);
    l.SetPosX(s.labelX);
    l.SetPosY(s.labelY);
}

void applySettings(TRChart& chart, const ChartState& s) {
    applyLook(chart, s);
    applyCrossHair(chart, s);
    applyLabel(chart, s);
}

struct Pictures {
    QImage frame;
    QImage dataArea; // without crosshairs
};

// `direct` changes the chart further before the full paint, for what ChartState does not cover.
Pictures fullPaint(const ChartState& s, const std::function<void(TRChart&)>& direct = {}) {
    TRChart chart(nullptr);
    // With a handler before the items the data area is drawn whole on a bitmap of its own, the
    // way that owes nothing to the frame or to a kept picture.
    chart.SetOnBeforeRenderData([](QObject*, TCanvas*&, int, int) {});
    chart.Scale1X()->SetVisible(true);
    chart.Scale1Y()->SetVisible(true);
    applySettings(chart, s);
    rebuildItems(chart, s);
    if (direct) direct(chart);
    chart.RepaintIfAuto(); // frame and data area drawn anew, whatever the paints before kept
    return {chart.FrameImage().copy(), chart.DataAreaImage().copy()};
}

class Sequence {
public:
    explicit Sequence(unsigned seed) : random(seed) {
        chart.Scale1X()->SetVisible(true);
        chart.Scale1Y()->SetVisible(true);
        for (int i = 0; i < 60; ++i)
            state.ops.push_back(randomOp(i % 7 == 6 ? ikLine : ikLineTo));
        applySettings(chart, state);
        rebuildItems(chart, state);
    }

    // One random change, made the way an application makes it; returns its name.
    const char* step() {
        switch (pick(12)) {
        case 0: // the last items change, as the main window's secant and triangle do
            for (int i = pick(3); i >= 0 && !state.ops.empty(); --i)
                state.ops.pop_back();
            for (int i = pick(4); i >= 0; --i)
                state.ops.push_back(randomOp(randomKind()));
            rebuildItems(chart, state);
            return "last items replaced";
        case 1:
            if (state.ops.empty()) state.ops.push_back(randomOp(ikLineTo));
            state.ops[static_cast<std::size_t>(pick(static_cast<int>(state.ops.size())))] =
                randomOp(randomKind());
            rebuildItems(chart, state);
            return "one item changed";
        case 2: { // appended without clearing: a run of polyline points may go on
            chart.SetSuppressPaint(true);
            for (int i = pick(5); i >= 0; --i) {
                state.ops.push_back(randomOp(pick(3) == 0 ? randomKind() : ikLineTo));
                appendOp(chart, state.ops.back());
            }
            chart.SetLineWidth(state.lineWidth);
            chart.SetCurrentLayer(state.currentLayer);
            chart.SetSuppressPaint(false);
            return "items appended";
        }
        case 3: { // its random values first: compilers evaluate arguments in different orders
            Op inserted = randomOp(randomKind());
            state.ops.insert(state.ops.begin() + pick(static_cast<int>(state.ops.size()) + 1), inserted);
            rebuildItems(chart, state);
            return "item inserted";
        }
        case 4:
            state.ops.resize(static_cast<std::size_t>(pick(static_cast<int>(state.ops.size()) + 1)));
            rebuildItems(chart, state);
            return "items cut";
        case 5:
            state.crossX = coordinate(state.xHigh);
            state.crossY = coordinate(state.yHigh);
            state.crossWidth = 1 + pick(4);
            state.crossMode = TCrossHairMode(pick(4));
            applyCrossHair(chart, state);
            return "crosshair moved";
        case 6:
            state.labelX = coordinate(state.xHigh);
            state.labelY = coordinate(state.yHigh);
            state.labelMode = TTextLabelMode(pick(3));
            applyLabel(chart, state);
            return "text label moved";
        case 7:
            state.width = 300 + pick(200);
            state.height = 200 + pick(150);
            applyLook(chart, state);
            return "resized";
        case 8:
            state.xHigh = 80 + pick(40);
            state.yHigh = 40 + pick(30);
            applyLook(chart, state);
            return "ranges changed";
        case 9:
            state.chartColor = pick(2) ? clWhite : clYellow;
            state.grid = TGridStyle(pick(8));
            applyLook(chart, state);
            return "colour or grid changed";
        case 10: // attributes that change without any notice to the chart
            state.lineWidth = pick(4);
            state.currentLayer = 1 + pick(2);
            chart.SetLineWidth(state.lineWidth);
            chart.SetCurrentLayer(state.currentLayer);
            chart.Paint();
            return "current line width or layer changed";
        default:
            chart.Paint();
            return "painted again";
        }
    }

    TRChart chart{nullptr};
    ChartState state;

private:
    // One of 0 .. n - 1; n must be at least 1.
    int pick(int n) {
        EXPECT_GE(n, 1);
        return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(random);
    }
    double coordinate(double high) {
        return std::uniform_real_distribution<double>(-0.1 * high, 1.1 * high)(random);
    }
    ItemKind randomKind() {
        static constexpr ItemKind kinds[] = {ikLineTo, ikLineTo, ikLine, ikMark, ikText};
        return kinds[pick(5)];
    }
    Op randomOp(ItemKind kind) {
        static constexpr TColor colors[] = {clBlack, clRed, clBlue, clGreen};
        static constexpr TPenStyle styles[] = {psSolid, psSolid, psDot, psDash};
        Op op;
        op.kind = kind;
        op.x1 = coordinate(state.xHigh);
        op.y1 = coordinate(state.yHigh);
        op.x2 = coordinate(state.xHigh);
        op.y2 = coordinate(state.yHigh);
        op.color = colors[pick(4)];
        op.fill = colors[pick(4)];
        op.style = styles[pick(4)];
        op.width = pick(4) == 0 ? 1 + pick(3) : 1;
        op.layer = 1 + pick(4) / 3;
        op.markOrSize = kind == ikText ? 8 + pick(5) : pick(26);
        op.text = QStringLiteral("t%1").arg(pick(10));
        return op;
    }

    std::mt19937 random;
};

} // namespace

TEST(RChartIncremental, RandomChangesShowWhatAFullPaintShows) {
    for (unsigned seed : {1u, 2u, 3u}) {
        Sequence s(seed);
        int partial = 0;
        for (int step = 0; step < 150; ++step) {
            const char* change = s.step();
            partial += s.chart.ItemsDrawnLastPaint() < s.chart.ItemCount();
            const Pictures full = fullPaint(s.state);
            ASSERT_EQ(s.chart.FrameImage(), full.frame)
                << "seed " << seed << ", step " << step << ": " << change;
            if (step % 5 == 0) { // read now and then: reading it brings the data-area bitmap up to date
                ASSERT_EQ(s.chart.DataAreaImage(), full.dataArea)
                    << "seed " << seed << ", step " << step << ": " << change;
            }
        }
        // Most paints started from the kept picture of the leading items.
        EXPECT_GT(partial, 40) << "seed " << seed;
    }
}

// A line's far end and a text's characters are kept beside the items: a change of them alone is a
// change of the item, even with unchanged items after it.
TEST(RChartIncremental, ALineEndOrTextChangeIsSeenUnderLaterItems) {
    Sequence s(11);
    s.state.ops.resize(20);
    const Op line = lineOp(1, 1, 50, 10);
    Op text;
    text.kind = ikText;
    text.x1 = 30;
    text.y1 = 20;
    text.markOrSize = 10;
    text.text = QStringLiteral("dt");
    Op mark;
    mark.kind = ikMark;
    mark.x1 = mark.y1 = 40;
    mark.markOrSize = 3;
    s.state.ops.insert(s.state.ops.end(), {line, text, mark});
    const std::size_t lineAt = s.state.ops.size() - 3;
    rebuildItems(s.chart, s.state);
    // The mark moves for a while: the picture is then kept before it, line and text included.
    for (double x : {42.0, 44.0, 46.0}) {
        s.state.ops.back().x1 = x;
        rebuildItems(s.chart, s.state);
    }
    ASSERT_EQ(s.chart.ItemsDrawnLastPaint(), 1);
    for (int round = 0; round < 2; ++round) {
        if (round == 0)
            s.state.ops[lineAt].y2 += 15;
        else
            s.state.ops[lineAt + 1].text += QStringLiteral("s");
        rebuildItems(s.chart, s.state);
        const Pictures full = fullPaint(s.state);
        ASSERT_EQ(s.chart.FrameImage(), full.frame) << round;
    }
}

TEST(RChartIncremental, AMoveOfTheLastItemsDrawsOnlyThoseAndKeepsTheFrame) {
    Sequence s(7);
    s.state.ops.resize(60);
    Op line = lineOp(1, 1, 50, 0);
    line.color = clBlue;
    s.state.ops.push_back(line);
    rebuildItems(s.chart, s.state); // notes the curve as painted
    rebuildItems(s.chart, s.state); // keeps the picture before the line
    const int frames = s.chart.FrameDrawCount();
    for (double y : {10.0, 20.0, 30.0}) {
        s.state.ops.back().y2 = y;
        s.state.crossY = y;
        rebuildItems(s.chart, s.state);
        s.chart.CrossHair(1)->SetPosY(y);
        EXPECT_EQ(s.chart.ItemsDrawnLastPaint(), 1) << y;
        const Pictures full = fullPaint(s.state);
        EXPECT_EQ(s.chart.FrameImage(), full.frame) << y;
        // Drawn right into the frame, the data area comes back without the crosshairs.
        EXPECT_EQ(s.chart.DataAreaImage(), full.dataArea) << y;
    }
    EXPECT_EQ(s.chart.FrameDrawCount(), frames);
    s.chart.SetChartColor(clYellow);
    EXPECT_EQ(s.chart.FrameDrawCount(), frames + 1);
    EXPECT_EQ(s.chart.ItemsDrawnLastPaint(), s.chart.ItemCount());
}

// A picture is kept before a line that closes a run of polyline points. When that line gives way to
// more points, the run goes on as one polyline: its dots keep their rhythm and wide joins their shape.
TEST(RChartIncremental, ARunThatGoesOnPastTheKeptPictureIsNotCut) {
    const struct {
        TPenStyle style;
        int width;
    } pens[] = {{psDot, 1}, {psDash, 1}, {psSolid, 3}};
    for (const auto& pen : pens) {
        Sequence s(11);
        s.state.ops.clear();
        for (int i = 0; i < 25; ++i) {
            Op point;
            point.x1 = 2 + 3.7 * i;
            point.y1 = 10 + (i % 5) * 7.3;
            point.style = pen.style;
            point.width = pen.width;
            s.state.ops.push_back(point);
        }
        Op closing = s.state.ops.back();
        closing.kind = ikLine;
        closing.x2 = 5;
        s.state.ops.push_back(closing);
        rebuildItems(s.chart, s.state);
        rebuildItems(s.chart, s.state); // the picture before the line is kept
        Op more = s.state.ops.front();
        s.state.ops.back() = more;
        s.state.ops.push_back(more);
        rebuildItems(s.chart, s.state);
        EXPECT_EQ(s.chart.FrameImage(), fullPaint(s.state).frame) << int(pen.style) << " " << pen.width;
    }
}

// The scale controls can be reached by name and changed directly, without the chart's notice; they
// are drawn only with the chart's frame, so the next paint must draw the frame anew.
TEST(RChartIncremental, AScaleControlChangedDirectlyIsDrawnAnewByTheNextPaint) {
    const std::function<void(TRChart&)> changes[] = {
        [](TRChart& c) { c.ScaleControlX(1)->SetRangeHigh(170); },
        [](TRChart& c) { c.ScaleControlY(1)->SetCaption(QStringLiteral("km")); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        Sequence s(5);
        s.step();
        changes[i](s.chart);
        s.chart.Paint();
        EXPECT_EQ(s.chart.FrameImage(), fullPaint(s.state, changes[i]).frame) << i;
    }
}
