// The program's own command-line options.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    QString screenshotFile; // --screenshot FILE: write the main window as shown at start, then end
    QString error;          // a message for the user when the options cannot be understood
};

// Reads the arguments after the program name; unknown arguments are left to other readers
// (the host link's "/serverhandle=" among them).
CommandLine parseCommandLine(const QStringList& arguments);
