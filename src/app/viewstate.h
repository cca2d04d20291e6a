// A state of the simulation and of what the window shows, as the command line or Reset asks for it.
// The defaults are the state at start.
#pragma once

#include "app/tripmodel.h"

struct SimulationState {
    int profile = tpStandardRoad; // index in the profile box
    double t1 = 50;               // min
    double t2 = 110;              // min
    bool singlePoint = false;
    bool crosshairs = true;
};

struct ViewState {
    SimulationState simulation;
    bool velocityGraph = false;
    bool exactCurve = false;
    bool limitTable = false;
};
