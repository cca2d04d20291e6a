#include "localisation/rivazidad2000.h"

#include "localisation/collectedfile.h"
#include "localisation/languagefile.h"
#include "localisation/languagefilename.h"
#include "localisation/textrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString substituteArguments(QString text, const QStringList& arguments) {
    for (qsizetype j = 1; j <= arguments.size(); ++j)
        text = replaceAll(text, QStringLiteral("<%") + QString::number(j) + QStringLiteral("%>"),
                          arguments[j - 1], true);
    return text;
}

} // namespace

TRivazidad2000::TRivazidad2000(const QString& AppName) : FPrefix(QStringLiteral("BF_")), FAppName(AppName) {}

TRivazidad2000::~TRivazidad2000() {
    if (FCollect) writeCollected();
}

void TRivazidad2000::LoadFromStream(QIODevice& stream) {
    LanguageEntries entries = readLanguageFile(stream, FAppName);
    FKeys = std::move(entries.Keys);
    FValues = std::move(entries.Values);
    FEncoding = entries.Encoding;
}

QString TRivazidad2000::Translate(const QString& key, const QStringList& arguments) {
    const qsizetype index = FKeys.indexOf(asciiLower(key));
    if (index < 0) {
        if (FCollect) collectMissing(key);
        return substituteArguments(key, arguments);
    }
    QString text = substituteArguments(FValues[index], arguments);
    if (FOnTranslated) FOnTranslated(this, key, text);
    return text;
}

void TRivazidad2000::collectMissing(const QString& key) {
    const QString line = languageFileLine(key, key);
    for (const QString& collected : FCollected)
        if (collected.compare(line, Qt::CaseInsensitive) == 0) return;
    FCollected.append(line);
}

void TRivazidad2000::writeCollected() {
    const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString path = QDir::current().filePath(languageFileName(programFile));
    const QString error =
        writeCollectedFile(path, collectedFileContent(FCollected, FKeys, FValues, FEncoding));
    if (!error.isEmpty())
        reportCollectedFileError(
            QStringLiteral("The language file \"%1\" could not be written: %2").arg(path, error));
}
