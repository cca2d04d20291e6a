#include "app/commandline.h"

#include "app/displayfailure.h"
#include "app/tripmodel.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace {

const QByteArray kScreenshot = "--screenshot";
const QByteArray kProfile = "--profile";
const QByteArray kPoints = "--points";
const QByteArray kPoint = "--point";

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
    if (result.Error.isEmpty()) result.Error = error;
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
    result.ScreenshotFile = fileName;
    result.ScreenshotFormat = suffix.isEmpty() ? QByteArray("png") : suffix;
}

QString timeRange() {
    return QStringLiteral("from 0 to %1 min").arg(kTripEnd);
}

// A time on the axis; none when the text is no number or lies outside.
std::optional<double> timeOf(const QByteArray& text) {
    bool ok = false;
    const double t = text.toDouble(&ok);
    if (!ok || !(t >= 0 && t <= kTripEnd)) return std::nullopt;
    return t;
}

QString badValue(const QByteArray& option, const QString& wanted, const QByteArray& value) {
    return QStringLiteral("%1 needs %2, not \"%3\"")
        .arg(QString::fromLatin1(option), wanted, QString::fromLocal8Bit(value));
}

void takeProfile(CommandLine& result, const QByteArray& value) {
    bool ok = false;
    const int profile = value.toInt(&ok);
    if (!ok || profile < profileIndex(TripProfile::Uniform) || profile > profileIndex(TripProfile::BackAndForth)) {
        setError(result, badValue(kProfile,
                                  QStringLiteral("0, 1 or 2 (uniform movement, standard road situation, "
                                                 "back and forth)"),
                                  value));
        return;
    }
    result.State.Simulation.Profile = profile;
}

void takePoints(CommandLine& result, const QByteArray& value) {
    const QByteArrayList times = value.split(',');
    const std::optional<double> t1 = timeOf(times.value(0));
    const std::optional<double> t2 = timeOf(times.value(1));
    if (times.size() != 2 || !t1 || !t2) {
        setError(result, badValue(kPoints, QStringLiteral("two times T1,T2 ") + timeRange(), value));
        return;
    }
    result.State.Simulation.T1 = *t1;
    result.State.Simulation.T2 = *t2;
}

void takePoint(CommandLine& result, const QByteArray& value) {
    const std::optional<double> t1 = timeOf(value);
    if (!t1) {
        setError(result, badValue(kPoint, QStringLiteral("a time ") + timeRange(), value));
        return;
    }
    result.State.Simulation.T1 = *t1;
}

// The value of option `name` when `arguments[i]` is that option, given as "--name VALUE" (i then
// moves onto the value; a missing one reads as empty) or "--name=VALUE"; none for another argument.
std::optional<QByteArray> optionValue(const QByteArrayList& arguments, qsizetype& i, const QByteArray& name) {
    const QByteArray& argument = arguments[i];
    if (argument == name) return i + 1 < arguments.size() ? arguments[++i] : QByteArray();
    if (argument.startsWith(name + '=')) return argument.mid(name.size() + 1);
    return std::nullopt;
}

// The options with a value that set a state, each with what reads its value.
struct StateOption {
    const QByteArray& Name;
    void (*Take)(CommandLine&, const QByteArray&);
};
const StateOption kStateOptions[] = {{kProfile, takeProfile}, {kPoints, takePoints}, {kPoint, takePoint}};

// Options with a value; true when `arguments[i]` was one.
bool takeValueOption(CommandLine& result, const QByteArrayList& arguments, qsizetype& i,
                     const WritableImageFormats& writableFormats) {
    for (const StateOption& option : kStateOptions)
        if (const std::optional<QByteArray> value = optionValue(arguments, i, option.Name)) {
            option.Take(result, *value);
            result.StateGiven = true;
            return true;
        }
    const std::optional<QByteArray> file = optionValue(arguments, i, kScreenshot);
    if (file) takeScreenshotFile(result, *file, writableFormats);
    return file.has_value();
}

// The switches that change the state shown, each with the part of the state it sets.
struct StateSwitch {
    const char* Name;
    bool& (*Flag)(ViewState&);
};
const StateSwitch kStateSwitches[] = {
    {"--single", [](ViewState& state) -> bool& { return state.Simulation.SinglePoint; }},
    {"--velocity-graph", [](ViewState& state) -> bool& { return state.VelocityGraph; }},
    {"--exact", [](ViewState& state) -> bool& { return state.ExactCurve; }},
    {"--limit-table", [](ViewState& state) -> bool& { return state.LimitTable; }},
    {"--point-labels", [](ViewState& state) -> bool& { return state.PointLabels; }},
};

const StateSwitch* stateSwitchOf(const QByteArray& argument) {
    for (const StateSwitch& stateSwitch : kStateSwitches)
        if (argument == stateSwitch.Name) return &stateSwitch;
    return nullptr;
}

// True when `argument` was a state switch.
bool takeStateSwitch(CommandLine& result, const QByteArray& argument) {
    const StateSwitch* stateSwitch = stateSwitchOf(argument);
    if (!stateSwitch) return false;
    stateSwitch->Flag(result.State) = true;
    result.StateGiven = true;
    return true;
}

// How many arguments from `at` on give a state: an option with its value, or a switch (0: none).
qsizetype stateArgumentCount(const QByteArrayList& arguments, qsizetype at) {
    for (const StateOption& option : kStateOptions) {
        qsizetype last = at;
        if (optionValue(arguments, last, option.Name)) return last - at + 1;
    }
    return stateSwitchOf(arguments[at]) ? 1 : 0;
}

// All the digits a time needs to be read back as the same number.
QByteArray exactTime(double t) {
    return QByteArray::number(t, 'g', 17);
}

} // namespace

CommandLine parseCommandLine(const QByteArrayList& arguments, const WritableImageFormats& writableFormats) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (argument == "--help")
            result.Help = true;
        else if (argument == "--version")
            result.Version = true;
        else if (argument == "--table")
            result.Table = true;
        else if (!takeStateSwitch(result, argument))
            takeValueOption(result, arguments, i, writableFormats);
    }
    if (result.Table && !result.ScreenshotFile.isEmpty())
        setError(result, QStringLiteral("--table prints the table and ends; leave out --screenshot"));
    return result;
}

QString usageText() {
    return QStringLiteral(
               "Usage: kyvelo [--profile N] [--points T1,T2 | --point T1] [--single] [--velocity-graph]\n"
               "              [--exact] [--limit-table] [--point-labels] [--screenshot FILE | --table]\n"
               "              [--help] [--version]\n"
               "Kyvelo, a teaching simulation about the first derivative: the distance a car has travelled\n"
               "over time, with the secant or tangent through two measuring points and the velocity.\n"
               "\n"
               "  --screenshot FILE, --screenshot=FILE\n"
               "                write a picture of the window as it is at start to FILE, then end;\n"
               "                the format follows the suffix (.png, .jpg, .bmp, ...), PNG without one\n"
               "  --profile N   the trip profile: 0 uniform movement, 1 standard road situation (the\n"
               "                start's), 2 back and forth\n"
               "  --points T1,T2\n"
               "                the measuring points at T1 and T2 min, from 0 to 133 (start: 50,110)\n"
               "  --point T1    measuring point 1 at T1 min, from 0 to 133\n"
               "  --single      single-point measurement: the tangent at point 1\n"
               "  --velocity-graph\n"
               "                show the velocity graph under the chart\n"
               "  --exact       show the velocity graph with the exact curve v(t)\n"
               "  --limit-table show the limit table of point 1 beside the chart\n"
               "  --point-labels\n"
               "                label the measuring points with their time and distance\n"
               "  --table       print the limit table of point 1 as tab-separated text, then end\n"
               "  --help        show this text and end\n"
               "  --version     show the version and end\n"
               "Other arguments are left to the link with the host textbook (/serverhandle=...).\n"
               "\n") +
           withoutDisplayAdvice();
}

QString versionText() {
    return QStringLiteral("kyvelo " KYVELO_VERSION "\n");
}

QByteArrayList restartArguments(const QByteArrayList& arguments, const ViewState& state) {
    QByteArrayList result;
    for (qsizetype i = 0; i < arguments.size();) {
        const qsizetype count = stateArgumentCount(arguments, i);
        if (count == 0) result << arguments[i];
        i += std::max<qsizetype>(count, 1);
    }
    const SimulationState& simulation = state.Simulation;
    result << kProfile << QByteArray::number(simulation.Profile) << kPoints
           << exactTime(simulation.T1) + ',' + exactTime(simulation.T2);
    ViewState copy = state;
    for (const StateSwitch& stateSwitch : kStateSwitches)
        if (stateSwitch.Flag(copy)) result << stateSwitch.Name;
    return result;
}
