// The chart's drawing items: a flat list of marks, lines, polyline points and texts in data
// coordinates, each stamped with the drawing attributes current when it was appended. The list
// is a handle on shared storage, so several charts can show (and append to) one and the same list.
#pragma once

#include "chart/itempass/layers.h"
#include "platform/graphics/assignchanged.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/tcolor.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Numeric codes are part of the model: painting dispatches on them.
enum ItemKind : std::uint8_t { ikMark = 1, ikLine = 2, ikLineTo = 3, ikText = 7 };

// One item. Millions of polyline points can be stored, so an item keeps only what every kind
// needs; a line's far end and a text's characters and font size live beside the items in the list.
struct TChartItem {
    double X1 = 0;
    double Y1 = 0;
    TColor Color = 0;
    TColor FillColor = 0;
    TPenStyle PenStyle = TPenStyle::psSolid;
    // Where the list keeps a line's far end or a text's text; -1 for marks and polyline points.
    std::int32_t ExtraNo = -1;
    std::uint8_t LineWidth = 0;
    std::uint8_t ClassNo = 0;
    std::uint8_t Kind = 0;
    std::uint8_t Layer = 0;
    // Mark type for marks; 0 left, 1 right, 2 centred for texts.
    std::uint8_t MarkOrAlign = 0;

    bool operator==(const TChartItem&) const = default;
};
static_assert(sizeof(TChartItem) == 40, "an item grew: every stored point pays for it");

struct StoredText {
    QString Text;
    std::int32_t FontSize = 0;
    bool operator==(const StoredText&) const = default;
};

// A handle on a growable item array. Copies of a handle see the same items; detached() gives an
// independent copy.
class ChartItemList {
public:
    ChartItemList();

    int count() const { return FStore->Count; }
    int capacity() const { return static_cast<int>(FStore->Items.size()); }
    const TChartItem& operator[](int index) const { return FStore->Items[static_cast<std::size_t>(index)]; }
    // The far end (X2, Y2) of a line; (0, 0) for the other kinds.
    QPointF endOf(const TChartItem& item) const;
    // The text and font size of a text item; empty for the other kinds.
    const StoredText& textOf(const TChartItem& item) const;

    // Grows the capacity by growBy slots when the list is full.
    void append(const TChartItem& item, int growBy);
    void appendLine(TChartItem item, QPointF end, int growBy);
    void appendText(TChartItem item, StoredText text, int growBy);
    // Empties the list and releases its capacity.
    void clear();
    ChartItemList detached() const;

private:
    template <class Extra>
    static const Extra& extraOf(const TChartItem& item, ItemKind kind, const std::vector<Extra>& extras);
    template <class Extra>
    void appendWith(TChartItem item, std::vector<Extra>& extras, Extra extra, int growBy);

    struct Store {
        std::vector<TChartItem> Items;
        std::vector<QPointF> Ends;
        std::vector<StoredText> Texts;
        int Count = 0;
    };
    std::shared_ptr<Store> FStore;
};

// One chart's current drawing attributes and its handle on the item list: the four drawing
// operations stamp the attributes into a new item and append it.
class ChartItems {
public:
    static constexpr int kMaxTextLength = 15;

    const ChartItemList& list() const { return FList; }
    void setList(const ChartItemList& shared) { FList = shared; }
    int itemCount() const { return FList.count(); }

    void addMark(double x, double y, int markType);
    void addLine(double x1, double y1, double x2, double y2);
    void addLineTo(double x, double y);
    void addText(double x, double y, int fontSize, const QString& text);
    void clearItems() { FList.clear(); }

    TColor dataColor() const { return FDataColor; }
    void setDataColor(TColor value) { FDataColor = value; }
    TColor fillColor() const { return FFillColor; }
    void setFillColor(TColor value) { FFillColor = value; }
    TPenStyle penStyle() const { return FPenStyle; }
    void setPenStyle(TPenStyle value) { FPenStyle = value; }
    // A byte: clamped to 0..255.
    int lineWidth() const { return FLineWidth; }
    void setLineWidth(int value);
    // 0..254; anything else is ignored (255 is reserved).
    int classDefault() const { return FClassDefault; }
    void setClassDefault(int value);
    // Clamped to the layers 1..16.
    int currentLayer() const { return FCurrentLayer; }
    void setCurrentLayer(int value);
    TAlignment textAlignment() const { return FTextAlignment; }
    // Whether the alignment changed.
    bool setTextAlignment(TAlignment value) { return assignChanged(FTextAlignment, value); }
    // 1..1000000; anything else is ignored.
    int allocSize() const { return FAllocSize; }
    void setAllocSize(int value);

private:
    TChartItem stamped(ItemKind kind, double x1, double y1) const;

    ChartItemList FList;
    TColor FDataColor = clBlack;
    TColor FFillColor = rgbColor(192, 192, 192);
    TPenStyle FPenStyle = TPenStyle::psSolid;
    int FLineWidth = 1;
    int FClassDefault = 0;
    int FCurrentLayer = 1;
    TAlignment FTextAlignment = TAlignment::taCenter;
    int FAllocSize = 1000;
};

// The text as an item stores it: at most 15 characters, never ending in half a surrogate pair.
QString itemText(const QString& text);
