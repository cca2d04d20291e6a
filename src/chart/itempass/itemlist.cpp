#include "chart/itempass/itemlist.h"

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

// What the list keeps beside an item of the given kind; an empty value for other kinds.
template <class Extra>
const Extra& ChartItemList::extraOf(const TChartItem& item, ItemKind kind, const std::vector<Extra>& extras) {
    static const Extra none{};
    const auto at = static_cast<std::size_t>(item.ExtraNo);
    return item.Kind == kind && item.ExtraNo >= 0 && at < extras.size() ? extras[at] : none;
}

QPointF ChartItemList::EndOf(const TChartItem& item) const {
    return extraOf(item, ikLine, store->Ends);
}

const StoredText& ChartItemList::TextOf(const TChartItem& item) const {
    return extraOf(item, ikText, store->Texts);
}

void ChartItemList::Append(const TChartItem& item, int growBy) {
    if (store->Count >= Capacity())
        store->Items.resize(store->Items.size() + static_cast<std::size_t>(std::max(growBy, 1)));
    store->Items[static_cast<std::size_t>(store->Count)] = item;
    ++store->Count;
}

template <class Extra>
void ChartItemList::appendWith(TChartItem item, std::vector<Extra>& extras, Extra extra, int growBy) {
    item.ExtraNo = static_cast<std::int32_t>(extras.size());
    extras.push_back(std::move(extra));
    Append(item, growBy);
}

void ChartItemList::AppendLine(TChartItem item, QPointF end, int growBy) {
    appendWith(item, store->Ends, end, growBy);
}

void ChartItemList::AppendText(TChartItem item, StoredText text, int growBy) {
    appendWith(item, store->Texts, std::move(text), growBy);
}

void ChartItemList::Clear() {
    store->Items = {};
    store->Ends = {};
    store->Texts = {};
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
    list.Append(item, allocSize);
}

void ChartItems::AddLine(double x1, double y1, double x2, double y2) {
    TChartItem item = stamped(ikLine, x1, y1);
    item.FillColor = fillColor;
    list.AppendLine(item, QPointF(x2, y2), allocSize);
}

void ChartItems::AddLineTo(double x, double y) {
    TChartItem item = stamped(ikLineTo, x, y);
    item.FillColor = fillColor;
    list.Append(item, allocSize);
}

void ChartItems::AddText(double x, double y, int fontSize, const QString& text) {
    TChartItem item = stamped(ikText, x, y);
    item.MarkOrAlign = alignmentCode(textAlignment);
    list.AppendText(item, StoredText{itemText(text), fontSize}, allocSize);
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
    item.Layer = static_cast<std::uint8_t>(currentLayer);
    item.ClassNo = static_cast<std::uint8_t>(classDefault);
    item.X1 = x1;
    item.Y1 = y1;
    item.Color = dataColor;
    item.PenStyle = penStyle;
    item.LineWidth = static_cast<std::uint8_t>(lineWidth);
    return item;
}

QString itemText(const QString& text) {
    if (text.size() <= ChartItems::MaxTextLength) return text;
    int length = ChartItems::MaxTextLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}
