// The chart's own mouse cursors, 32 × 32 images kept as resources: "CURHAND" (a hand, for panning),
// "CURZOOMW" (zoom into a window), "CURZOOMD" (zoom by dragging) and "CURZOOMP" (zoom into a window
// that keeps the axes' directions), and which cursor the chart shows for which mouse action.
#pragma once

#include "chart/vrxbase.h"

#include <QCursor>
#include <QString>

#include <optional>

// The named cursor; the arrow cursor for a name that is not one of the four.
QCursor chartCursor(const QString& name);

// The cursor for the pointer over the chart: the arrow outside the data area or when the cursor is
// fixed, otherwise by action; no value where the action leaves the cursor as it is.
std::optional<QCursor> cursorForMouseAction(TMouseActMode action, bool inDataArea, bool cursorFixed);
