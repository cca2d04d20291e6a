// Where the program finds its language file. A language chosen inside the program comes first; a
// copy that runs from its own folder reads the file beside it; an installed program has none beside
// it and takes the user's own file or the package's file for the user's language.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct LanguageFileSearch {
    std::function<QByteArray(const char*)> Environment; // a variable's value, empty when it is not set
    std::function<bool(const QString&)> Exists;         // whether that file is there
    std::function<QByteArray(const QString&)> Read;     // a small regular file's content, else none
    std::function<QStringList(const QString&)> List;    // the names of the files in a folder
    QString DataFolder;                                 // the installation's shared data ("<prefix>/share")
};

// besideProgram is the language file's name beside the program ("/opt/k/kyvelo.itl"); its base
// name ("kyvelo") names the folders and files below. In this order, the first that exists:
//   the package's file for the language chosen inside the program (languageChoicePath());
//   besideProgram;
//   <config>/kyvelo/kyvelo.itl, the user's own file, where <config> is userConfigFolder() ($XDG_CONFIG_HOME
//   or $HOME/.config; %APPDATA% on Windows);
//   the package's file <DataFolder>/kyvelo/kyvelo_<language>.itl for the language of the locale, the
//   letters before "_", "." or "@" of the first of LC_ALL, LC_MESSAGES, LANG that is set ("el_GR.UTF-8"
//   gives "el"; on Windows LANG stands for the user's locale when it is not set, localevariables.h);
// otherwise the package's English file <DataFolder>/kyvelo/kyvelo_en.itl.
QString languageFilePath(const QString& besideProgram, const LanguageFileSearch& search);
// Every file of that order that exists, the package's English one last, each once; a file that
// cannot be read is passed over for the next (languagefileread.h).
QStringList languageFileCandidates(const QString& besideProgram, const LanguageFileSearch& search);

// The file that holds the language chosen inside the program: <config>/kyvelo/language, its code
// ("el") on one line. Empty when there is no configuration folder. A code of anything but letters,
// digits and "_" or "-", or one whose file the package lacks, counts as no choice.
QString languageChoicePath(const QString& besideProgram, const LanguageFileSearch& search);

// The user's own file, <config>/kyvelo/kyvelo.itl (a class's file), when it is there; else empty.
QString ownLanguageFile(const QString& besideProgram, const LanguageFileSearch& search);

struct PackageLanguage {
    QString Code; // "el"
    QString Path; // "<DataFolder>/kyvelo/kyvelo_el.itl"
};

// The package's language files, by code.
QList<PackageLanguage> packageLanguages(const QString& besideProgram, const LanguageFileSearch& search);

// The installation's shared data ("<prefix>/share") found from the program's folder the way it is
// installed (<prefix>/bin -> <prefix>/share), so that a prefix moved as a whole, or staged with
// DESTDIR, still finds its files.
QString installedDataFolder(const QString& programFolder);

// The search on this machine: the process environment, the file system and the installed data.
LanguageFileSearch systemLanguageFileSearch(const QString& programFolder);

// Where a program finds its language files: the file beside it and the search for the others.
struct LanguageFiles {
    QString BesideProgram; // languageFileName() of the program's file
    LanguageFileSearch Search;
};

// The language files of the program at programFile ("/opt/k/bin/kyvelo") on this machine.
LanguageFiles systemLanguageFiles(const QString& programFile);

// The language files of this process: the running program's (systemLanguageFiles() of its file)
// unless replaced.
LanguageFiles programLanguageFiles();
// Replaces them for this process, so that a test reads and writes language files in a folder of
// its own; none restores the running program's.
void setProgramLanguageFiles(std::optional<LanguageFiles> files);
