// Program block: the application object, the main window and the About dialog from their stored
// layouts, the message loop.
#include "app/aboutbox.h"
#include "app/commandline.h"
#include "app/decimalseparator.h"
#include "app/displayfailure.h"
#include "app/imagefile.h"
#include "app/limittablewords.h"
#include "app/mainfrm.h"
#include "app/profiletrip.h"
#include "app/qtmessagefilter.h"
#include "app/screenshot.h"
#include "app/studytools.h"
#include "app/tripexport.h"
#include "app/tripfile.h"
#include "app/tripfiles.h"
#include "app/windowplacement.h"
#include "app/zoomview.h"
#include "hostlink/heaptuning.h"
#include "hostlink/marvestodemon.h"
#include "platform/controls/application.h"
#include "platform/controls/exceptions.h"
#include "platform/system/lasterror.h"
#include "platform/system/regularfile.h"
#include "platform/system/terminationsignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QImageWriter>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// Writes the picture asked for of the main window as it stands once its start-up has run, or says
// why it cannot.
int writeScreenshot(TForm1& window, const CommandLine& options, QSize laidOut) {
    const QImage picture =
        screenshotPicture(window.Parts(), window.PictureControls(), options.Picture, laidOut, options.Scale);
    const QString reason = writeImageFile(picture, options.ScreenshotFile, options.ScreenshotFormat);
    if (reason.isEmpty()) return 0;
    std::fprintf(stderr, "kyvelo: cannot write %s: %s\n", options.ScreenshotFile.constData(),
                 qPrintable(reason));
    return 1;
}

// The main window is shown from inside the message loop, so the start-up screen's nested loop runs
// within it and a quit from the host while the screen is up ends both. For a screenshot the
// start-up screen is closed at once and the program ends after the picture. The state asked for
// on the command line is applied once the simulation has started.
int run(TApplication& app, TForm1& window, const CommandLine& options, std::optional<MeasuredTrip> trip) {
    int code = 0;
    QTimer::singleShot(0, &window, [&] {
        const bool picture = !options.ScreenshotFile.isEmpty();
        const QSize laidOut = window.size();
        if (picture)
            QTimer::singleShot(0, FrmAbout, [] { FrmAbout->Close(); }); // in the start-up screen's loop
        window.show();
        if (trip) window.Trips()->show(std::move(*trip));
        if (options.StateGiven) window.Study()->apply(options.State);
        if (options.View) window.Zoom()->show(*options.View);
        if (!picture) return;
        code = writeScreenshot(window, options, laidOut);
        app.quit();
    });
    const int loopCode = app.exec();
    return code ? code : loopCode;
}

// The trip of --trip, its times taken from the command line; none where no trip is given or it
// cannot be used, which options' Error then says.
std::optional<MeasuredTrip> readCommandLineTrip(CommandLine& options) {
    if (options.TripFile.isEmpty() || !options.Error.isEmpty()) return std::nullopt;
    auto read = readTripFile(QFile::decodeName(options.TripFile));
    if (const TripReadError* error = std::get_if<TripReadError>(&read)) {
        options.Error = tripReadErrorText(*error);
        return std::nullopt;
    }
    MeasuredTrip& trip = std::get<MeasuredTrip>(read);
    takeTimes(options, trip.timeSpan());
    return std::move(trip);
}

// --export: the trip as a table in the number format of the program's language.
int exportTrip(const MeasuredTrip& trip, const QByteArray& file) {
    const QString text = tripCsvText(trip, decimalSeparatorInProgramLanguage());
    const QString reason = writeFileAtomically(file, text.toUtf8());
    if (reason.isEmpty()) return 0;
    std::fprintf(stderr, "kyvelo: cannot write %s: %s\n", file.constData(), qPrintable(reason));
    return 1;
}

// Text for the terminal; a failure to write it (a full disk) is reported, as exit code 1.
int print(const QString& text, const char* what) {
    if (std::fputs(qPrintable(text), stdout) != EOF && std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "kyvelo: cannot write %s: %s\n", what, qPrintable(systemErrorText(errno)));
    return 1;
}

bool displayAvailable(const QByteArrayList& arguments) {
#ifdef Q_OS_WIN
    Q_UNUSED(arguments);
    return true; // a Windows program always has the desktop of its session
#endif
    if (displayGiven(arguments, [](const char* name) { return qgetenv(name); })) return true;
    std::fputs(qPrintable(noDisplayMessage()), stderr);
    return false;
}

// The windows carry the program's icon; the desktop entry's name ties them to it on Wayland.
std::unique_ptr<TApplication> openApplication(int& argc, char** argv) {
    // Nothing has been built yet that needs tearing down.
    const DisplayFailureGuard guard([](int exitCode) { std::_Exit(exitCode); });
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

QByteArrayList writableImageFormats() {
    QByteArrayList formats = QImageWriter::supportedImageFormats();
    for (QByteArray& format : formats)
        format = format.toLower();
    return formats;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArrayList arguments = rawArguments(argc, argv);
    CommandLine options = parseCommandLine(arguments, writableImageFormats);
    if (options.Help || options.Version)
        return options.Help ? print(usageText(), "the usage text") : print(versionText(), "the version");
    std::optional<MeasuredTrip> trip = readCommandLineTrip(options);
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "kyvelo: %s\n", qPrintable(options.Error));
        return 2;
    }
    if (options.Table || (trip && !options.ExportFile.isEmpty())) {
        const QCoreApplication core(argc, argv); // where the program's language file lies
        const SimulationState& s = options.State.Simulation;
        if (!options.ExportFile.isEmpty()) return exportTrip(*trip, options.ExportFile);
        if (trip) return print(limitTableTextInProgramLanguage(*trip, s.T1), "the table");
        const ProfileTrip profile(static_cast<TripProfile>(s.Profile));
        return print(limitTableTextInProgramLanguage(profile, s.T1), "the table");
    }
    if (!displayAvailable(arguments)) return 1;
    const std::unique_ptr<TApplication> app = openApplication(argc, argv);
    installQtMessageFilter();
    // A logout or Ctrl+C ends the program as its Exit button does: the host is told, the link's
    // files and the single-copy lock go; the exit code says which signal it was.
    const TerminationSignals endSignals([&app](int signalNumber) { app->exit(128 + signalNumber); });
    TkdbCustomDemon::SetSingleCopyCheck(options.ScreenshotFile.isEmpty());
    // Both windows go before the application object; the About dialog before the main window,
    // which shows it.
    std::unique_ptr<TForm1> window;
    std::unique_ptr<TFrmAbout> about;
    try {
        window = std::make_unique<TForm1>();
        // A second start of the program hands its command line over: this copy comes to the front.
        window->cliDemon->SetOnParamsChange([&window](QObject*) { bringToFront(*window); });
        // Qt's own texts (dialogs, menus, buttons) in the language of the file the window read
        window->UseQtTranslations();
        about.reset(FrmAbout = new TFrmAbout); // hidden until the main window's first show
    } catch (const EHandedOver&) {
        return 0; // the copy that runs has come to the front
    } catch (const Exception& e) {
        std::fprintf(stderr, "kyvelo: %s\n", e.what());
        return 1;
    }
    keepHeapForLinkBlocks();
    return run(*app, *window, options, std::move(trip));
}
