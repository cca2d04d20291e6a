// A state of the simulation and of what the window shows, as the command line or Reset asks for it.
// The defaults are the state at start.
#pragma once

#include "app/tripmodel.h"

// The profile box's entry of a measured trip, after the three profiles, while one is open.
inline constexpr int kMeasuredTripEntry = 3;

struct SimulationState {
    int Profile = profileIndex(TripProfile::StandardRoad); // index in the profile box
    double T1 = 50;                                        // min
    double T2 = 110;                                       // min
    bool SinglePoint = false;
    bool Crosshairs = true;
};

struct ViewState {
    SimulationState Simulation;
    bool VelocityGraph = false;
    bool ExactCurve = false;
    bool LimitTable = false;
    bool PointLabels = false;
    // The read-outs, the limit table's numbers and the point labels blank, for sheets on which
    // students predict the values first.
    bool HideValues = false;
};
