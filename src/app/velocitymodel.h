// The velocity of the trip model: v(t) = s'(t) * 60 in km/h, the exact derivative of each profile's
// distance (km per minute times 60). Pure, like the distance model beside it.
#pragma once

#include <vector>

// Velocity in km/h at time t (minutes) for profile 0, 1 or 2; any other index gives 0. Where the
// velocity jumps (profile 2 stopping and starting again) it is the value from the right.
double tripProfileVelocity(int profile, double t);

// The times at which a profile's velocity jumps, in ascending order (none for a smooth profile).
std::vector<double> tripProfileVelocityJumps(int profile);
