#include "app/programlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <algorithm>
#include <array>

namespace {

struct KnownLanguage {
    ProgramLanguage Language;
    QLatin1StringView Name; // the "$dlglanguage$" value, in lower case
    QLatin1StringView Code; // the code of Qt's catalogue
};

constexpr std::array<KnownLanguage, 7> kLanguages = {{
    {ProgramLanguage::English, QLatin1StringView("lgenglish"), QLatin1StringView("en")},
    {ProgramLanguage::German, QLatin1StringView("lggerman"), QLatin1StringView("de")},
    {ProgramLanguage::French, QLatin1StringView("lgfrench"), QLatin1StringView("fr")},
    {ProgramLanguage::Spanish, QLatin1StringView("lgspanish"), QLatin1StringView("es")},
    {ProgramLanguage::Italian, QLatin1StringView("lgitalian"), QLatin1StringView("it")},
    {ProgramLanguage::Polish, QLatin1StringView("lgpolish"), QLatin1StringView("pl")},
    {ProgramLanguage::Greek, QLatin1StringView("lggreek"), QLatin1StringView("el")},
}};

} // namespace

ProgramLanguage programLanguage(const QString& languageName) {
    const QString name = languageName.toLower();
    const auto* known = std::find_if(kLanguages.begin(), kLanguages.end(),
                                     [&](const KnownLanguage& language) { return language.Name == name; });
    return known == kLanguages.end() ? ProgramLanguage::English : known->Language;
}

QTranslator* installQtTranslations(ProgramLanguage language) {
    static QPointer<QTranslator> installed; // the application's one catalogue of Qt's texts
    delete installed;                       // its destructor removes it from the application
    if (language == ProgramLanguage::English) return nullptr;
    const QLatin1StringView code =
        std::find_if(kLanguages.begin(), kLanguages.end(), [&](const KnownLanguage& known) {
            return known.Language == language;
        })->Code;
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(catalogue))
        return installed = catalogue;
    delete catalogue;
    return nullptr;
}
