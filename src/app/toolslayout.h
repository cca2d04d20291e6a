// Where the chart, the velocity graph and the limit table lie in the main window: the one rule for
// it. Without the tools the stored layout places the chart between the panels, left of the
// read-outs. With them the read-outs keep the right edge and the text strip the bottom; the limit
// table stands left of the read-outs over the whole height between the top panel and the strip; the
// chart and the velocity graph share the rest, one over the other and equally wide, so that their
// time axes line up and neither leaves grey room beside it. The road strip, shown, lies right under
// the chart across the chart's width, its height taken from the chart's.
#pragma once

#include "app/windowparts.h"

#include <QRect>

class QWidget;
class TControl;

struct ToolsRoom {
    QRect Free;          // between the top panel and the stored text strip, left of the read-outs
    int StoredStrip = 0; // the text strip's stored height
    int StripNeeded = 0; // the height that shows the strip's whole text with the graph's paragraph
    int TableWidth = 0;  // 0: no table
    bool Graph = false;
    int Road = 0;    // the road strip's height; 0: not shown
    double Zoom = 1; // how much larger the pictures draw (presentation mode)
};

struct ToolsPlaces {
    QRect Chart;
    QRect Graph; // empty without the graph
    QRect Table; // empty without the table
    int Strip = 0;
    QRect Road = {}; // empty without the road strip
};

// The graph takes this share of the free room's height; the text strip grows out of that share as
// far as its text needs, leaving the graph at least kLeastGraphHeight, times the pictures' zoom.
constexpr double kGraphShare = 0.4;
constexpr int kLeastGraphHeight = 120; // pixels

ToolsPlaces placeTools(const ToolsRoom& room);

// Lays out the window for the tools as they are shown (null: not made yet); the stored strip
// height is the text strip's height without the graph.
void layOutTools(const WindowParts& window, int storedStrip, TControl* graph, TControl* table,
                 QWidget* road = nullptr);
