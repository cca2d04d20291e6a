// The languages a user can choose inside the program: the package's language files, each named in
// its own language by its "$languagename$" entry, and the choice stored for this and later starts.
#pragma once

#include "localisation/languagefilepath.h"

#include <QList>
#include <QString>

// The entry of a language file that names its language in that language ("Ελληνικά").
inline const QString kLanguageNameKey = QStringLiteral("$languagename$");

struct LanguageEntry {
    QString Code; // "el"
    QString Name; // "Ελληνικά"; the code when the file names no language
    QString Path;
};

// Reads the name of each language from its file; a file the loader would refuse (languagefileread.h)
// is left out.
QList<LanguageEntry> languageEntries(const QList<PackageLanguage>& languages);

// Removes the choice file, so that the language is found as if none had been chosen. Returns an
// empty text on success (also when there was no choice), otherwise why it failed.
QString forgetLanguageChoice(const QString& choicePath);

// Writes the code to the choice file (languageChoicePath()), making its folder. Returns an empty
// text on success, otherwise why it failed.
QString storeLanguageChoice(const QString& choicePath, const QString& code);
