// The rule that places the chart, the velocity graph, the limit table and the road strip, at the
// main window's default size: the room between the top panel (41) and the text strip (80), left of
// the read-outs (216), is 576 x 446; the table is 248 wide.
#include "app/toolslayout.h"

#include <gtest/gtest.h>

TEST(ToolsLayout, ChartAndGraphShareTheColumnLeftOfTheTable) {
    const QRect free(0, 41, 576, 446);
    const struct {
        const char* name;
        ToolsRoom room;
        ToolsPlaces places;
    } cases[] = {
        {"graph: 40 % of the room", {free, 80, 80, 0, true}, {{0, 41, 576, 268}, {0, 309, 576, 178}, {}, 80}},
        {"table: beside the chart, full height",
         {free, 80, 80, 248, false},
         {{0, 41, 328, 446}, {}, {328, 41, 248, 446}, 80}},
        {"both: the charts equally wide",
         {free, 80, 80, 248, true},
         {{0, 41, 328, 268}, {0, 309, 328, 178}, {328, 41, 248, 446}, 80}},
        {"a longer text grows the strip out of the graph's share",
         {free, 80, 110, 248, true},
         {{0, 41, 328, 268}, {0, 309, 328, 148}, {328, 41, 248, 416}, 110}},
        {"the graph keeps its least height",
         {free, 80, 400, 0, true},
         {{0, 41, 576, 268}, {0, 309, 576, 120}, {}, 138}},
        {"road strip: under the chart, out of its height",
         {free, 80, 80, 0, false, 100},
         {{0, 41, 576, 346}, {}, {}, 80, {0, 387, 576, 100}}},
        {"road strip between the chart and the graph, beside the table",
         {free, 80, 80, 248, true, 100},
         {{0, 41, 328, 168}, {0, 309, 328, 178}, {328, 41, 248, 446}, 80, {0, 209, 328, 100}}},
        {"the least height grows with the pictures' zoom",
         {QRect(0, 41, 1380, 939), 200, 600, 0, true, 0, 2.5},
         {{0, 41, 1380, 563}, {0, 604, 1380, 300}, {}, 276}},
    };
    for (const auto& c : cases) {
        const ToolsPlaces places = placeTools(c.room);
        EXPECT_EQ(places.Chart, c.places.Chart) << c.name;
        EXPECT_EQ(places.Graph, c.places.Graph) << c.name;
        EXPECT_EQ(places.Table, c.places.Table) << c.name;
        EXPECT_EQ(places.Strip, c.places.Strip) << c.name;
        EXPECT_EQ(places.Road, c.places.Road) << c.name;
    }
}
