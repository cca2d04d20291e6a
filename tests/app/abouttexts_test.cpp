#include "app/abouttexts.h"

#include <gtest/gtest.h>

TEST(AboutTexts, GermanForLGGermanInAnyCaseEnglishOtherwise) {
    const QString german =
        QStringLiteral("Dieses Programm zeigt den Zusammenhang zwischen Steigung der Tangente "
                       "und der ersten Ableitung einer Funktion");
    const QString english =
        QStringLiteral("This program shows the relationship between slope of a tangent and "
                       "the first derivative of a function.");
    for (const char* name : {"LGGerman", "lggerman", "LGGERMAN", "lgGerMan"}) {
        const AboutTexts texts = aboutTextsFor(QLatin1String(name));
        EXPECT_EQ(texts.WebSite, QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"))
            << name;
        EXPECT_TRUE(texts.Description.startsWith(german)) << name;
    }
    for (const char* name : {"LGEnglish", "$dlglanguage$", "", "lggerman ", "german"}) {
        const AboutTexts texts = aboutTextsFor(QLatin1String(name));
        EXPECT_EQ(texts.WebSite, QStringLiteral("More information can be found at the following Web sites:"))
            << name;
        EXPECT_TRUE(texts.Description.startsWith(english + QLatin1Char(' '))) << name;
    }
    // Both go on with the credits, the textbooks and the component suite.
    for (const char* name : {"LGGerman", "LGEnglish"})
        EXPECT_TRUE(aboutTextsFor(QLatin1String(name))
                        .Description.contains(QLatin1String("\"VRX Component Suite\"")));
}
