// The language files the program ships with: each holds every key the running program asks for and
// no other, reads back as the texts it was written with, and links the help pages that come with
// the program.
#include "app/abouttexts.h"
#include "app/chartaccess.h"
#include "app/helplink.h"
#include "app/languagechoice.h"
#include "app/setpointsdialog.h"
#include "app/studytools.h"
#include "app/tripfiles.h"
#include "app/tripreaderror.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QUrl>

#include <memory>
#include <string>

namespace {

const QString kLanguages = QStringLiteral(KYVELO_TEST_DATA "/../../src/app/languages/");

std::unique_ptr<TRivazidad2000> load(const QString& name) {
    auto dictionary = std::make_unique<TRivazidad2000>(QString());
    QFile file(kLanguages + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    dictionary->LoadFromStream(file);
    return dictionary;
}

// The key of a collected line "[key]=key|$$", in lower case as the files store it.
QString keyOf(const QString& collectedLine) {
    return collectedLine.mid(1, collectedLine.indexOf(QStringLiteral("]=")) - 1).toLower();
}

// Every key the program asks its dictionary for, from its start to the chart's context menu and the
// tools it offers. The
// dictionary is empty and collects, so every key asked for is collected; the window is read without
// its own translation step so that the step runs with that dictionary.
QStringList keysTheProgramAsksFor() {
    const ProgramWindows program(
        {{QStringLiteral("AutoTranslate = True"), QStringLiteral("AutoTranslate = False")}});
    const std::unique_ptr<TForm1>& form = program.form;
    TRivazidad2000& dictionary = form->cliDemon->Dictionary();
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(nothing);
    dictionary.SetCollect(true);
    dictionary.TranslateComponent(form.get());
    showPastStartupScreen(*form);
    form->Access()->showMenu(QPoint());
    form->Access()->menu()->hide();
    // What is made or said only when asked for: the velocity graph's text, the table, the dialog.
    StudyTools& study = *form->Study();
    study.toggleVelocityGraph();
    study.toggleLimitTable();
    form->CBox1Point->SetChecked(true); // the explanatory text of single-point mode
    study.setDialogRunner([](SetPointsDialog&) { return false; });
    study.setPoints();
    // Every message about a trip file that cannot be used.
    for (int problem = 0; problem <= static_cast<int>(TripReadProblem::BadTime); ++problem)
        form->Trips()->errorText({static_cast<TripReadProblem>(problem), QString(), 0, {}});
    QStringList keys = {kLanguageNameKey}; // read by the language menu from every package file
    for (const QString& line : dictionary.Collected())
        keys << keyOf(line);
    dictionary.SetCollect(false); // no file is written
    return keys;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// The keys of one list that the other lacks, for the test's message.
std::string without(const QStringList& list, const QStringList& other) {
    QStringList rest;
    for (const QString& key : list)
        if (!other.contains(key)) rest << key;
    return rest.join(QStringLiteral(" | ")).toStdString();
}

} // namespace

TEST(LanguageFiles, HoldEveryKeyTheProgramAsksForAndNoOther) {
    const QStringList asked = keysTheProgramAsksFor();
    const QStringList files = QDir(kLanguages).entryList({QStringLiteral("kyvelo_*.itl")});
    EXPECT_GE(files.size(), 2);
    for (const QString& name : files) {
        const QStringList keys = load(name)->Keys();
        EXPECT_EQ(without(asked, keys), "") << name.toStdString() << " lacks these keys";
        EXPECT_EQ(without(keys, asked), "") << name.toStdString() << " holds these unused keys";
        EXPECT_EQ(sorted(keys), sorted(QSet<QString>(keys.begin(), keys.end()).values()))
            << name.toStdString() << " holds a key twice";
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
// pages that come with the program, in the language of the file (English where there are none in
// it), at anchors those pages have.
TEST(LanguageFiles, LinksOpenHelpPagesInTheirLanguage) {
    const HelpFolders help = {{QStringLiteral(KYVELO_TEST_DATA "/../../data/help")},
                              [](const QString& file) { return QFile::exists(file); }};
    const std::pair<const char*, const char*> files[] = {
        {"kyvelo_en.itl", "en"}, {"kyvelo_de.itl", "de"}, {"kyvelo_fr.itl", "en"}, {"kyvelo_es.itl", "en"},
        {"kyvelo_it.itl", "en"}, {"kyvelo_pl.itl", "en"}, {"kyvelo_el.itl", "en"}};
    for (const auto& [name, language] : files) {
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
