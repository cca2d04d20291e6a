// The language file's name: the program's file name with the extension ".itl".
#pragma once

#include <QString>

// The extension of every language file.
inline const QString kLanguageFileSuffix = QStringLiteral(".itl");

// The name or path with the extension of its file name replaced by ".itl", or ".itl" added when the
// file name has none ("/opt/kyvelo" -> "/opt/kyvelo.itl", "kyvelo.sh" -> "kyvelo.itl"). A dot that
// begins the file name or lies in a folder name starts no extension.
QString languageFileName(const QString& programFile);
