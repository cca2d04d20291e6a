// The chart's layers: numbered 1..kLayerCount, each with its own pair of scales. Everything that
// keeps something per layer sizes it by kLayerCount and indexes it through layerSlot.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

constexpr int kLayerCount = 16;

template <typename T> using PerLayer = std::array<T, kLayerCount>;

constexpr bool isLayer(int layer) {
    return layer >= 1 && layer <= kLayerCount;
}

// Layer numbers outside 1..kLayerCount are pulled to the nearest end.
constexpr int clampLayer(int layer) {
    return std::clamp(layer, 1, kLayerCount);
}

// The index of a layer in a PerLayer table; numbers outside the layers use the nearest one.
constexpr std::size_t layerSlot(int layer) {
    return static_cast<std::size_t>(clampLayer(layer) - 1);
}
