// Where the program finds its language file. A copy that runs from its own folder reads the file
// beside it; an installed program has none beside it and takes the user's own file or the
// package's file for the user's language.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct LanguageFileSearch {
    std::function<QByteArray(const char*)> environment; // a variable's value, empty when it is not set
    std::function<bool(const QString&)> exists;         // whether that file is there
    QString dataFolder;                                 // the installation's shared data ("<prefix>/share")
};

// besideProgram is the language file's name beside the program ("/opt/k/kyvelo.itl"); its base
// name ("kyvelo") names the folders below. In this order, the first that exists:
//   besideProgram;
//   $XDG_CONFIG_HOME/kyvelo/kyvelo.itl (a relative or empty XDG_CONFIG_HOME means $HOME/.config);
// otherwise the package's file by the first of LC_ALL, LC_MESSAGES, LANG that is set:
//   <dataFolder>/kyvelo/kyvelo_de.itl when it starts with "de", else <dataFolder>/kyvelo/kyvelo_en.itl.
QString languageFilePath(const QString& besideProgram, const LanguageFileSearch& search);

// The installation's shared data ("<prefix>/share") found from the program's folder the way it is
// installed (<prefix>/bin -> <prefix>/share), so that a prefix moved as a whole, or staged with
// DESTDIR, still finds its files.
QString installedDataFolder(const QString& programFolder);

// The search on this machine: the process environment, the file system and the installed data.
LanguageFileSearch systemLanguageFileSearch(const QString& programFolder);
