// The collected language file that the dictionary writes when it is destroyed with its collect flag
// set: the lines collected for missing keys, then every loaded entry, each line ended by CR LF.
#pragma once

#include "localisation/languagefileencoding.h"

#include <QString>
#include <QStringList>

// The file's bytes, in the encoding of the language file the entries came from.
QByteArray collectedFileContent(const QStringList& collected, const QStringList& keys,
                                const QStringList& values, LanguageFileEncoding encoding);

// Replaces the file as a whole (a failed write leaves the old one as it was; a symbolic link or
// anything but a regular file at path is refused); returns an empty text on success, otherwise why
// it failed.
QString writeCollectedFile(const QString& path, const QByteArray& content);

// Tells the user about a failure: in a message box when a visible GUI runs, otherwise on stderr.
void reportCollectedFileError(const QString& message);
