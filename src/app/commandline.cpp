#include "app/commandline.h"

#include "app/displayfailure.h"

#include <QFile>

namespace {

const QByteArray kScreenshot = "--screenshot";

// The suffix after the last dot of the file's own name (not of a folder), in lower case.
QByteArray suffixOf(const QByteArray& fileName) {
    const QByteArray name = fileName.mid(fileName.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot < 0 ? QByteArray() : name.mid(dot + 1).toLower();
}

QString formatError(const QByteArray& fileName, const QByteArray& suffix, const QByteArrayList& writable) {
    return QStringLiteral(
               "cannot write %1: \"%2\" is not an image format that can be written; use one of: %3")
        .arg(QFile::decodeName(fileName), QString::fromLatin1(suffix),
             QString::fromLatin1(writable.join(", ")));
}

// The first error is the one reported; --help and --version after it still count.
void setError(CommandLine& result, const QString& error) {
    if (result.error.isEmpty()) result.error = error;
}

void takeScreenshotFile(CommandLine& result, const QByteArray& fileName,
                        const WritableImageFormats& writableFormats) {
    if (fileName.isEmpty()) {
        setError(result, QStringLiteral("--screenshot needs a file name, e.g. --screenshot kyvelo.png"));
        return;
    }
    const QByteArray suffix = suffixOf(fileName);
    if (!suffix.isEmpty()) {
        const QByteArrayList writable = writableFormats();
        if (!writable.contains(suffix)) {
            setError(result, formatError(fileName, suffix, writable));
            return;
        }
    }
    result.screenshotFile = fileName;
    result.screenshotFormat = suffix.isEmpty() ? QByteArray("png") : suffix;
}

} // namespace

CommandLine parseCommandLine(const QByteArrayList& arguments, const WritableImageFormats& writableFormats) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (argument == "--help")
            result.help = true;
        else if (argument == "--version")
            result.version = true;
        else if (argument == kScreenshot)
            takeScreenshotFile(result, i + 1 < arguments.size() ? arguments[++i] : QByteArray(),
                               writableFormats);
        else if (argument.startsWith(kScreenshot + '='))
            takeScreenshotFile(result, argument.mid(kScreenshot.size() + 1), writableFormats);
    }
    return result;
}

QString usageText() {
    return QStringLiteral(
               "Usage: kyvelo [--screenshot FILE] [--help] [--version]\n"
               "Kyvelo, a teaching simulation about the first derivative: the distance a car has travelled\n"
               "over time, with the secant or tangent through two measuring points and the velocity.\n"
               "\n"
               "  --screenshot FILE, --screenshot=FILE\n"
               "                write a picture of the window as it is at start to FILE, then end;\n"
               "                the format follows the suffix (.png, .jpg, .bmp, ...), PNG without one\n"
               "  --help        show this text and end\n"
               "  --version     show the version and end\n"
               "Other arguments are left to the link with the host textbook (/serverhandle=...).\n"
               "\n") +
           withoutDisplayAdvice();
}

QString versionText() {
    return QStringLiteral("kyvelo " KYVELO_VERSION "\n");
}
