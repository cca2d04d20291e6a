#include "app/languagechoice.h"

#include "localisation/rivazidad2000.h"
#include "platform/system/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString nameIn(const QString& path, const QString& code) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return code;
    TRivazidad2000 dictionary{QString()};
    dictionary.LoadFromStream(file);
    const QString name = dictionary.Translate(kLanguageNameKey);
    return name == kLanguageNameKey ? code : name;
}

} // namespace

QList<LanguageEntry> languageEntries(const QList<PackageLanguage>& languages) {
    QList<LanguageEntry> entries;
    for (const PackageLanguage& language : languages)
        entries.append({language.Code, nameIn(language.Path, language.Code), language.Path});
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
