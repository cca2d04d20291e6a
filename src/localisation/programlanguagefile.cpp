#include "localisation/programlanguagefile.h"

#include "localisation/languagefilepath.h"
#include "localisation/languagefileread.h"
#include "localisation/rivazidad2000.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdio>

void loadProgramLanguageFile(TRivazidad2000& dictionary) {
    const LanguageFiles files = programLanguageFiles();
    std::optional<FoundLanguageFile> found = readFirstLanguageFile(
        languageFileCandidates(files.BesideProgram, files.Search),
        [](const QString& path, const QString& why) {
            std::fprintf(stderr, "%s: the language file %s is passed over: %s\n",
                         qPrintable(QCoreApplication::applicationName()), qPrintable(path), qPrintable(why));
        });
    if (!found) return;
    QBuffer buffer(&found->Bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}
