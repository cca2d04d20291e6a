// Program block: the application object, the main window and the About dialog from their stored
// layouts, the message loop.
#include "app/aboutbox.h"
#include "app/commandline.h"
#include "app/mainfrm.h"
#include "platform/controls/application.h"
#include "platform/controls/exceptions.h"

#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

// Renders the main window as it stands once its first show has been handled (the start-up screen
// closed at once), then ends the program.
int writeScreenshot(TApplication& app, const QString& file) {
    QTimer::singleShot(0, FrmAbout, [] { FrmAbout->Close(); }); // runs in the start-up screen's loop
    Form1->show();
    int code = 0;
    QTimer::singleShot(0, &app, [&] {
        if (!Form1->grab().save(file)) {
            std::fprintf(stderr, "kyvelo: cannot write %s\n", qPrintable(file));
            code = 1;
        }
        app.quit();
    });
    app.exec();
    return code;
}

// Qt would abort with a terse message; say what to do instead.
bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    std::fprintf(
        stderr,
        "kyvelo: no display found. Run it on a virtual screen:\n"
        "  xvfb-run -s '-screen 0 1280x800x24' kyvelo\n"
        "or write a picture of the window: QT_QPA_PLATFORM=offscreen kyvelo --screenshot kyvelo.png\n");
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) return 1;
    TApplication app(argc, argv);
    const TCommandLine options = ParseCommandLine(app.arguments());
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "kyvelo: %s\n", qPrintable(options.Error));
        return 2;
    }
    try {
        Form1 = new TForm1;
        FrmAbout = new TFrmAbout; // hidden until the main window's first show
    } catch (const Exception& e) {
        std::fprintf(stderr, "kyvelo: %s\n", e.what());
        return 1;
    }
    int code = 0;
    if (options.ScreenshotFile.isEmpty()) {
        Form1->show();
        code = app.exec();
    } else {
        code = writeScreenshot(app, options.ScreenshotFile);
    }
    delete FrmAbout;
    delete Form1;
    return code;
}
