// The language files the program ships with: each covers every caption of both windows and the
// program's own keys, reads back as the texts it was written with, and links the help pages that
// come with the program.
#include "app/abouttexts.h"
#include "app/accesstexts.h"
#include "app/helplink.h"
#include "app/layoutresources.h"
#include "app/studytexts.h"
#include "localisation/rivazidad2000.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QUrl>

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
    AccessTexts accessTexts(nullptr);
    StudyTexts studyTexts(nullptr);
    for (const QObject* texts : std::initializer_list<const QObject*>{&accessTexts, &studyTexts}) {
        const QMetaObject* meta = texts->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            keys << meta->property(i).read(texts).toString().mid(3);
    }
    return keys;
}

} // namespace

TEST(LanguageFiles, CoverEveryCaptionOfBothWindows) {
    const QStringList keys = captionKeys();
    EXPECT_EQ(keys.size(), 45); // 17 in the two layouts, 28 in code (one of them the layout's "OK")
    for (const char* name : {"kyvelo_en.itl", "kyvelo_de.itl"}) {
        const auto dictionary = load(QLatin1String(name));
        dictionary->SetCollect(true);
        for (const QString& key : keys)
            dictionary->Translate(key);
        for (const char* key : {"$dlglanguage$", "HomePageURL", "MMExplain", "MMExplainVelocity"})
            EXPECT_NE(dictionary->Translate(QLatin1String(key)), QLatin1String(key)) << name << " " << key;
        EXPECT_EQ(dictionary->Collected(), QStringList()) << name; // nothing asked for was missing
        dictionary->SetCollect(false);
        EXPECT_EQ(dictionary->Keys().size(), 49) << name;
    }
}

TEST(LanguageFiles, GermanReadsBackWithItsUmlautsAndEntities) {
    const auto german = load(QStringLiteral("kyvelo_de.itl"));
    EXPECT_EQ(german->Translate(QStringLiteral("$dlglanguage$")), QStringLiteral("LGGerman"));
    EXPECT_EQ(german->Translate(QStringLiteral("Uniform Movement")),
              QStringLiteral("Gleichförmige Bewegung"));
    EXPECT_EQ(german->Translate(QStringLiteral("About")), QStringLiteral("Über"));
    EXPECT_EQ(german->Translate(QStringLiteral("Save picture...")), QStringLiteral("Bild speichern…"));
    const QString explain = german->Translate(QStringLiteral("MMExplain"));
    for (const char* part :
         {"entlang der Kurve", "Punkte: Ihre Steigung &Delta;s/&Delta;t ist die <i>mittlere</i>",
          "„Einzelpunktmessung“", "Ihre Steigung – der Grenzwert", "s&prime;(t)"})
        EXPECT_TRUE(explain.contains(QString::fromUtf8(part))) << part;

    const auto english = load(QStringLiteral("kyvelo_en.itl"));
    EXPECT_EQ(english->Translate(QStringLiteral("$dlglanguage$")), QStringLiteral("LGEnglish"));
    EXPECT_EQ(english->Translate(QStringLiteral("HomePage")), QStringLiteral("Kyvelo home page"));
    const QString explainEn = english->Translate(QStringLiteral("MMExplain"));
    for (const char* part : {"its slope &Delta;s/&Delta;t is the <i>average</i> velocity",
                             "the limit of &Delta;s/&Delta;t as &Delta;t &rarr; 0", "s&prime;(t)", "km/h"})
        EXPECT_TRUE(explainEn.contains(QLatin1String(part))) << part;
    EXPECT_FALSE(explainEn.contains(QLatin1Char('\n'))); // line breaks of the file read as blanks
}

// The home page, the links of the explanatory text and the About dialog's two fixed links open
// pages that come with the program, in the language of the file, at anchors those pages have.
TEST(LanguageFiles, LinksOpenHelpPagesInTheirLanguage) {
    const HelpFolders help = {{QStringLiteral(KYVELO_TEST_DATA "/../../data/help")},
                              [](const QString& file) { return QFile::exists(file); }};
    for (const auto& [name, language] :
         {std::pair{"kyvelo_en.itl", "en"}, std::pair{"kyvelo_de.itl", "de"}}) {
        const auto dictionary = load(QLatin1String(name));
        QStringList links = {dictionary->Translate(QStringLiteral("HomePageURL"))};
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (const auto& match : href.globalMatch(dictionary->Translate(QStringLiteral("MMExplain"))))
            links << match.captured(1);
        const AboutTexts about = aboutTextsFor(dictionary->Translate(QStringLiteral("$dlglanguage$")));
        links << about.SuiteLink << about.PellavoLink;
        ASSERT_EQ(links.size(), 5) << name;
        for (const QString& link : links) {
            EXPECT_TRUE(link.startsWith(QStringLiteral("help:%1/").arg(QLatin1String(language))))
                << link.toStdString();
            const QUrl page(resolveHelpLink(link, help));
            QFile file(page.toLocalFile());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << link.toStdString();
            const QByteArray anchor = "id=\"" + page.fragment().toUtf8() + '"';
            EXPECT_TRUE(!page.hasFragment() || file.readAll().contains(anchor)) << link.toStdString();
        }
    }
}
