// Program block: the application object, the main window from its stored layout, the message loop.
#include "app/commandline.h"
#include "app/displayfailure.h"
#include "app/imagefile.h"
#include "app/mainfrm.h"
#include "platform/controls/application.h"
#include "platform/controls/exceptions.h"

#include <QImageWriter>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Renders the window as it stands once its first show has been handled, then ends the program.
int writeScreenshot(TApplication& app, const CommandLine& options) {
    int code = 0;
    QTimer::singleShot(0, &app, [&] {
        const QString reason =
            writeImageFile(Form1->grab().toImage(), options.screenshotFile, options.screenshotFormat);
        if (!reason.isEmpty()) {
            std::fprintf(stderr, "kyvelo: cannot write %s: %s\n", options.screenshotFile.constData(),
                         qPrintable(reason));
            code = 1;
        }
        app.quit();
    });
    app.exec();
    return code;
}

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    std::fputs(qPrintable(noDisplayMessage()), stderr);
    return false;
}

std::unique_ptr<TApplication> openApplication(int& argc, char** argv) {
    const DisplayFailureGuard guard;
    return std::make_unique<TApplication>(argc, argv);
}

// The arguments as the system passed them; QCoreApplication::arguments() would decode them to text
// and lose the bytes of a file name that is not valid in the user's encoding.
QByteArrayList rawArguments(int argc, char* argv[]) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}

QByteArrayList writableImageFormats() {
    QByteArrayList formats = QImageWriter::supportedImageFormats();
    for (QByteArray& format : formats)
        format = format.toLower();
    return formats;
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine options = parseCommandLine(rawArguments(argc, argv), writableImageFormats());
    if (options.help || options.version) {
        std::fputs(qPrintable(options.help ? usageText() : versionText()), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "kyvelo: %s\n", qPrintable(options.error));
        return 2;
    }
    if (!displayAvailable()) return 1;
    const std::unique_ptr<TApplication> app = openApplication(argc, argv);
    try {
        Form1 = new TForm1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "kyvelo: %s\n", e.what());
        return 1;
    }
    Form1->show();
    const int code = options.screenshotFile.isEmpty() ? app->exec() : writeScreenshot(*app, options);
    delete Form1;
    return code;
}
