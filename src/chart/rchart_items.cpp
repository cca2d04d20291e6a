// The chart's item list and the sharing of one list between charts.
#include "chart/rchart.h"

#include <algorithm>

void TCustomRChart::ClearItems() {
    // While painting is suppressed the next paint draws the background anyway.
    if (!FSuppressPaint) DrawBackground();
    FItems.ClearItems();
}

void TCustomRChart::SetUseDataOf(TCustomRChart* chart) {
    if (chart == this) {
        ShowInfoMessage(QStringLiteral("RChart: Cannot share data with myself"));
        return;
    }
    if (!FSharingCharts.empty()) {
        ShowInfoMessage(
            QStringLiteral("RChart: Cannot use foreign data. Other RCharts are using my own data."));
        return;
    }
    if (chart == FUseDataOf) return;
    if (!chart) {
        leaveOwner();
        RepaintIfAuto();
        return;
    }
    TCustomRChart* owner = chart->FUseDataOf ? chart->FUseDataOf : chart;
    // Pointing at another chart of the same owner changes nothing.
    if (owner == FUseDataOf) return;
    if (owner->NumSharingCharts() >= MaxDataShares) {
        ShowInfoMessage(QStringLiteral("RChart: Max. number of data shares exceeded"));
        return;
    }
    leaveOwner();
    joinOwner(owner);
    RepaintIfAuto();
}

void TCustomRChart::leaveOwner() {
    if (!FUseDataOf) return;
    std::vector<TCustomRChart*>& sharers = FUseDataOf->FSharingCharts;
    sharers.erase(std::remove(sharers.begin(), sharers.end(), this), sharers.end());
    FUseDataOf = nullptr;
    FItems.SetList(FItems.List().Detached());
}

void TCustomRChart::joinOwner(TCustomRChart* owner) {
    FUseDataOf = owner;
    FItems.SetList(owner->Items());
    owner->FSharingCharts.push_back(this);
}
