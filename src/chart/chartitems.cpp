#include "chart/chartitems.h"

#include <algorithm>
#include <utility>

using enum Graphics::TAlignment;

namespace {

std::uint8_t alignmentCode(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify:
        return 0;
    case taRightJustify:
        return 1;
    default:
        return 2;
    }
}

} // namespace

ChartItemList::ChartItemList() : store(std::make_shared<Store>()) {}

void ChartItemList::Append(TChartItem item, int growBy) {
    if (store->Count >= Capacity())
        store->Items.resize(store->Items.size() + static_cast<std::size_t>(std::max(growBy, 1)));
    store->Items[static_cast<std::size_t>(store->Count)] = std::move(item);
    ++store->Count;
}

void ChartItemList::Clear() {
    store->Items = {};
    store->Count = 0;
}

ChartItemList ChartItemList::Detached() const {
    ChartItemList copy;
    *copy.store = *store;
    return copy;
}

void ChartItems::AddMark(double x, double y, int markType) {
    TChartItem item = stamped(ikMark, x, y);
    item.MarkOrAlign = static_cast<std::uint8_t>(std::clamp(markType, 0, 255));
    append(item);
}

void ChartItems::AddLine(double x1, double y1, double x2, double y2) {
    TChartItem item = stamped(ikLine, x1, y1);
    item.X2 = x2;
    item.Y2 = y2;
    item.FillColor = fillColor;
    append(item);
}

void ChartItems::AddLineTo(double x, double y) {
    TChartItem item = stamped(ikLineTo, x, y);
    item.FillColor = fillColor;
    append(item);
}

void ChartItems::AddText(double x, double y, int fontSize, const QString& text) {
    TChartItem item = stamped(ikText, x, y);
    item.Text = itemText(text);
    item.FontSize = fontSize;
    item.MarkOrAlign = alignmentCode(textAlignment);
    append(item);
}

void ChartItems::SetLineWidth(int value) {
    lineWidth = std::clamp(value, 0, 255);
}

void ChartItems::SetClassDefault(int value) {
    if (value >= 0 && value <= 254) classDefault = value;
}

void ChartItems::SetCurrentLayer(int value) {
    currentLayer = clampLayer(value);
}

void ChartItems::SetAllocSize(int value) {
    if (value >= 1 && value <= 1000000) allocSize = value;
}

TChartItem ChartItems::stamped(ItemKind kind, double x1, double y1) const {
    TChartItem item;
    item.Kind = kind;
    item.Layer = currentLayer;
    item.ClassNo = static_cast<std::uint8_t>(classDefault);
    item.X1 = x1;
    item.Y1 = y1;
    item.Color = dataColor;
    item.PenStyle = penStyle;
    item.LineWidth = lineWidth;
    return item;
}

QString itemText(const QString& text) {
    if (text.size() <= ChartItems::MaxTextLength) return text;
    int length = ChartItems::MaxTextLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}
