#include "localisation/programlanguagefile.h"

#include "localisation/languagefilepath.h"
#include "localisation/rivazidad2000.h"
#include "platform/system/regularfile.h"

#include <QBuffer>
#include <QFile>

namespace {

// A thousand times the size of the program's own language files.
constexpr qint64 kMaxLanguageFileSize = 4 << 20;

} // namespace

void loadProgramLanguageFile(TRivazidad2000& dictionary) {
    const LanguageFiles files = programLanguageFiles();
    const QString path = languageFilePath(files.BesideProgram, files.Search);
    std::optional<QByteArray> bytes =
        readRegularFile(QFile::encodeName(path), kMaxLanguageFileSize, SymbolicLinks::Follow);
    if (!bytes) return;
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}
