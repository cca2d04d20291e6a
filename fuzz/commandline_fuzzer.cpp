// libFuzzer target: the program's command line and the host link's argument. The input is the
// argument list with NUL bytes between the arguments (the first is the program). Any arguments
// must give options or an error message, never a crash; a screenshot always has a format that
// can be written, and a view read from any argument lies on the time axis, at least the smallest
// window wide.
#include "app/chartzoom.h"
#include "app/commandline.h"
#include "fuzzsupport.h"
#include "hostlink/marvestodemon.h"
#include "localisation/languagefilename.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArrayList arguments = bytes.split('\0');
    const QByteArrayList writable{"bmp", "jpg", "png"};
    const CommandLine options = parseCommandLine(arguments, [&] { return writable; });
    require(options.ScreenshotFile.isEmpty() || writable.contains(options.ScreenshotFormat));

    QStringList decoded;
    for (const QByteArray& argument : arguments) {
        decoded.append(QFile::decodeName(argument));
        const ViewOption view = parseViewOption(argument, 0, 133);
        require(!view.Error.isEmpty() || (view.Time.Low >= 0 && view.Time.High <= 133 &&
                                          view.Time.width() >= ChartZoom::kSmallestWindow - 1e-9));
    }
    serverHandleText(QStringLiteral("00000000"), decoded);
    const QStringList params = paramsWithoutServerHandle(decoded);
    require(params.size() <= decoded.size());
    require(languageFileName(decoded.front()).endsWith(QStringLiteral(".itl")));
    return 0;
}
