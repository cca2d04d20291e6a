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

ChartItemList::ChartItemList() : FStore(std::make_shared<Store>()) {}

// What the list keeps beside an item of the given kind; an empty value for other kinds.
template <class Extra>
const Extra& ChartItemList::extraOf(const TChartItem& item, ItemKind kind, const std::vector<Extra>& extras) {
    static const Extra none{};
    const auto at = static_cast<std::size_t>(item.ExtraNo);
    return item.Kind == kind && item.ExtraNo >= 0 && at < extras.size() ? extras[at] : none;
}

QPointF ChartItemList::endOf(const TChartItem& item) const {
    return extraOf(item, ikLine, FStore->Ends);
}

const StoredText& ChartItemList::textOf(const TChartItem& item) const {
    return extraOf(item, ikText, FStore->Texts);
}

void ChartItemList::append(const TChartItem& item, int growBy) {
    if (FStore->Count >= capacity())
        FStore->Items.resize(FStore->Items.size() + static_cast<std::size_t>(std::max(growBy, 1)));
    FStore->Items[static_cast<std::size_t>(FStore->Count)] = item;
    ++FStore->Count;
}

template <class Extra>
void ChartItemList::appendWith(TChartItem item, std::vector<Extra>& extras, Extra extra, int growBy) {
    item.ExtraNo = static_cast<std::int32_t>(extras.size());
    extras.push_back(std::move(extra));
    append(item, growBy);
}

void ChartItemList::appendLine(TChartItem item, QPointF end, int growBy) {
    appendWith(item, FStore->Ends, end, growBy);
}

void ChartItemList::appendText(TChartItem item, StoredText text, int growBy) {
    appendWith(item, FStore->Texts, std::move(text), growBy);
}

void ChartItemList::clear() {
    FStore->Items = {};
    FStore->Ends = {};
    FStore->Texts = {};
    FStore->Count = 0;
}

ChartItemList ChartItemList::detached() const {
    ChartItemList copy;
    *copy.FStore = *FStore;
    return copy;
}

void ChartItems::addMark(double x, double y, int markType) {
    TChartItem item = stamped(ikMark, x, y);
    item.MarkOrAlign = static_cast<std::uint8_t>(std::clamp(markType, 0, 255));
    FList.append(item, FAllocSize);
}

void ChartItems::addLine(double x1, double y1, double x2, double y2) {
    TChartItem item = stamped(ikLine, x1, y1);
    item.FillColor = FFillColor;
    FList.appendLine(item, QPointF(x2, y2), FAllocSize);
}

void ChartItems::addLineTo(double x, double y) {
    TChartItem item = stamped(ikLineTo, x, y);
    item.FillColor = FFillColor;
    FList.append(item, FAllocSize);
}

void ChartItems::addText(double x, double y, int fontSize, const QString& text) {
    TChartItem item = stamped(ikText, x, y);
    item.MarkOrAlign = alignmentCode(FTextAlignment);
    FList.appendText(item, StoredText{itemText(text), fontSize}, FAllocSize);
}

void ChartItems::setLineWidth(int value) {
    FLineWidth = std::clamp(value, 0, 255);
}

void ChartItems::setClassDefault(int value) {
    if (value >= 0 && value <= 254) FClassDefault = value;
}

void ChartItems::setCurrentLayer(int value) {
    FCurrentLayer = clampLayer(value);
}

void ChartItems::setAllocSize(int value) {
    if (value >= 1 && value <= 1000000) FAllocSize = value;
}

TChartItem ChartItems::stamped(ItemKind kind, double x1, double y1) const {
    TChartItem item;
    item.Kind = kind;
    item.Layer = static_cast<std::uint8_t>(FCurrentLayer);
    item.ClassNo = static_cast<std::uint8_t>(FClassDefault);
    item.X1 = x1;
    item.Y1 = y1;
    item.Color = FDataColor;
    item.PenStyle = FPenStyle;
    item.LineWidth = static_cast<std::uint8_t>(FLineWidth);
    return item;
}

QString itemText(const QString& text) {
    if (text.size() <= ChartItems::kMaxTextLength) return text;
    int length = ChartItems::kMaxTextLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}
