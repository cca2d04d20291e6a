#include "chart/jointlayers.h"

#include <QStringList>

namespace {

bool isLayer(int n) {
    return n >= 1 && n <= TJointLayers::LayerCount;
}

} // namespace

TJointLayers::Table TJointLayers::independent() {
    Table t{};
    for (int i = 0; i < LayerCount; ++i)
        t[static_cast<std::size_t>(i)] = i + 1;
    return t;
}

int TJointLayers::ControlledBy(TJointAxis axis, int layer) const {
    return isLayer(layer) ? table(axis)[static_cast<std::size_t>(layer - 1)] : layer;
}

void TJointLayers::SetControlledBy(TJointAxis axis, int layer, int controller) {
    if (!isLayer(controller))
        throw EVRXRChartError(QStringLiteral("Destination layer %1 is out of range").arg(controller));
    if (!isLayer(layer)) return;
    int& entry = table(axis)[static_cast<std::size_t>(layer - 1)];
    if (controller == layer) {
        entry = layer;
        return;
    }
    if (ControlledBy(axis, controller) != controller)
        throw EVRXRChartError(QStringLiteral("Destination layer %1 is already joined").arg(controller));
    const std::vector<int> followers = Followers(axis, layer);
    if (!followers.empty()) {
        QStringList list;
        for (int k : followers)
            list << QString::number(k);
        throw EVRXRChartError(QStringLiteral("Layer %1 is joined by other layers (%2)")
                                  .arg(layer)
                                  .arg(list.join(QStringLiteral(", "))));
    }
    entry = controller;
    if (OnJoined) OnJoined(axis, layer);
    notify();
}

std::vector<int> TJointLayers::Followers(TJointAxis axis, int layer) const {
    std::vector<int> result;
    for (int k = 1; k <= LayerCount; ++k)
        if (k != layer && ControlledBy(axis, k) == layer) result.push_back(k);
    return result;
}

void TJointLayers::Assign(const TJointLayers& other) {
    FX = other.FX;
    FY = other.FY;
    notify();
}

void TJointLayers::notify() {
    if (OnChange) OnChange();
}
