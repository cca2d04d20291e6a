// What the program says when it cannot open a window. Qt itself would end the process with abort()
// and the advice to reinstall the application, which fits none of the usual causes (no display
// server, a display the user may not use, a platform plugin that is not installed).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// How to run the program without a display; every display message ends with it.
QString withoutDisplayAdvice();
// When displayGiven() is false.
QString noDisplayMessage();
// Whether the program was told of a display: one of DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM
// is set (read through environment), or Qt's option -display or -platform (also with "--") is
// among the arguments, with a value after it.
bool displayGiven(const QByteArrayList& arguments, const std::function<QByteArray(const char*)>& environment);
// When Qt could not open the display: the variables that chose it (read through environment),
// Qt's own reasons, and what to do.
QString displayFailureMessage(const QStringList& qtReasons,
                              const std::function<QByteArray(const char*)>& environment);

// While it lives, Qt's messages are held back; a fatal one (the display cannot be opened) prints
// displayFailureMessage and calls endProgram with exit code 1, which must not return (Qt would
// abort). At its end the held messages are printed and the previous message handler is back. Wrap
// the application object's construction in it.
class DisplayFailureGuard {
public:
    using EndProgram = void (*)(int exitCode);
    explicit DisplayFailureGuard(EndProgram endProgram);
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};
