#include "localisation/languagefilepath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The files that exist, and the content of those that are read.
LanguageFileSearch searchIn(const QMap<QByteArray, QByteArray>& environment, const QSet<QString>& files,
                            const QMap<QString, QByteArray>& contents = {}) {
    return {[environment](const char* name) { return environment.value(name); },
            [files](const QString& file) { return files.contains(file); },
            [contents](const QString& file) { return contents.value(file); },
            [files](const QString& folder) {
                QStringList names;
                for (const QString& file : files)
                    if (QFileInfo(file).path() == folder) names << QFileInfo(file).fileName();
                return names;
            },
            QStringLiteral("/usr/share")};
}

const QString kBeside = QStringLiteral("/usr/bin/kyvelo.itl");
const QString kGerman = QStringLiteral("/usr/share/kyvelo/kyvelo_de.itl");
const QString kEnglish = QStringLiteral("/usr/share/kyvelo/kyvelo_en.itl");
const QString kGreek = QStringLiteral("/usr/share/kyvelo/kyvelo_el.itl");
const QString kOwn = QStringLiteral("/home/t/.config/kyvelo/kyvelo.itl");
const QString kXdgOwn = QStringLiteral("/cfg/kyvelo/kyvelo.itl");
const QString kChoice = QStringLiteral("/home/t/.config/kyvelo/language");

QSet<QString> packageFiles() {
    QSet<QString> files;
    for (const char* code : {"de", "el", "en", "es", "fr", "it", "pl"})
        files << QStringLiteral("/usr/share/kyvelo/kyvelo_%1.itl").arg(QLatin1String(code));
    return files;
}

} // namespace

TEST(LanguageFilePath, ChoiceThenBesideProgramThenUserThenPackageByLocale) {
    struct Case {
        const char* what;
        QMap<QByteArray, QByteArray> environment;
        QSet<QString> files;
        QString expected;
        QByteArray chosen = {}; // the content of the choice file
    };
    const QMap<QByteArray, QByteArray> german = {{"HOME", "/home/t"}, {"LANG", "de_DE.UTF-8"}};
    const QSet<QString> all = packageFiles() + QSet<QString>{kBeside, kOwn};
    const Case cases[] = {
        {"a language chosen in the program wins over everything", german, all, kGreek, "el"},
        {"the choice's line break does not count", german, all, kGreek, "el\r\n"},
        {"a choice the package lacks is no choice", german, all, kBeside, "xx"},
        {"a choice that is no plain code is no choice", german, all, kBeside, "../../bin/kyvelo"},
        {"an empty choice is no choice", german, packageFiles() + QSet<QString>{kOwn}, kOwn, ""},
        {"beside the program wins over the user's and the locale's",
         german,
         {kBeside, kOwn, kGerman},
         kBeside},
        {"the user's own file wins over the package's", german, {kOwn, kGerman, kEnglish}, kOwn},
        {"German locale", german, {kGerman, kEnglish}, kGerman},
        {"C locale", {{"HOME", "/home/t"}, {"LANG", "C"}}, {kGerman, kEnglish}, kEnglish},
        {"no locale at all", {{"HOME", "/home/t"}}, {}, kEnglish},
        {"Austrian German", {{"LANG", "de_AT.UTF-8"}}, {kGerman}, kGerman},
        {"plain de", {{"LANG", "de"}}, {kGerman}, kGerman},
        {"a language that only contains de", {{"LANG", "nl_DE.UTF-8"}}, {kGerman}, kEnglish},
        {"LC_ALL before LANG", {{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {kGerman}, kEnglish},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "de_CH.UTF-8"}, {"LANG", "C"}}, {kGerman}, kGerman},
        {"LC_ALL before LC_MESSAGES", {{"LC_ALL", "de_DE"}, {"LC_MESSAGES", "C"}}, {kGerman}, kGerman},
        {"an empty LC_ALL counts as unset", {{"LC_ALL", ""}, {"LANG", "de_DE"}}, {kGerman}, kGerman},
        {"a locale with a modifier", {{"LANG", "el_GR@euro"}}, {kGreek}, kGreek},
        {"a language the package lacks gets English", {{"LANG", "pt_BR.UTF-8"}}, packageFiles(), kEnglish},
        {"a missing package file gets English", german, {kEnglish}, kEnglish},
        {"XDG_CONFIG_HOME instead of ~/.config",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LANG", "C"}},
         {kOwn, kXdgOwn},
         kXdgOwn},
        {"~/.config is not read when XDG_CONFIG_HOME is set",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LANG", "C"}},
         packageFiles() + QSet<QString>{kOwn},
         kEnglish,
         "el"},
        {"a relative XDG_CONFIG_HOME is ignored",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "cfg"}, {"LANG", "C"}},
         {kOwn, QStringLiteral("cfg/kyvelo/kyvelo.itl")},
         kOwn},
        {"no home and no XDG_CONFIG_HOME: no user file",
         {{"LANG", "C"}},
         {QStringLiteral("/.config/kyvelo/kyvelo.itl")},
         kEnglish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(languageFilePath(kBeside, searchIn(c.environment, c.files, {{kChoice, c.chosen}})),
                  c.expected)
            << c.what;
}

TEST(LanguageFilePath, CandidatesAreEveryFileThatExistsInOrderEachOnce) {
    const QMap<QByteArray, QByteArray> german = {{"HOME", "/home/t"}, {"LANG", "de_DE.UTF-8"}};
    const struct {
        QSet<QString> Files;
        QByteArray Chosen;
        QStringList Candidates;
    } cases[] = {
        {packageFiles() + QSet<QString>{kBeside, kOwn}, "el", {kGreek, kBeside, kOwn, kGerman, kEnglish}},
        {packageFiles(), "de", {kGerman, kEnglish}},
        {{kOwn}, "", {kOwn}},
        {{}, "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageFileCandidates(kBeside, searchIn(german, c.Files, {{kChoice, c.Chosen}})),
                  c.Candidates)
            << c.Candidates.join(' ').toStdString();
}

TEST(LanguageFilePath, FolderAndFileNamesFollowTheProgramsName) {
    const LanguageFileSearch search =
        searchIn({{"HOME", "/h"}, {"LANG", "de"}}, {QStringLiteral("/h/.config/demo/demo.itl"),
                                                    QStringLiteral("/usr/share/other/other_de.itl")});
    EXPECT_EQ(languageFilePath(QStringLiteral("/opt/demo.itl"), search),
              QStringLiteral("/h/.config/demo/demo.itl"));
    EXPECT_EQ(languageFilePath(QStringLiteral("/opt/other.itl"), search),
              QStringLiteral("/usr/share/other/other_de.itl"));
    EXPECT_EQ(languageChoicePath(QStringLiteral("/opt/demo.itl"), search),
              QStringLiteral("/h/.config/demo/language"));
    EXPECT_EQ(languageChoicePath(kBeside, searchIn({{"XDG_CONFIG_HOME", "/cfg"}}, {})),
              QStringLiteral("/cfg/kyvelo/language"));
    EXPECT_EQ(languageChoicePath(kBeside, searchIn({}, {})), QString());
}

TEST(LanguageFilePath, PackageLanguagesAreItsFilesByCode) {
    const QSet<QString> files = {kGreek,
                                 kGerman,
                                 QStringLiteral("/usr/share/kyvelo/kyvelo.itl"),
                                 QStringLiteral("/usr/share/kyvelo/kyvelo_.itl"),
                                 QStringLiteral("/usr/share/kyvelo/kyvelo_el.itl.bak"),
                                 QStringLiteral("/usr/share/kyvelo/other_fr.itl"),
                                 QStringLiteral("/usr/share/kyvelo/kyvelo_a b.itl"),
                                 QStringLiteral("/usr/share/other/kyvelo_it.itl")};
    const QList<PackageLanguage> languages = packageLanguages(kBeside, searchIn({}, files));
    ASSERT_EQ(languages.size(), 2);
    EXPECT_EQ(languages[0].Code, QStringLiteral("de"));
    EXPECT_EQ(languages[0].Path, kGerman);
    EXPECT_EQ(languages[1].Code, QStringLiteral("el"));
    EXPECT_EQ(languages[1].Path, kGreek);
}

TEST(LanguageFilePath, SystemSearchFindsSharedDataBesideTheProgramsFolder) {
    const LanguageFileSearch search = systemLanguageFileSearch(QStringLiteral("/staging/usr/bin"));
    EXPECT_EQ(search.DataFolder, QStringLiteral("/staging/usr/share"));
    qputenv("KYVELO_TEST_VARIABLE", "value");
    EXPECT_EQ(search.Environment("KYVELO_TEST_VARIABLE"), QByteArray("value"));
    EXPECT_TRUE(search.Exists(QStringLiteral(KYVELO_TEST_DATA "/../../CMakeLists.txt")));
    EXPECT_FALSE(search.Exists(QStringLiteral(KYVELO_TEST_DATA))); // a folder is no language file
    // A choice is read from a small regular file only.
    EXPECT_TRUE(
        search.Read(QStringLiteral(KYVELO_TEST_DATA "/localisation/no_end_marker.itl")).startsWith("[Exit]"));
    EXPECT_EQ(search.Read(QStringLiteral(KYVELO_TEST_DATA "/localisation/german.itl")), QByteArray());
    EXPECT_EQ(search.Read(QStringLiteral("/dev/zero")), QByteArray());
    EXPECT_TRUE(
        search.List(QStringLiteral(KYVELO_TEST_DATA "/localisation")).contains(QStringLiteral("german.itl")));
}

// The running program's files are found from its own file until a test puts them elsewhere.
TEST(LanguageFilePath, TheProgramsFilesLieBesideTheRunningProgramUnlessReplaced) {
    const QString besideThis = QCoreApplication::applicationFilePath() + QStringLiteral(".itl");
    EXPECT_EQ(programLanguageFiles().BesideProgram, besideThis);
    setProgramLanguageFiles(systemLanguageFiles(QStringLiteral("/staging/usr/bin/kyvelo")));
    EXPECT_EQ(programLanguageFiles().BesideProgram, QStringLiteral("/staging/usr/bin/kyvelo.itl"));
    EXPECT_EQ(programLanguageFiles().Search.DataFolder, QStringLiteral("/staging/usr/share"));
    setProgramLanguageFiles(std::nullopt);
    EXPECT_EQ(programLanguageFiles().BesideProgram, besideThis);
}
