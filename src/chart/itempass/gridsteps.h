// Grid value sequences of a chart axis: which data values get a grid line (or a row of grid points)
// for a given spacing. Plain arithmetic, no drawing.
#pragma once

#include <vector>

// No axis draws more grid lines than this.
constexpr int kMaxGridValues = 1000;

// The ascending grid values from the lower of the two bounds up to, not including, the higher one.
// step > 0: multiples of step, starting at the first one not below the lower bound.
// step = 0: the given scale ticks that lie in that run; with no ticks, the lower bound only.
// step -1, -2, -3 on a logarithmic axis: decades; 1-2-5 steps; 1..9 steps of each decade.
// Any other negative step: multiples of |step|, starting at the last one at or below the lower bound.
// Unusable bounds (not finite, equal, or below the smallest normal double where decades are
// needed) give no values.
std::vector<double> gridValues(double bound1, double bound2, bool logarithmic, double step,
                               const std::vector<double>& ticks);
