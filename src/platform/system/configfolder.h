// The folder of the user's own settings of every program.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// On Windows %APPDATA%; elsewhere $XDG_CONFIG_HOME, where a relative or empty one means
// $HOME/.config. Empty when the variables give none. environment reads a variable (empty when it is
// not set).
QString userConfigFolder(const std::function<QByteArray(const char*)>& environment);
