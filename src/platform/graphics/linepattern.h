// The dash patterns of the one-pixel styled pens and the walk along them, counted in pixels along a
// line, as the canvas draws them at every drawing scale.
#pragma once

#include "platform/graphics/graphics.h"

#include <cstddef>
#include <span>
#include <utility>

// On/off run lengths in pixels of a styled pen; empty for a solid one.
std::span<const int> stylePattern(Graphics::TPenStyle style);

// Walks the on/off runs of a pattern pixel by pixel, from a position along the line. Inline: thin
// lines take a step per pixel.
class PatternWalk {
public:
    PatternWalk(std::span<const int> pattern, long long pos) : FPattern(pattern) {
        if (pattern.empty()) return;
        int period = 0;
        for (int run : pattern)
            period += run;
        FLeft = static_cast<int>(pos % period);
        while (FLeft >= pattern[FIndex])
            FLeft -= pattern[FIndex++];
        FLeft = pattern[FIndex] - FLeft;
    }
    bool on() const { return FIndex % 2 == 0; }
    // One pixel further.
    void next() {
        if (FPattern.empty() || --FLeft > 0) return;
        FIndex = (FIndex + 1) % FPattern.size();
        FLeft = FPattern[FIndex];
    }

private:
    std::span<const int> FPattern;
    std::size_t FIndex = 0;
    int FLeft = 0; // pixels still to go in the current run
};

// The steps k (0 <= k < steps) for which start + direction * k lies in 0..size-1.
std::pair<long long, long long> stepsInside(long long start, int direction, long long size, long long steps);
