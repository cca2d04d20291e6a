#include "app/commandline.h"

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine result;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--screenshot"))
            continue;
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            result.Error = QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png");
            return result;
        }
        result.ScreenshotFile = arguments[++i];
    }
    return result;
}
