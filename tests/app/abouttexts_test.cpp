#include "app/abouttexts.h"

#include <gtest/gtest.h>

TEST(AboutTexts, GermanOrEnglishByTheLanguageName) {
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
}
