// The language files the program ships with: each covers every caption of both windows and the
// program's own keys, and reads back as the texts it was written with.
#include "app/aboutbox.h"
#include "app/mainfrm.h"
#include "localisation/rivazidad2000.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>

namespace {

const QString kLanguages = QStringLiteral(KYVELO_TEST_DATA "/../../src/app/languages/");

std::unique_ptr<TRivazidad2000> load(const QString& name) {
    auto dictionary = std::make_unique<TRivazidad2000>(QString());
    QFile file(kLanguages + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    dictionary->LoadFromStream(file);
    return dictionary;
}

} // namespace

TEST(LanguageFiles, CoverEveryCaptionOfBothWindows) {
    for (const char* name : {"kyvelo_en.itl", "kyvelo_de.itl"}) {
        const auto dictionary = load(QLatin1String(name));
        dictionary->SetCollect(true);
        TForm1 mainWindow(120); // untranslated captions
        TFrmAbout dialog;
        dictionary->TranslateComponent(&mainWindow);
        dictionary->TranslateComponent(&dialog);
        for (const char* key : {"$dlglanguage$", "HomePageURL", "MMExplain"})
            EXPECT_NE(dictionary->Translate(QLatin1String(key)), QLatin1String(key)) << name << " " << key;
        EXPECT_EQ(dictionary->Collected(), QStringList()) << name; // nothing asked for was missing
        dictionary->SetCollect(false);
        EXPECT_EQ(dictionary->Keys().size(), 18) << name;
    }
}

TEST(LanguageFiles, GermanReadsBackWithItsUmlauts) {
    const auto german = load(QStringLiteral("kyvelo_de.itl"));
    EXPECT_EQ(german->Translate(QStringLiteral("$dlglanguage$")), QStringLiteral("LGGerman"));
    EXPECT_EQ(german->Translate(QStringLiteral("Uniform Movement")),
              QStringLiteral("Gleichförmige Bewegung"));
    EXPECT_EQ(german->Translate(QStringLiteral("About")), QStringLiteral("Über"));
    EXPECT_EQ(german->Translate(QStringLiteral("HomePageURL")), QStringLiteral("https://kyvelo.example/de/"));
    const QString explain = german->Translate(QStringLiteral("MMExplain"));
    for (const char* part :
         {"Sekante", "Tangente", "erste Ableitung", "Geschwindigkeit", "<a href=\"https://"})
        EXPECT_TRUE(explain.contains(QString::fromUtf8(part))) << part;

    const auto english = load(QStringLiteral("kyvelo_en.itl"));
    EXPECT_EQ(english->Translate(QStringLiteral("$dlglanguage$")), QStringLiteral("LGEnglish"));
    EXPECT_EQ(english->Translate(QStringLiteral("HomePage")), QStringLiteral("Kyvelo home page"));
    const QString explainEn = english->Translate(QStringLiteral("MMExplain"));
    for (const char* part : {"secant", "tangent", "first derivative", "ds/dt", "km/h", "<a href=\"https://"})
        EXPECT_TRUE(explainEn.contains(QLatin1String(part))) << part;
    EXPECT_FALSE(explainEn.contains(QLatin1Char('\n'))); // line breaks of the file read as blanks
}
