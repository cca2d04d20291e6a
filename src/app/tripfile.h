// Opening a trip file: the file read safely, its format told from its name or content, its samples
// made into a measured trip named after the file.
#pragma once

#include "app/measuredtrip.h"
#include "app/tripreaderror.h"

#include <variant>

// The trip in the file at path, or why it cannot be used. A GPX document is one whose name ends in
// ".gpx" (any letter case) or whose first sign after blanks and a byte-order mark is "<"; anything
// else is read as a table (tripcsv.h). Refused before reading: what is not a regular file (a folder,
// a FIFO, a device) and a file over kMaxTripFileSize.
std::variant<MeasuredTrip, TripReadError> readTripFile(const QString& path);
