// The program's own command-line options.
#pragma once

#include "app/chartzoom.h"
#include "app/trip.h"
#include "app/viewstate.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <functional>
#include <optional>

// What --screenshot draws: the whole window, or the chart with what is shown beside and under it
// (the read-outs, the limit table, the velocity graph) as Save picture does.
enum class ScreenshotPicture { Window, Chart };

constexpr int kMaxScreenshotScale = 4;

struct CommandLine {
    bool Help = false;           // --help: the usage text on the terminal, no window
    bool Version = false;        // --version: the version on the terminal, no window
    QByteArray ScreenshotFile;   // --screenshot FILE: the name's bytes exactly as given, not decoded
    QByteArray ScreenshotFormat; // the image format for that file: its suffix's, PNG without one
    ScreenshotPicture Picture = ScreenshotPicture::Window; // --picture window|chart
    int Scale = 1; // --scale N: the picture drawn at N times the size, 1 to kMaxScreenshotScale
    QString Error; // a message for the user when the options cannot be understood
    // --profile N, --points T1,T2, --point T1, --single, --velocity-graph, --exact, --limit-table,
    // --point-labels, --hide-values: the state the window is to show (the start's where not given);
    // StateGiven tells whether any was given.
    ViewState State;
    bool StateGiven = false;
    bool Table = false;    // --table: the limit table of that state on the terminal, no window
    QByteArray TripFile;   // --trip FILE: a measured trip instead of a profile (State's Profile its entry)
    QByteArray ExportFile; // --export FILE: that trip written as a table, no window
    std::optional<AxisWindow> View; // --view T0,T1: the chart zoomed to that time window
    // The --points or --point given (option and value) and the --view given, taken by takeTimes()
    // once the trip's time span is known.
    QByteArray TimesOption;
    QByteArray TimesValue;
    std::optional<QByteArray> ViewValue;
};

// The image formats that can be written (lower case). Asked for only when a screenshot file has a
// suffix: finding them out loads every image plugin, which a plain start does without.
using WritableImageFormats = std::function<QByteArrayList()>;

// Reads the arguments after the program name, as the bytes the system passed. Arguments that begin
// with "/" are the host link's ("/serverhandle="), those of Qt's own options (-platform, -display,
// -style, ...) Qt's: both are left to them. Any other argument that begins with "-" and is not an
// option is an error, as is a flag given a value and an option whose value is another option.
CommandLine parseCommandLine(const QByteArrayList& arguments, const WritableImageFormats& writableFormats);

// Takes the times of --points or --point and the window of --view where they lie in the span, else
// sets Error (unless set).
// parseCommandLine() does so with the profiles' span unless a trip file is given.
void takeTimes(CommandLine& options, TripSpan span);

QString usageText();
QString versionText();
