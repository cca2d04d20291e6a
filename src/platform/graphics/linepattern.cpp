#include "platform/graphics/linepattern.h"

#include <algorithm>
#include <array>

using enum Graphics::TPenStyle;

std::span<const int> stylePattern(Graphics::TPenStyle style) {
    static constexpr std::array kDash{18, 6};
    static constexpr std::array kDot{3, 3};
    static constexpr std::array kDashDot{9, 6, 3, 6};
    static constexpr std::array kDashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
        return kDashDot;
    case psDashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}

std::pair<long long, long long> stepsInside(long long start, int direction, long long size, long long steps) {
    if (direction == 0) return start >= 0 && start < size ? std::pair(0LL, steps) : std::pair(0LL, 0LL);
    const long long first = direction > 0 ? -start : start - size + 1;
    return {std::max(first, 0LL), std::min(first + size, steps)};
}
