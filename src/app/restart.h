// A restart asked for while the program runs (a new language takes effect only at start): the
// main window closes, the program ends as usual, and the program block then starts it anew.
#pragma once

#include <QByteArrayList>

#include <optional>

// Closes the main window; the program starts again with these arguments (after its name).
void requestRestart(const QByteArrayList& arguments);
// The arguments of the restart asked for, if one was.
const std::optional<QByteArrayList>& requestedRestart();
