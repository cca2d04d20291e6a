// The chart's item list, its current drawing attributes, and the sharing of one list between charts.
#include "chart/rchart_p.h"

#include <algorithm>

void TCustomRChart::AddMark(double x, double y, int markType) {
    d->FItems.addMark(x, y, markType);
}
void TCustomRChart::AddLine(double x1, double y1, double x2, double y2) {
    d->FItems.addLine(x1, y1, x2, y2);
}
void TCustomRChart::AddLineTo(double x, double y) {
    d->FItems.addLineTo(x, y);
}
void TCustomRChart::AddText(double x, double y, int fontSize, const QString& text) {
    d->FItems.addText(x, y, fontSize, text);
}

void TCustomRChart::ClearItems() {
    // While painting is suppressed the next paint draws the background anyway.
    if (!d->FSuppressPaint) DrawBackground();
    d->FItems.clearItems();
}

int TCustomRChart::ItemCount() const {
    return d->FItems.itemCount();
}
const ChartItemList& TCustomRChart::Items() const {
    return d->FItems.list();
}

// ---- Drawing attributes

TColor TCustomRChart::DataColor() const {
    return d->FItems.dataColor();
}
void TCustomRChart::SetDataColor(TColor value) {
    d->FItems.setDataColor(value);
}
TColor TCustomRChart::FillColor() const {
    return d->FItems.fillColor();
}
void TCustomRChart::SetFillColor(TColor value) {
    d->FItems.setFillColor(value);
}
TPenStyle TCustomRChart::PenStyle() const {
    return d->FItems.penStyle();
}
void TCustomRChart::SetPenStyle(TPenStyle value) {
    d->FItems.setPenStyle(value);
}
int TCustomRChart::LineWidth() const {
    return d->FItems.lineWidth();
}
void TCustomRChart::SetLineWidth(int value) {
    d->FItems.setLineWidth(value);
}
int TCustomRChart::ClassDefault() const {
    return d->FItems.classDefault();
}
void TCustomRChart::SetClassDefault(int value) {
    d->FItems.setClassDefault(value);
}
int TCustomRChart::CurrentLayer() const {
    return d->FItems.currentLayer();
}
void TCustomRChart::SetCurrentLayer(int value) {
    d->FItems.setCurrentLayer(value);
}
TAlignment TCustomRChart::TextAlignment() const {
    return d->FItems.textAlignment();
}

void TCustomRChart::SetTextAlignment(TAlignment value) {
    if (d->FItems.setTextAlignment(value)) RepaintIfAuto();
}

int TCustomRChart::AllocSize() const {
    return d->FItems.allocSize();
}
void TCustomRChart::SetAllocSize(int value) {
    d->FItems.setAllocSize(value);
}

// ---- Sharing

TCustomRChart* TCustomRChart::UseDataOf() const {
    return d->FUseDataOf;
}

const std::vector<TCustomRChart*>& TCustomRChart::SharingCharts() const {
    return d->FSharingCharts;
}

int TCustomRChart::NumSharingCharts() const {
    return static_cast<int>(d->FSharingCharts.size());
}

void TCustomRChart::SetUseDataOf(TCustomRChart* chart) {
    if (chart == this) {
        ShowInfoMessage(QStringLiteral("RChart: Cannot share data with myself"));
        return;
    }
    if (!d->FSharingCharts.empty()) {
        ShowInfoMessage(
            QStringLiteral("RChart: Cannot use foreign data. Other RCharts are using my own data."));
        return;
    }
    if (chart == d->FUseDataOf) return;
    if (!chart) {
        d->leaveOwner();
        RepaintIfAuto();
        return;
    }
    TCustomRChart* owner = chart->d->FUseDataOf ? chart->d->FUseDataOf : chart;
    // Pointing at another chart of the same owner changes nothing.
    if (owner == d->FUseDataOf) return;
    if (owner->NumSharingCharts() >= MaxDataShares) {
        ShowInfoMessage(QStringLiteral("RChart: Max. number of data shares exceeded"));
        return;
    }
    d->leaveOwner();
    d->joinOwner(owner);
    RepaintIfAuto();
}

void TCustomRChart::Private::leaveOwner() {
    if (!FUseDataOf) return;
    std::vector<TCustomRChart*>& sharers = FUseDataOf->d->FSharingCharts;
    sharers.erase(std::remove(sharers.begin(), sharers.end(), &q), sharers.end());
    FUseDataOf = nullptr;
    FItems.setList(FItems.list().detached());
}

void TCustomRChart::Private::joinOwner(TCustomRChart* owner) {
    FUseDataOf = owner;
    FItems.setList(owner->Items());
    owner->d->FSharingCharts.push_back(&q);
}
