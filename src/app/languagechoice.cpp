#include "app/languagechoice.h"

#include "localisation/rivazidad2000.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString nameIn(const QString& path, const QString& code) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return code;
    TRivazidad2000 dictionary{QString()};
    dictionary.LoadFromStream(file);
    const QString name = dictionary.Translate(kLanguageNameKey);
    return name == kLanguageNameKey ? code : name;
}

// The options that set up the simulation, each with the number of values that follow it.
struct StateOption {
    QByteArray Name;
    int Values;
};
const StateOption kStateOptions[] = {{"--profile", 1}, {"--points", 1}, {"--single", 0}};

// How many arguments from here on belong to a state option (0: none).
qsizetype stateOptionLength(const QByteArrayList& arguments, qsizetype at) {
    for (const StateOption& option : kStateOptions) {
        if (arguments[at] == option.Name) return 1 + option.Values;
        if (option.Values > 0 && arguments[at].startsWith(option.Name + '=')) return 1;
    }
    return 0;
}

QByteArray number(double value) {
    return QByteArray::number(value, 'g', 17);
}

} // namespace

QList<LanguageEntry> languageEntries(const QList<PackageLanguage>& languages) {
    QList<LanguageEntry> entries;
    for (const PackageLanguage& language : languages)
        entries.append({language.Code, nameIn(language.Path, language.Code), language.Path});
    return entries;
}

QString storeLanguageChoice(const QString& choicePath, const QString& code) {
    if (choicePath.isEmpty()) return QStringLiteral("there is no configuration folder (HOME is not set)");
    const QString folder = QFileInfo(choicePath).path();
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder %1 cannot be made").arg(folder);
    QSaveFile file(choicePath);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(code.toUtf8() + '\n');
    return file.commit() ? QString() : file.errorString();
}

QByteArrayList restartArguments(const QByteArrayList& arguments, const SimulationState& state) {
    QByteArrayList result;
    for (qsizetype i = 0; i < arguments.size();) {
        const qsizetype length = stateOptionLength(arguments, i);
        if (length == 0) result << arguments[i];
        i += std::max<qsizetype>(length, 1);
    }
    result << "--profile" << QByteArray::number(state.Profile) << "--points"
           << number(state.Time1) + ',' + number(state.Time2);
    if (state.Single) result << "--single";
    return result;
}
