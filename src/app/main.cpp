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

// Writes the main window as it stands once its start-up has run, or says why it cannot.
int writeScreenshot(const QString& file) {
    if (Form1->grab().save(file)) return 0;
    std::fprintf(stderr, "kyvelo: cannot write %s\n", qPrintable(file));
    return 1;
}

// The main window is shown from inside the message loop, so the start-up screen's nested loop runs
// within it and a quit from the host while the screen is up ends both. For a screenshot the
// start-up screen is closed at once and the program ends after the picture.
int run(TApplication& app, const QString& screenshotFile) {
    int code = 0;
    QTimer::singleShot(0, Form1, [&] {
        if (screenshotFile.isEmpty()) {
            Form1->show();
            return;
        }
        QTimer::singleShot(0, FrmAbout, [] { FrmAbout->Close(); }); // runs in the start-up screen's loop
        Form1->show();
        code = writeScreenshot(screenshotFile);
        app.quit();
    });
    const int loopCode = app.exec();
    return code ? code : loopCode;
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
    const CommandLine options = parseCommandLine(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "kyvelo: %s\n", qPrintable(options.error));
        return 2;
    }
    try {
        Form1 = new TForm1;
        FrmAbout = new TFrmAbout; // hidden until the main window's first show
    } catch (const Exception& e) {
        std::fprintf(stderr, "kyvelo: %s\n", e.what());
        return 1;
    }
    const int code = run(app, options.screenshotFile);
    delete FrmAbout;
    delete Form1;
    return code;
}
