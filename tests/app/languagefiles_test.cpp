// The language files the program ships with: each covers every caption of both windows and the
// program's own keys, and reads back as the texts it was written with.
#include "app/accesstexts.h"
#include "app/layoutresources.h"
#include "localisation/rivazidad2000.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>

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

// Every "BF_" text as written: in the two stored layouts, and the texts the main window adds in code.
// (A window built here has been translated already, so its captions no longer show their keys.)
QStringList captionKeys() {
    initLayoutResources();
    QStringList keys;
    for (const char* path : {":/layouts/mainfrm.lfm", ":/layouts/aboutbox.lfm"}) {
        QFile layout{QString::fromLatin1(path)};
        EXPECT_TRUE(layout.open(QIODevice::ReadOnly)) << path;
        const QString text = QString::fromUtf8(layout.readAll());
        for (const auto& match : QRegularExpression(QStringLiteral("'BF_([^']*)'")).globalMatch(text))
            keys << match.captured(1);
    }
    AccessTexts texts(nullptr);
    const QMetaObject* meta = texts.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        keys << meta->property(i).read(&texts).toString().mid(3);
    return keys;
}

} // namespace

TEST(LanguageFiles, CoverEveryCaptionOfBothWindows) {
    const QStringList keys = captionKeys();
    EXPECT_EQ(keys.size(), 24); // 16 in the two layouts, 8 in code
    for (const char* name : {"kyvelo_en.itl", "kyvelo_de.itl"}) {
        const auto dictionary = load(QLatin1String(name));
        dictionary->SetCollect(true);
        for (const QString& key : keys)
            dictionary->Translate(key);
        for (const char* key : {"$dlglanguage$", "HomePageURL", "MMExplain"})
            EXPECT_NE(dictionary->Translate(QLatin1String(key)), QLatin1String(key)) << name << " " << key;
        EXPECT_EQ(dictionary->Collected(), QStringList()) << name; // nothing asked for was missing
        dictionary->SetCollect(false);
        EXPECT_EQ(dictionary->Keys().size(), 26) << name;
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
