#include "app/programlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

ProgramLanguage programLanguage(const QString& languageName) {
    return languageName.toLower() == QLatin1String("lggerman") ? ProgramLanguage::German
                                                               : ProgramLanguage::English;
}

QTranslator* installQtTranslations(ProgramLanguage language) {
    if (language == ProgramLanguage::English) return nullptr;
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(catalogue))
        return catalogue;
    delete catalogue;
    return nullptr;
}
