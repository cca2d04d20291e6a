#include "chart/itempass/itempass.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <optional>

using enum Graphics::TAlignment;

namespace {

// Records every call of the item pass, with the text extent fixed at 20 x 10.
class RecordingTarget : public ItemTarget {
public:
    void setPenWidth(int width) override { log << QStringLiteral("width %1").arg(width); }
    void setPenColor(TColor color) override {
        log << QStringLiteral("pen %1").arg(color);
        ++penColorSets;
    }
    void setPenStyle(TPenStyle) override { log << QStringLiteral("style"); }
    void setBrushColor(TColor color) override { log << QStringLiteral("brush %1").arg(color); }
    void setBrushClear() override { log << QStringLiteral("brush clear"); }
    void moveTo(QPoint p) override { log << QStringLiteral("move %1,%2").arg(p.x()).arg(p.y()); }
    void lineTo(QPoint p) override { log << QStringLiteral("line %1,%2").arg(p.x()).arg(p.y()); }
    void polyline(const std::vector<QPoint>& points) override {
        polylines.push_back(points);
        log << QStringLiteral("polyline %1").arg(points.size());
    }
    void setPixel(QPoint p, TColor color) override {
        log << QStringLiteral("pixel %1,%2 %3").arg(p.x()).arg(p.y()).arg(color);
    }
    void setFontColor(TColor color) override { log << QStringLiteral("font %1").arg(color); }
    void setFont(TFontStyles, int points) override { log << QStringLiteral("size %1").arg(points); }
    QSize textExtent(const QString&) override { return {20, 10}; }
    void textOut(QPoint p, const QString& text) override {
        log << QStringLiteral("text %1,%2 %3").arg(p.x()).arg(p.y()).arg(text);
    }
    void drawMark(int type, QPoint p) override {
        log << QStringLiteral("mark %1 %2,%3").arg(type).arg(p.x()).arg(p.y());
    }
    bool penOverdrawHarmless() const override { return overdrawHarmless; }

    QStringList log;
    std::vector<std::vector<QPoint>> polylines;
    int penColorSets = 0;
    bool overdrawHarmless = true;
};

// Every layer maps data 1:1 onto pixels, with the data area's corner at control pixel (50, 20).
PerLayer<LayerMap> identityMaps() {
    PerLayer<LayerMap> maps{};
    for (LayerMap& m : maps) {
        m.X.K = 1;
        m.X.D = 50;
        m.Y.K = 1;
        m.Y.D = 20;
    }
    return maps;
}

ItemPassSettings settings() {
    ItemPassSettings s;
    s.Origin = QPoint(0, 0);
    s.DataOrigin = QPoint(50, 20);
    return s;
}

struct Pass {
    ChartItems items;
    RecordingTarget target;
    PerLayer<LayerMap> maps = identityMaps();
    ItemPassSettings options = settings();
    void run() { drawItemList(target, items.list(), maps, options); }
};

} // namespace

TEST(ItemPass, CurveAndLineMakeOnePolylineFromTheDataAreaCorner) {
    Pass pass;
    for (int i = 0; i < 134; ++i)
        pass.items.addLineTo(i, 100 + i % 3);
    pass.items.addLine(0, 0, 10, 10);
    pass.run();
    ASSERT_EQ(pass.target.polylines.size(), 1u);
    const std::vector<QPoint>& curve = pass.target.polylines[0];
    ASSERT_EQ(curve.size(), 135u);
    EXPECT_EQ(curve.front(), QPoint(0, 0));
    EXPECT_EQ(curve[1], QPoint(0, 100));
    EXPECT_EQ(curve.back(), QPoint(133, 100 + 133 % 3));
    // The polyline is flushed before the line is drawn.
    const QStringList& log = pass.target.log;
    const auto flush = log.indexOf(QStringLiteral("polyline 135"));
    EXPECT_LT(flush, log.indexOf(QStringLiteral("move 0,0"), flush));
    EXPECT_EQ(log.mid(log.size() - 3), (QStringList{QStringLiteral("move 0,0"), QStringLiteral("line 10,10"),
                                                    QStringLiteral("width 1")}));
}

TEST(ItemPass, LongRunsAreSplitIntoJoinedPolylinesOf200Points) {
    Pass pass;
    for (int i = 0; i < 500; ++i)
        pass.items.addLineTo(i, i * 2);
    pass.run();
    const auto& polylines = pass.target.polylines;
    ASSERT_EQ(polylines.size(), 3u);
    EXPECT_EQ(polylines[0].size(), 200u);
    EXPECT_EQ(polylines[1].size(), 200u);
    EXPECT_EQ(polylines[2].size(), 103u);
    EXPECT_EQ(polylines[1].front(), polylines[0].back());
    EXPECT_EQ(polylines[2].front(), polylines[1].back());
    EXPECT_EQ(polylines[2].back(), QPoint(499, 998));
}

TEST(ItemPass, AttributesAreSetOnlyWhenTheyChange) {
    Pass pass;
    pass.options.ChartColor = clWhite;
    for (int i = 0; i < 50; ++i)
        pass.items.addLineTo(i, i);
    pass.items.setDataColor(clRed);
    pass.items.addLineTo(60, 60);
    pass.items.addMark(1, 1, 24);
    pass.items.addMark(2, 2, 24);
    pass.run();
    // Initial chart colour, black for the curve, red from the colour change on.
    EXPECT_EQ(pass.target.penColorSets, 3);
    EXPECT_EQ(pass.target.polylines.size(), 2u);
    EXPECT_EQ(pass.target.polylines[1].front(), QPoint(49, 49)); // continues where the black run ended
    EXPECT_TRUE(pass.target.log.contains(QStringLiteral("mark 24 2,2")));
}

TEST(ItemPass, LineWidthChangesFlushThePolyline) {
    Pass pass;
    pass.items.setLineWidth(2);
    pass.items.addLineTo(1, 1);
    pass.items.addLineTo(2, 2);
    pass.items.setLineWidth(1);
    pass.items.addLineTo(3, 3);
    pass.run();
    ASSERT_EQ(pass.target.polylines.size(), 2u);
    EXPECT_EQ(pass.target.polylines[0].size(), 3u);
    EXPECT_EQ(pass.target.polylines[1], (std::vector<QPoint>{{2, 2}, {3, 3}}));
    EXPECT_TRUE(pass.target.log.contains(QStringLiteral("width 2")));
}

TEST(ItemPass, LineOnOnePixelSetsThatPixel) {
    Pass pass;
    pass.items.setDataColor(clBlue);
    pass.items.addLine(7.2, 8.4, 6.8, 7.6);
    pass.run();
    EXPECT_TRUE(pass.target.log.contains(QStringLiteral("pixel 7,8 %1").arg(clBlue)));
    EXPECT_FALSE(pass.target.log.filter(QStringLiteral("line ")).size() > 0);
}

TEST(ItemPass, TextsAreAlignedOnTheirPointAndFarPointsClamped) {
    Pass pass;
    pass.items.setTextAlignment(taCenter);
    pass.items.addText(100, 50, 10, QStringLiteral("dt"));
    pass.items.setTextAlignment(taRightJustify);
    pass.items.addText(100, 50, 10, QStringLiteral("ds"));
    pass.items.setTextAlignment(taLeftJustify);
    pass.items.addText(1e9, -1e9, 10, QStringLiteral("far"));
    pass.options.SolidTextBackground = true;
    pass.options.TextBkColor = clYellow;
    pass.run();
    const QStringList& log = pass.target.log;
    EXPECT_TRUE(log.contains(QStringLiteral("text 90,45 dt")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 80,45 ds")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 29950,-30025 far")));
    EXPECT_TRUE(log.contains(QStringLiteral("size 10")));
    EXPECT_TRUE(log.contains(QStringLiteral("brush %1").arg(clYellow)));
}

TEST(ItemPass, OnlyMarksLinesAndTextsCloseThePolylineWhateverTheState) {
    const struct {
        ItemKind kind;
        bool closes;
    } cases[] = {{ikMark, true}, {ikLine, true}, {ikText, true}, {ikLineTo, false}, {ItemKind(0), false}};
    for (const auto& c : cases) {
        TChartItem item;
        item.Kind = c.kind;
        EXPECT_EQ(closesPolyline(item), c.closes) << int(c.kind);
    }
}

// A pass paused before any item that closes the polyline, and one resumed from there on a fresh
// target, together make exactly the calls of the uninterrupted pass.
TEST(ItemPass, PausedAndResumedPassMakesTheCallsOfTheWholePass) {
    const auto curveWithFigures = [](ChartItems& items) {
        items.setLineWidth(2);
        for (int i = 0; i < 30; ++i)
            items.addLineTo(i, 100 + i % 4);
        items.setLineWidth(1);
        items.setDataColor(clBlue);
        items.addLine(0, 20, 133, 170);
        items.setDataColor(clRed);
        items.addMark(50, 60, 24);
        items.addText(80, 55, 10, QStringLiteral("dt"));
        items.addLineTo(90, 90);
        items.addLine(110, 60, 110, 130);
    };
    const auto longRunsAndStyles = [](ChartItems& items) {
        items.setPenStyle(TPenStyle::psDot);
        for (int i = 0; i < 250; ++i)
            items.addLineTo(i, i % 7);
        items.setFillColor(clYellow);
        items.addMark(3, 3, 2);
        items.setPenStyle(TPenStyle::psSolid);
        for (int i = 0; i < 5; ++i)
            items.addLineTo(i, 2 * i);
        items.addText(1, 1, 8, QStringLiteral("end"));
    };
    for (const auto& fill : {std::function<void(ChartItems&)>(curveWithFigures),
                             std::function<void(ChartItems&)>(longRunsAndStyles)}) {
        Pass whole;
        fill(whole.items);
        whole.run();
        const ChartItemList& list = whole.items.list();
        int pauses = 0;
        for (int at = 1; at < list.count(); ++at) {
            if (!closesPolyline(list[at])) continue;
            ++pauses;
            Pass paused;
            fill(paused.items);
            ItemPassPlan plan;
            plan.PauseBefore = at;
            qsizetype callsBefore = -1;
            std::optional<ItemPassState> state;
            plan.OnPause = [&](const ItemPassState& s) {
                callsBefore = paused.target.log.size();
                state = s;
            };
            drawItemList(paused.target, list, paused.maps, paused.options, plan);
            ASSERT_TRUE(state.has_value()) << at;
            EXPECT_EQ(paused.target.log, whole.target.log) << at;

            Pass resumed;
            ItemPassPlan resume;
            resume.From = at;
            resume.Resume = state;
            drawItemList(resumed.target, list, resumed.maps, resumed.options, resume);
            EXPECT_EQ(resumed.target.log, whole.target.log.mid(callsBefore)) << at;
        }
        EXPECT_GE(pauses, 2);
    }
}

TEST(ItemPass, ColumnRunsAreThinnedOnlyForOnePixelSolidPensThatSetPixels) {
    struct Case {
        const char* name;
        bool overdrawHarmless;
        int lineWidth;
        TPenStyle style;
        std::size_t points; // in the one polyline, its start included
    };
    const Case cases[] = {
        {"one-pixel solid pen", true, 1, TPenStyle::psSolid, 6},
        {"pen width 0", true, 0, TPenStyle::psSolid, 6},
        {"combining pen", false, 1, TPenStyle::psSolid, 10},
        {"pen width 2", true, 2, TPenStyle::psSolid, 10},
        {"dotted pen", true, 1, TPenStyle::psDot, 10},
    };
    for (const Case& c : cases) {
        Pass pass;
        pass.target.overdrawHarmless = c.overdrawHarmless;
        pass.items.setLineWidth(c.lineWidth);
        pass.items.setPenStyle(c.style);
        for (int y : {5, 1, 7, 9, 2, 6, 4})
            pass.items.addLineTo(0.2, y);
        pass.items.addLineTo(1, 3);
        pass.items.addLineTo(1.4, 3);
        pass.run();
        ASSERT_EQ(pass.target.polylines.size(), 1u) << c.name;
        const std::vector<QPoint>& line = pass.target.polylines[0];
        EXPECT_EQ(line.size(), c.points) << c.name;
        EXPECT_EQ(line.front(), QPoint(0, 0)) << c.name;
        EXPECT_EQ(line.back(), QPoint(1, 3)) << c.name;
        if (c.points == 6) {
            EXPECT_EQ(line, (std::vector<QPoint>{{0, 0}, {0, 5}, {0, 1}, {0, 9}, {0, 4}, {1, 3}})) << c.name;
        }
    }
}
