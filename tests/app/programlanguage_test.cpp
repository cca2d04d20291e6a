#include "app/programlanguage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

TEST(ProgramLanguage, GermanForLGGermanInAnyCaseEnglishOtherwise) {
    for (const char* name : {"LGGerman", "lggerman", "LGGERMAN", "lgGerMan"})
        EXPECT_EQ(programLanguage(QLatin1String(name)), ProgramLanguage::German) << name;
    for (const char* name : {"LGEnglish", "$dlglanguage$", "", "lggerman ", "german"})
        EXPECT_EQ(programLanguage(QLatin1String(name)), ProgramLanguage::English) << name;
}

// The pane's link menu and the message boxes' buttons, as Qt names them.
TEST(ProgramLanguage, QtsOwnTextsFollowTheLanguage) {
    const auto copyLink = [] {
        return QCoreApplication::translate("QWidgetTextControl", "Copy &Link Location");
    };
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(installQtTranslations(ProgramLanguage::English), nullptr);
    EXPECT_EQ(copyLink(), QStringLiteral("Copy &Link Location"));

    const std::unique_ptr<QTranslator> german(installQtTranslations(ProgramLanguage::German));
    ASSERT_NE(german, nullptr) << "Qt's German catalogue is missing (qt6-translations-l10n)";
    EXPECT_EQ(copyLink(), QStringLiteral("&Link-Adresse kopieren"));
    EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
}
