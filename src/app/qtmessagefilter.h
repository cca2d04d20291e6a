// Qt's messages with one harmless notice left out: the offscreen platform says "This plugin does not
// support propagateSizeHints()" at every window it shows, which reads like an error in every script
// that writes a picture. Every other message still goes to the handler that was there before.
#pragma once

#include <QString>

// Whether Qt's message is that notice on that platform (QGuiApplication::platformName()).
bool isPlatformNoise(const QString& message, const QString& platformName);

// Installs the filter for the rest of the process.
void installQtMessageFilter();
