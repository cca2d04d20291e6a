#include "chart/jointlayers.h"

#include <QStringList>

TJointLayers::Table TJointLayers::independent() {
    Table t{};
    for (int i = 0; i < kLayerCount; ++i)
        t[static_cast<std::size_t>(i)] = i + 1;
    return t;
}

int TJointLayers::ControlledBy(JointAxis axis, int layer) const {
    return isLayer(layer) ? table(axis)[layerSlot(layer)] : layer;
}

void TJointLayers::SetControlledBy(JointAxis axis, int layer, int controller) {
    if (!isLayer(controller))
        throw EVRXRChartError(QStringLiteral("Destination layer %1 is out of range").arg(controller));
    if (!isLayer(layer)) return;
    int& entry = table(axis)[layerSlot(layer)];
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

std::vector<int> TJointLayers::Followers(JointAxis axis, int layer) const {
    std::vector<int> result;
    for (int k = 1; k <= kLayerCount; ++k)
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
