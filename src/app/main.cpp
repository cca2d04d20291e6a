// Program block: the application object, the main window and the About dialog from their stored
// layouts, the message loop.
#include "app/aboutbox.h"
#include "app/commandline.h"
#include "app/displayfailure.h"
#include "app/imagefile.h"
#include "app/limittablewords.h"
#include "hostlink/heaptuning.h"
#include "app/mainfrm.h"
#include "app/programlanguage.h"
#include "app/restart.h"
#include "app/studytools.h"
#include "hostlink/marvestodemon.h"
#include "platform/controls/application.h"
#include "platform/controls/exceptions.h"
#include "platform/system/processreplace.h"
#include "platform/system/terminationsignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QImageWriter>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Writes the main window as it stands once its start-up has run, or says why it cannot.
int writeScreenshot(const CommandLine& options) {
    const QString reason =
        writeImageFile(Form1->grab().toImage(), options.ScreenshotFile, options.ScreenshotFormat);
    if (reason.isEmpty()) return 0;
    std::fprintf(stderr, "kyvelo: cannot write %s: %s\n", options.ScreenshotFile.constData(),
                 qPrintable(reason));
    return 1;
}

// The main window is shown from inside the message loop, so the start-up screen's nested loop runs
// within it and a quit from the host while the screen is up ends both. For a screenshot the
// start-up screen is closed at once and the program ends after the picture. The state asked for
// on the command line is applied once the simulation has started.
int run(TApplication& app, const CommandLine& options) {
    int code = 0;
    QTimer::singleShot(0, Form1, [&] {
        const bool picture = !options.ScreenshotFile.isEmpty();
        if (picture) QTimer::singleShot(0, FrmAbout, [] { FrmAbout->Close(); }); // in the start-up screen's loop
        Form1->show();
        if (options.StateGiven) Form1->Study()->apply(options.State);
        if (!picture) return;
        code = writeScreenshot(options);
        app.quit();
    });
    const int loopCode = app.exec();
    return code ? code : loopCode;
}

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    std::fputs(qPrintable(noDisplayMessage()), stderr);
    return false;
}

// The windows carry the program's icon; the desktop entry's name ties them to it on Wayland.
std::unique_ptr<TApplication> openApplication(int& argc, char** argv) {
    const DisplayFailureGuard guard;
    auto app = std::make_unique<TApplication>(argc, argv);
    app->setWindowIcon(QIcon(QStringLiteral(":/icons/kyvelo.png")));
    app->setDesktopFileName(QStringLiteral("example.kyvelo.Kyvelo"));
    return app;
}

// The arguments as the system passed them; QCoreApplication::arguments() would decode them to text
// and lose the bytes of a file name that is not valid in the user's encoding.
QByteArrayList rawArguments(int argc, char* argv[]) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}

// Starts the program anew in this process. The windows are gone, and with them the single-copy lock
// and the link window, which the new start would otherwise find taken.
int restart(const QByteArray& name, const QByteArrayList& arguments) {
    const QString reason = replaceProcess(QFile::encodeName(QCoreApplication::applicationFilePath()),
                                          QByteArrayList{name} + arguments);
    std::fprintf(stderr, "kyvelo: cannot start again: %s\n", qPrintable(reason));
    return 1;
}

QByteArrayList writableImageFormats() {
    QByteArrayList formats = QImageWriter::supportedImageFormats();
    for (QByteArray& format : formats)
        format = format.toLower();
    return formats;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArrayList arguments = rawArguments(argc, argv);
    const CommandLine options = parseCommandLine(arguments, writableImageFormats);
    if (options.Help || options.Version) {
        std::fputs(qPrintable(options.Help ? usageText() : versionText()), stdout);
        return 0;
    }
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "kyvelo: %s\n", qPrintable(options.Error));
        return 2;
    }
    if (options.Table) {
        const QCoreApplication core(argc, argv); // where the program's language file lies
        const SimulationState& s = options.State.Simulation;
        std::fputs(qPrintable(limitTableTextInProgramLanguage(s.Profile, s.T1)), stdout);
        return 0;
    }
    if (!displayAvailable()) return 1;
    const std::unique_ptr<TApplication> app = openApplication(argc, argv);
    // A logout or Ctrl+C ends the program as its Exit button does: the host is told, the link's
    // files and the single-copy lock go; the exit code says which signal it was.
    const TerminationSignals endSignals([&app](int signalNumber) { app->exit(128 + signalNumber); });
    TkdbCustomDemon::SetSingleCopyCheck(options.ScreenshotFile.isEmpty());
    try {
        Form1 = new TForm1;
        // Qt's own texts (dialogs, menus, buttons) in the language of the file the window read
        installQtTranslations(programLanguage(Form1->cliDemon->Translate(QStringLiteral("$dlglanguage$"))));
        FrmAbout = new TFrmAbout; // hidden until the main window's first show
    } catch (const Exception& e) {
        std::fprintf(stderr, "kyvelo: %s\n", e.what());
        return 1;
    }
    keepHeapForLinkBlocks();
    const int code = run(*app, options);
    delete FrmAbout;
    delete Form1;
    if (const std::optional<QByteArrayList>& again = requestedRestart())
        return restart(arguments.value(0), *again);
    return code;
}
