#include "app/languagechoice.h"

#include "localisation/languagefileread.h"
#include "localisation/rivazidad2000.h"
#include "platform/system/regularfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Read as the loader reads it; none for a file the loader would refuse.
std::optional<QString> nameIn(const QString& path, const QString& code) {
    std::optional<QByteArray> bytes = readLanguageFileBytes(path);
    if (!bytes) return std::nullopt;
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    TRivazidad2000 dictionary{QString()};
    dictionary.LoadFromStream(buffer);
    const QString name = dictionary.Translate(kLanguageNameKey);
    return name == kLanguageNameKey ? code : name;
}

} // namespace

QList<LanguageEntry> languageEntries(const QList<PackageLanguage>& languages) {
    QList<LanguageEntry> entries;
    for (const PackageLanguage& language : languages)
        if (const std::optional<QString> name = nameIn(language.Path, language.Code))
            entries.append({language.Code, *name, language.Path});
    return entries;
}

QString storeLanguageChoice(const QString& choicePath, const QString& code) {
    if (choicePath.isEmpty()) return QStringLiteral("there is no configuration folder (HOME is not set)");
    const QString folder = QFileInfo(choicePath).path();
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder %1 cannot be made").arg(folder);
    return writeFileAtomically(QFile::encodeName(choicePath), code.toUtf8() + '\n');
}

QString forgetLanguageChoice(const QString& choicePath) {
    QFile choice(choicePath);
    if (choicePath.isEmpty() || !choice.exists() || choice.remove()) return {};
    return choice.errorString();
}
