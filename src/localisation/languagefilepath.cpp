#include "localisation/languagefilepath.h"

#include "localisation/languagefilename.h"
#include "platform/system/configfolder.h"
#include "platform/system/localevariables.h"
#include "platform/system/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// A choice is a short code; anything longer is no choice.
constexpr qint64 kMaxChoiceSize = 256;

std::optional<LanguageFiles> gReplacedFiles;

QString configFolder(const LanguageFileSearch& search) {
    return userConfigFolder(search.Environment);
}

QByteArray messagesLocale(const LanguageFileSearch& search) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = search.Environment(name); !value.isEmpty()) return value;
    return {};
}

// "el_GR.UTF-8" -> "el"; "C" -> "C".
QString localeLanguage(const LanguageFileSearch& search) {
    const QByteArray locale = messagesLocale(search);
    qsizetype end = 0;
    while (end < locale.size() && !QByteArrayView("_.@").contains(locale[end]))
        ++end;
    return QString::fromLatin1(locale.left(end));
}

// A language code is a plain name: it becomes part of a file name. (Checked by hand: a regular
// expression would page in Qt's expression compiler at every start.)
bool isLanguageCode(const QString& code) {
    const auto plain = [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'-';
    };
    return !code.isEmpty() && code.size() <= 32 && std::all_of(code.begin(), code.end(), plain);
}

QString programName(const QString& besideProgram) {
    return QFileInfo(besideProgram).completeBaseName();
}

QString packageFolder(const QString& besideProgram, const LanguageFileSearch& search) {
    return QStringLiteral("%1/%2").arg(search.DataFolder, programName(besideProgram));
}

QString packageFileName(const QString& besideProgram, const QString& code) {
    return QStringLiteral("%1_%2").arg(programName(besideProgram), code) + kLanguageFileSuffix;
}

QString packagePath(const QString& besideProgram, const LanguageFileSearch& search, const QString& code) {
    return packageFolder(besideProgram, search) + QLatin1Char('/') + packageFileName(besideProgram, code);
}

// The package's file for a language; empty when the code is none or the package lacks its file.
QString packageFile(const QString& besideProgram, const LanguageFileSearch& search, const QString& code) {
    if (!isLanguageCode(code)) return {};
    const QString path = packagePath(besideProgram, search, code);
    return search.Exists(path) ? path : QString();
}

QString chosenLanguage(const QString& besideProgram, const LanguageFileSearch& search) {
    const QString choice = languageChoicePath(besideProgram, search);
    return choice.isEmpty() ? QString() : QString::fromUtf8(search.Read(choice).trimmed());
}

} // namespace

QString ownLanguageFile(const QString& besideProgram, const LanguageFileSearch& search) {
    const QString folder = configFolder(search);
    if (folder.isEmpty()) return {};
    const QString own =
        QStringLiteral("%1/%2/%2").arg(folder, programName(besideProgram)) + kLanguageFileSuffix;
    return search.Exists(own) ? own : QString();
}

QStringList languageFileCandidates(const QString& besideProgram, const LanguageFileSearch& search) {
    QStringList candidates = {packageFile(besideProgram, search, chosenLanguage(besideProgram, search)),
                              search.Exists(besideProgram) ? besideProgram : QString(),
                              ownLanguageFile(besideProgram, search),
                              packageFile(besideProgram, search, localeLanguage(search)),
                              packageFile(besideProgram, search, QStringLiteral("en"))};
    candidates.removeAll(QString());
    candidates.removeDuplicates();
    return candidates;
}

QString languageFilePath(const QString& besideProgram, const LanguageFileSearch& search) {
    const QStringList candidates = languageFileCandidates(besideProgram, search);
    return candidates.isEmpty() ? packagePath(besideProgram, search, QStringLiteral("en"))
                                : candidates.first();
}

QString languageChoicePath(const QString& besideProgram, const LanguageFileSearch& search) {
    const QString folder = configFolder(search);
    return folder.isEmpty() ? QString()
                            : QStringLiteral("%1/%2/language").arg(folder, programName(besideProgram));
}

QList<PackageLanguage> packageLanguages(const QString& besideProgram, const LanguageFileSearch& search) {
    QStringList codes;
    for (const QString& name : search.List(packageFolder(besideProgram, search))) {
        const qsizetype start = programName(besideProgram).size() + 1;
        // between "kyvelo_" and the suffix
        const QString code = name.mid(start, name.size() - start - kLanguageFileSuffix.size());
        if (isLanguageCode(code) && name == packageFileName(besideProgram, code)) codes << code;
    }
    codes.sort();
    QList<PackageLanguage> languages;
    for (const QString& code : codes)
        languages.append({code, packagePath(besideProgram, search, code)});
    return languages;
}

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/" KYVELO_DATA_FROM_PROGRAM));
}

LanguageFileSearch systemLanguageFileSearch(const QString& programFolder) {
    return {[](const char* name) { return localeVariable(name); },
            [](const QString& file) { return QFileInfo(file).isFile(); },
            [](const QString& file) {
                return readRegularFile(QFile::encodeName(file), kMaxChoiceSize, SymbolicLinks::Follow)
                    .value_or(QByteArray());
            },
            [](const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); },
            installedDataFolder(programFolder)};
}

LanguageFiles systemLanguageFiles(const QString& programFile) {
    return {languageFileName(programFile), systemLanguageFileSearch(QFileInfo(programFile).path())};
}

LanguageFiles programLanguageFiles() {
    return gReplacedFiles ? *gReplacedFiles : systemLanguageFiles(QCoreApplication::applicationFilePath());
}

void setProgramLanguageFiles(std::optional<LanguageFiles> files) {
    gReplacedFiles = std::move(files);
}
