// The smallest value a logarithmic mapping accepts: the scales refuse range ends below it and the
// chart's axis map pins values at or below it to the axis's low end.
#pragma once

constexpr double kLogFloor = 1e-100;
