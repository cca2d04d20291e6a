#include "app/abouttexts.h"

#include <gtest/gtest.h>

TEST(AboutTexts, InTheLanguageTheFileNamesItself) {
    const AboutTexts german = aboutTextsFor(QStringLiteral("lgGerMan"));
    EXPECT_EQ(german.WebSite, QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    EXPECT_TRUE(german.Description.startsWith(
        QStringLiteral("Dieses Programm zeigt den Zusammenhang zwischen der Steigung der Tangente und der "
                       "ersten Ableitung einer Funktion. ")));
    EXPECT_TRUE(german.Description.endsWith(QStringLiteral("beruht auf der „VRX Component Suite“.")));

    const AboutTexts english = aboutTextsFor(QStringLiteral("LGEnglish"));
    EXPECT_EQ(english.WebSite, QStringLiteral("More information can be found at the following Web sites:"));
    EXPECT_TRUE(english.Description.startsWith(
        QStringLiteral("This program shows the relationship between the slope of a tangent and the first "
                       "derivative of a function. ")));
    EXPECT_TRUE(english.Description.endsWith(QStringLiteral("is based on the “VRX Component Suite”.")));

    // The help exists in German and English; the other languages link the English pages.
    const AboutTexts greek = aboutTextsFor(QStringLiteral("LGGreek"));
    EXPECT_EQ(greek.WebSite, QStringLiteral("Περισσότερες πληροφορίες στις σελίδες:"));
    EXPECT_TRUE(greek.Description.startsWith(QStringLiteral(
        "Αυτό το πρόγραμμα δείχνει τη σχέση ανάμεσα στην κλίση της εφαπτομένης και στην πρώτη παράγωγο")));
    EXPECT_EQ(greek.SuiteLink, QStringLiteral("help:en/index.html#components"));
    EXPECT_EQ(german.SuiteLink, QStringLiteral("help:de/index.html#components"));
}
