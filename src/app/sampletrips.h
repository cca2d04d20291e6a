// The sample trips that come with the program (made by scripts/make_sample_trips.py): a commute
// with traffic lights, a cycle ride recorded by GPS and a walk there and back.
#pragma once

#include <QString>

// The folder of the sample trips for the program in programFolder, for the Open dialog to start
// in: "trips" beside the program where it is there (a build tree, a copy run from its folder), else
// the installed shared data, <share>/kyvelo/trips.
QString sampleTripFolder(const QString& programFolder);
