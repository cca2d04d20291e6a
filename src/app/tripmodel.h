// The trip model: distance travelled in km after t minutes for each of the three trip profiles.
// Pure: the profile is passed in; the main window supplies the one chosen in its profile box.
#pragma once

enum TripProfile { tpUniform = 0, tpStandardRoad = 1, tpBackAndForth = 2 };

// Distance in km at time t (minutes) for profile 0, 1 or 2; any other index gives 0.
double tripProfileDistance(int profile, double t);
