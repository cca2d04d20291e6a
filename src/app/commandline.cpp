#include "app/commandline.h"

#include "app/displayfailure.h"
#include "app/profiletrip.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>

namespace {

const QByteArray kScreenshot = "--screenshot";
const QByteArray kProfile = "--profile";
const QByteArray kPoints = "--points";
const QByteArray kPoint = "--point";
const QByteArray kPicture = "--picture";
const QByteArray kScale = "--scale";
const QByteArray kView = "--view";
const QByteArray kTrip = "--trip";
const QByteArray kExport = "--export";

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

// A profile's name as the usage texts write it within a sentence.
QString profileWords(TripProfile profile) {
    return tripProfileName(profile).toLower();
}

QString timeRange(TripSpan span) {
    return QStringLiteral("from %1 to %2 min").arg(span.Start).arg(span.End);
}

// A time in the span; none when the text is no number or lies outside.
std::optional<double> timeOf(const QByteArray& text, TripSpan span) {
    bool ok = false;
    const double t = text.toDouble(&ok);
    if (!ok || !span.contains(t)) return std::nullopt;
    return t;
}

QString badValue(const QByteArray& option, const QString& wanted, const QByteArray& value) {
    return QStringLiteral("%1 needs %2, not \"%3\"")
        .arg(QString::fromLatin1(option), wanted, QString::fromLocal8Bit(value));
}

void takeProfile(CommandLine& result, const QByteArray& value) {
    bool ok = false;
    const int profile = value.toInt(&ok);
    if (!ok || profile < profileIndex(TripProfile::Uniform) ||
        profile > profileIndex(TripProfile::BackAndForth)) {
        setError(result, badValue(kProfile,
                                  QStringLiteral("0, 1 or 2 (%1, %2, %3)")
                                      .arg(profileWords(TripProfile::Uniform),
                                           profileWords(TripProfile::StandardRoad),
                                           profileWords(TripProfile::BackAndForth)),
                                  value));
        return;
    }
    result.State.Simulation.Profile = profile;
}

void takePoints(CommandLine& result, const QByteArray& value, TripSpan span) {
    const QByteArrayList times = value.split(',');
    const std::optional<double> t1 = timeOf(times.value(0), span);
    const std::optional<double> t2 = timeOf(times.value(1), span);
    if (times.size() != 2 || !t1 || !t2) {
        setError(result, badValue(kPoints, QStringLiteral("two times T1,T2 ") + timeRange(span), value));
        return;
    }
    result.State.Simulation.T1 = *t1;
    result.State.Simulation.T2 = *t2;
}

void takePoint(CommandLine& result, const QByteArray& value, TripSpan span) {
    const std::optional<double> t1 = timeOf(value, span);
    if (!t1) {
        setError(result, badValue(kPoint, QStringLiteral("a time ") + timeRange(span), value));
        return;
    }
    result.State.Simulation.T1 = *t1;
}

// The times are taken once the span is known (takeTimes()).
void keepTimes(CommandLine& result, const QByteArray& option, const QByteArray& value) {
    result.TimesOption = option;
    result.TimesValue = value;
}

void takeTrip(CommandLine& result, const QByteArray& value) {
    if (value.isEmpty()) {
        setError(result, QStringLiteral("--trip needs a file name, e.g. --trip commute.csv"));
        return;
    }
    result.TripFile = value;
}

void takeExport(CommandLine& result, const QByteArray& value) {
    if (value.isEmpty()) {
        setError(result, QStringLiteral("--export needs a file name, e.g. --export trip.csv"));
        return;
    }
    result.ExportFile = value;
}

void takePicture(CommandLine& result, const QByteArray& value) {
    if (value == "window" || value == "chart") {
        result.Picture = value == "chart" ? ScreenshotPicture::Chart : ScreenshotPicture::Window;
        return;
    }
    setError(result, badValue(kPicture, QStringLiteral("window or chart"), value));
}

void takeScale(CommandLine& result, const QByteArray& value) {
    bool ok = false;
    const int scale = value.toInt(&ok);
    if (!ok || scale < 1 || scale > kMaxScreenshotScale) {
        setError(
            result,
            badValue(kScale, QStringLiteral("a whole number from 1 to %1").arg(kMaxScreenshotScale), value));
        return;
    }
    result.Scale = scale;
}

void takeView(CommandLine& result, const QByteArray& value, TripSpan span) {
    const ViewOption view = parseViewOption(value, span.Start, span.End);
    if (view.Error.isEmpty())
        result.View = view.Time;
    else
        setError(result, view.Error);
}

// An argument that stands for an option of its own rather than a value: it begins with "-", and
// is no negative number.
bool isOptionLike(const QByteArray& argument) {
    return argument.startsWith('-') &&
           !(argument.size() > 1 && std::isdigit(static_cast<unsigned char>(argument[1])));
}

// The value of option `name` when `arguments[i]` is that option, given as "--name VALUE" (i then
// moves onto the value) or "--name=VALUE"; none for another argument. A missing value reads as
// empty, and so does a following argument that is an option of its own.
std::optional<QByteArray> optionValue(const QByteArrayList& arguments, qsizetype& i, const QByteArray& name) {
    const QByteArray& argument = arguments[i];
    if (argument == name) {
        const bool valueFollows = i + 1 < arguments.size() && !isOptionLike(arguments[i + 1]);
        return valueFollows ? arguments[++i] : QByteArray();
    }
    if (argument.startsWith(name + '=')) return argument.mid(name.size() + 1);
    return std::nullopt;
}

// The options with a value other than --screenshot, each with what reads its value.
struct ValueOption {
    const QByteArray& Name;
    void (*Take)(CommandLine&, const QByteArray&);
    bool SetsState;
};
const ValueOption kValueOptions[] = {
    {kProfile, takeProfile, true},
    {kPoints, [](CommandLine& result, const QByteArray& value) { keepTimes(result, kPoints, value); }, true},
    {kPoint, [](CommandLine& result, const QByteArray& value) { keepTimes(result, kPoint, value); }, true},
    {kTrip, takeTrip, true},
    {kExport, takeExport, false},
    {kPicture, takePicture, false},
    {kScale, takeScale, false},
    {kView, [](CommandLine& result, const QByteArray& value) { result.ViewValue = value; }, false}};

// "--name" followed by another option instead of its value.
bool valueIsAnOption(const QByteArrayList& arguments, qsizetype at, const QByteArray& name) {
    return arguments[at] == name && at + 1 < arguments.size() && isOptionLike(arguments[at + 1]);
}

// Options with a value; true when `arguments[i]` was one.
bool takeValueOption(CommandLine& result, const QByteArrayList& arguments, qsizetype& i,
                     const WritableImageFormats& writableFormats) {
    const qsizetype at = i;
    const auto take = [&](const QByteArray& name, const auto& read) {
        const std::optional<QByteArray> value = optionValue(arguments, i, name);
        if (!value) return false;
        if (valueIsAnOption(arguments, at, name))
            setError(result, QStringLiteral("%1 needs a value, not the option \"%2\"")
                                 .arg(QString::fromLatin1(name), QString::fromLocal8Bit(arguments[at + 1])));
        else
            read(*value);
        return true;
    };
    for (const ValueOption& option : kValueOptions)
        if (take(option.Name, [&](const QByteArray& value) { option.Take(result, value); })) {
            result.StateGiven = result.StateGiven || option.SetsState;
            return true;
        }
    return take(kScreenshot,
                [&](const QByteArray& file) { takeScreenshotFile(result, file, writableFormats); });
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
    {"--hide-values", [](ViewState& state) -> bool& { return state.HideValues; }},
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

// The flags that are no state switch, each with what it sets.
struct Flag {
    const char* Name;
    bool CommandLine::*Field;
};
const Flag kFlags[] = {
    {"--help", &CommandLine::Help}, {"--version", &CommandLine::Version}, {"--table", &CommandLine::Table}};

// True when `argument` was a flag or a state switch.
bool takeFlag(CommandLine& result, const QByteArray& argument) {
    for (const Flag& flag : kFlags)
        if (argument == flag.Name) {
            result.*(flag.Field) = true;
            return true;
        }
    return takeStateSwitch(result, argument);
}

bool isFlag(const QByteArray& name) {
    const auto named = [&](const Flag& flag) { return name == flag.Name; };
    return std::any_of(std::begin(kFlags), std::end(kFlags), named) || stateSwitchOf(name);
}

// Qt's own options, which QApplication takes out of the arguments, and those of them followed by
// a value; each also with two dashes, and those with a value also as "-name=value".
const char* const kQtOptionsWithValue[] = {
    "display",       "geometry", "name",          "platform",        "platformpluginpath",
    "platformtheme", "plugin",   "qmljsdebugger", "qwindowgeometry", "qwindowicon",
    "qwindowtitle",  "session",  "style",         "stylesheet",      "title"};
const char* const kQtSwitches[] = {"dograb", "nograb", "reverse", "sync", "widgetcount"};

// How many arguments from `at` on are one of Qt's options (0: none).
qsizetype qtArgumentCount(const QByteArrayList& arguments, qsizetype at) {
    const QByteArray name = arguments[at].mid(arguments[at].startsWith("--") ? 2 : 1);
    const QByteArray beforeEquals = name.left(name.indexOf('='));
    for (const char* option : kQtOptionsWithValue) {
        if (name == option) return std::min<qsizetype>(2, arguments.size() - at);
        if (beforeEquals != name && beforeEquals == option) return 1;
    }
    for (const char* option : kQtSwitches)
        if (name == option) return 1;
    return 0;
}

// An argument that begins with "-" and was none of the options: a flag with a value, or unknown.
QString unknownArgument(const QByteArray& argument) {
    const QByteArray name = argument.left(argument.indexOf('='));
    if (name != argument && isFlag(name))
        return QStringLiteral("%1 takes no value, not \"%2\"")
            .arg(QString::fromLatin1(name), QString::fromLocal8Bit(argument));
    return QStringLiteral("unknown option \"%1\"; kyvelo --help lists the options")
        .arg(QString::fromLocal8Bit(argument));
}

} // namespace

CommandLine parseCommandLine(const QByteArrayList& arguments, const WritableImageFormats& writableFormats) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (takeFlag(result, argument) || takeValueOption(result, arguments, i, writableFormats) ||
            !argument.startsWith('-'))
            continue;
        if (const qsizetype qt = qtArgumentCount(arguments, i))
            i += qt - 1;
        else
            setError(result, unknownArgument(argument));
    }
    if (result.TripFile.isEmpty()) {
        takeTimes(result, ProfileTrip::span());
    } else {
        const auto isProfile = [](const QByteArray& a) {
            return a == kProfile || a.startsWith(kProfile + '=');
        };
        if (std::any_of(arguments.begin(), arguments.end(), isProfile))
            setError(result, QStringLiteral("--trip and --profile both choose the trip; give one"));
        result.State.Simulation.Profile = kMeasuredTripEntry;
    }
    if (!result.ExportFile.isEmpty() && result.TripFile.isEmpty())
        setError(result, QStringLiteral("--export writes the trip that --trip opens; give --trip FILE"));
    if (!result.ExportFile.isEmpty() && (result.Table || !result.ScreenshotFile.isEmpty()))
        setError(result,
                 QStringLiteral("--export writes the trip and ends; leave out --table and --screenshot"));
    if (result.Table && !result.ScreenshotFile.isEmpty())
        setError(result, QStringLiteral("--table prints the table and ends; leave out --screenshot"));
    const bool pictureOptions = result.Picture != ScreenshotPicture::Window || result.Scale != 1;
    if (pictureOptions && result.ScreenshotFile.isEmpty())
        setError(result, QStringLiteral("--picture and --scale go with --screenshot"));
    return result;
}

void takeTimes(CommandLine& options, TripSpan span) {
    if (options.TimesOption == kPoints) takePoints(options, options.TimesValue, span);
    if (options.TimesOption == kPoint) takePoint(options, options.TimesValue, span);
    if (options.ViewValue) takeView(options, *options.ViewValue, span);
}

QString usageText() {
    return QStringLiteral(
               "Usage: kyvelo [--profile N] [--points T1,T2 | --point T1] [--single] [--velocity-graph]\n"
               "              [--exact] [--limit-table] [--point-labels] [--hide-values] [--view T0,T1]\n"
               "              [--table | --screenshot FILE [--picture window|chart] [--scale N]]\n"
               "              [--trip FILE [--export FILE]]\n"
               "              [--help] [--version]\n"
               "Kyvelo, a teaching simulation about the first derivative: the distance a car has travelled\n"
               "over time, with the secant or tangent through two measuring points and the velocity.\n"
               "\n"
               "  --screenshot FILE, --screenshot=FILE\n"
               "                write a picture of the window as it is at start to FILE, then end;\n"
               "                the format follows the suffix (.png, .jpg, .bmp, ...), PNG without one\n"
               "  --picture window|chart\n"
               "                what --screenshot draws: the whole window (the default), or the chart\n"
               "                with the read-outs, the velocity graph and the limit table where they\n"
               "                are shown, as \"Save picture\" does\n"
               "  --scale N     draw that picture at N times the size, N from 1 to 4 (for print)\n"
               "  --profile N   the trip profile: 0 %5, 1 %6 (the\n"
               "                start's), 2 %7\n"
               "  --points T1,T2\n"
               "                the measuring points at T1 and T2 min, from %1 to %2 (start: %3,%4)\n"
               "  --point T1    measuring point 1 at T1 min, from %1 to %2\n"
               "                (with --trip: within the trip's time span)\n"
               "  --trip FILE   a measured trip instead of a profile: a CSV or text table of time\n"
               "                and distance, or a GPX track; with --table, --screenshot and the\n"
               "                options above it shows that trip\n"
               "  --export FILE write the trip of --trip as CSV (time in min, distance in km,\n"
               "                smoothed velocity in km/h) to FILE, then end\n"
               "  --single      single-point measurement: the tangent at point 1\n"
               "  --velocity-graph\n"
               "                show the velocity graph under the chart\n"
               "  --exact       show the velocity graph with the exact curve v(t)\n"
               "  --limit-table show the limit table of point 1 beside the chart\n"
               "  --point-labels\n"
               "                label the measuring points with their time and distance\n"
               "  --hide-values leave the read-outs, the limit table's numbers and the point labels\n"
               "                blank, for sheets on which the values are predicted first\n"
               "  --view T0,T1  zoom the chart in to the time from T0 to T1 min (at least 0.01 min)\n"
               "  --table       print the limit table of point 1 as tab-separated text, then end\n"
               "  --help        show this text and end\n"
               "  --version     show the version and end\n"
               "Arguments that begin with / are left to the link with the host textbook\n"
               "(/serverhandle=...), Qt's own options (-platform, -display, -style, ...) to Qt; any\n"
               "other argument that begins with - and is not an option above is refused.\n"
               "\n")
               .arg(ProfileTrip::span().Start)
               .arg(ProfileTrip::span().End)
               .arg(SimulationState{}.T1)
               .arg(SimulationState{}.T2)
               .arg(profileWords(TripProfile::Uniform), profileWords(TripProfile::StandardRoad),
                    profileWords(TripProfile::BackAndForth)) +
           withoutDisplayAdvice();
}

QString versionText() {
    return QStringLiteral("kyvelo " KYVELO_VERSION "\n");
}
