#include "app/commandline.h"

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--screenshot")) continue;
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            result.error = QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png");
            return result;
        }
        result.screenshotFile = arguments[++i];
    }
    return result;
}
