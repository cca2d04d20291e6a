// The program's own command-line options.
#pragma once

#include "app/viewstate.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <functional>

struct CommandLine {
    bool Help = false;           // --help: the usage text on the terminal, no window
    bool Version = false;        // --version: the version on the terminal, no window
    QByteArray ScreenshotFile;   // --screenshot FILE: the name's bytes exactly as given, not decoded
    QByteArray ScreenshotFormat; // the image format for that file: its suffix's, PNG without one
    QString Error;               // a message for the user when the options cannot be understood
    // --profile N, --points T1,T2, --point T1, --single, --velocity-graph, --exact, --limit-table,
    // --point-labels: the state the window is to show (the start's where not given); StateGiven
    // tells whether any was given.
    ViewState State;
    bool StateGiven = false;
    bool Table = false; // --table: the limit table of that state on the terminal, no window
};

// The image formats that can be written (lower case). Asked for only when a screenshot file has a
// suffix: finding them out loads every image plugin, which a plain start does without.
using WritableImageFormats = std::function<QByteArrayList()>;

// Reads the arguments after the program name, as the bytes the system passed. Unknown arguments
// are left to other readers (the host link's "/serverhandle=" among them).
CommandLine parseCommandLine(const QByteArrayList& arguments, const WritableImageFormats& writableFormats);

// The arguments (after the program's name) of a new start that shows `state`: the given ones without
// those that set a state, then the options for this one. The crosshairs have no option; a new start
// shows them.
QByteArrayList restartArguments(const QByteArrayList& arguments, const ViewState& state);

QString usageText();
QString versionText();
