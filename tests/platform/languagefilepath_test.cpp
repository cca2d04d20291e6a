#include "platform/system/languagefilepath.h"

#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

LanguageFileSearch searchIn(const QMap<QByteArray, QByteArray>& environment, const QSet<QString>& files) {
    return {[environment](const char* name) { return environment.value(name); },
            [files](const QString& file) { return files.contains(file); }, QStringLiteral("/usr/share")};
}

const QString kBeside = QStringLiteral("/usr/bin/kyvelo.itl");
const QString kGerman = QStringLiteral("/usr/share/kyvelo/kyvelo_de.itl");
const QString kEnglish = QStringLiteral("/usr/share/kyvelo/kyvelo_en.itl");
const QString kOwn = QStringLiteral("/home/t/.config/kyvelo/kyvelo.itl");
const QString kXdgOwn = QStringLiteral("/cfg/kyvelo/kyvelo.itl");

} // namespace

TEST(LanguageFilePath, BesideProgramThenUserThenPackageByLocale) {
    struct Case {
        const char* what;
        QMap<QByteArray, QByteArray> environment;
        QSet<QString> files;
        QString expected;
    };
    const QMap<QByteArray, QByteArray> german = {{"HOME", "/home/t"}, {"LANG", "de_DE.UTF-8"}};
    const Case cases[] = {
        {"beside the program wins over everything", german, {kBeside, kOwn, kGerman}, kBeside},
        {"the user's own file wins over the package's", german, {kOwn, kGerman, kEnglish}, kOwn},
        {"German locale", german, {kGerman, kEnglish}, kGerman},
        {"C locale", {{"HOME", "/home/t"}, {"LANG", "C"}}, {kGerman, kEnglish}, kEnglish},
        {"no locale at all", {{"HOME", "/home/t"}}, {}, kEnglish},
        {"Austrian German", {{"LANG", "de_AT.UTF-8"}}, {}, kGerman},
        {"plain de", {{"LANG", "de"}}, {}, kGerman},
        {"a language that only contains de", {{"LANG", "nl_DE.UTF-8"}}, {}, kEnglish},
        {"LC_ALL before LANG", {{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {}, kEnglish},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "de_CH.UTF-8"}, {"LANG", "C"}}, {}, kGerman},
        {"LC_ALL before LC_MESSAGES", {{"LC_ALL", "de_DE"}, {"LC_MESSAGES", "C"}}, {}, kGerman},
        {"an empty LC_ALL counts as unset", {{"LC_ALL", ""}, {"LANG", "de_DE"}}, {}, kGerman},
        {"XDG_CONFIG_HOME instead of ~/.config",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LANG", "C"}},
         {kOwn, kXdgOwn},
         kXdgOwn},
        {"~/.config is not read when XDG_CONFIG_HOME is set",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LANG", "C"}},
         {kOwn},
         kEnglish},
        {"a relative XDG_CONFIG_HOME is ignored",
         {{"HOME", "/home/t"}, {"XDG_CONFIG_HOME", "cfg"}, {"LANG", "C"}},
         {kOwn, QStringLiteral("cfg/kyvelo/kyvelo.itl")},
         kOwn},
        {"no home and no XDG_CONFIG_HOME: no user file",
         {{"LANG", "C"}},
         {QStringLiteral("/.config/kyvelo/kyvelo.itl")},
         kEnglish},
        {"a missing package file is still the answer", german, {kEnglish}, kGerman},
    };
    for (const Case& c : cases)
        EXPECT_EQ(languageFilePath(kBeside, searchIn(c.environment, c.files)), c.expected) << c.what;
}

TEST(LanguageFilePath, FolderAndFileNamesFollowTheProgramsName) {
    const LanguageFileSearch search =
        searchIn({{"HOME", "/h"}, {"LANG", "de"}}, {QStringLiteral("/h/.config/demo/demo.itl")});
    EXPECT_EQ(languageFilePath(QStringLiteral("/opt/demo.itl"), search),
              QStringLiteral("/h/.config/demo/demo.itl"));
    EXPECT_EQ(languageFilePath(QStringLiteral("/opt/other.itl"), search),
              QStringLiteral("/usr/share/other/other_de.itl"));
}

TEST(LanguageFilePath, SystemSearchFindsSharedDataBesideTheProgramsFolder) {
    const LanguageFileSearch search = systemLanguageFileSearch(QStringLiteral("/staging/usr/bin"));
    EXPECT_EQ(search.dataFolder, QStringLiteral("/staging/usr/share"));
    qputenv("KYVELO_TEST_VARIABLE", "value");
    EXPECT_EQ(search.environment("KYVELO_TEST_VARIABLE"), QByteArray("value"));
    EXPECT_TRUE(search.exists(QStringLiteral(KYVELO_TEST_DATA "/../../CMakeLists.txt")));
    EXPECT_FALSE(search.exists(QStringLiteral(KYVELO_TEST_DATA))); // a folder is no language file
}
