#include "app/programlanguage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <memory>
#include <utility>

TEST(ProgramLanguage, EachByItsNameInAnyCaseEnglishOtherwise) {
    const std::pair<const char*, ProgramLanguage> cases[] = {
        {"LGGerman", ProgramLanguage::German},   {"lggerman", ProgramLanguage::German},
        {"LGGERMAN", ProgramLanguage::German},   {"LGFrench", ProgramLanguage::French},
        {"lgSpanish", ProgramLanguage::Spanish}, {"LGItalian", ProgramLanguage::Italian},
        {"LGPolish", ProgramLanguage::Polish},   {"LGGREEK", ProgramLanguage::Greek},
        {"LGEnglish", ProgramLanguage::English}, {"$dlglanguage$", ProgramLanguage::English},
        {"", ProgramLanguage::English},          {"lggerman ", ProgramLanguage::English},
        {"greek", ProgramLanguage::English},
    };
    for (const auto& [name, language] : cases)
        EXPECT_EQ(programLanguage(QLatin1String(name)), language) << name;
}

// The pane's link menu and the message boxes' buttons, as Qt names them.
TEST(ProgramLanguage, QtsOwnTextsFollowTheLanguage) {
    const auto copyLink = [] {
        return QCoreApplication::translate("QWidgetTextControl", "Copy &Link Location");
    };
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(installQtTranslations(ProgramLanguage::English), nullptr);
    EXPECT_EQ(copyLink(), QStringLiteral("Copy &Link Location"));

    std::unique_ptr<QTranslator> german(installQtTranslations(ProgramLanguage::German));
    ASSERT_NE(german, nullptr) << "Qt's German catalogue is missing (qt6-translations-l10n)";
    EXPECT_EQ(copyLink(), QStringLiteral("&Link-Adresse kopieren"));
    EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
    german.reset(); // the catalogue installed last speaks first

    const std::unique_ptr<QTranslator> polish(installQtTranslations(ProgramLanguage::Polish));
    ASSERT_NE(polish, nullptr) << "Qt's Polish catalogue is missing (qt6-translations-l10n)";
    EXPECT_EQ(cancel(), QStringLiteral("Anuluj"));
}
