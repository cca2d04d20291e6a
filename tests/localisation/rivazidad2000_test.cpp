// Lookups, argument placeholders, OnTranslated and the collected language file.
#include "localisation/collectedfile.h"
#include "localisation/languagefilename.h"
#include "localisation/rivazidad2000.h"

#include "localisationtestutil.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

TEST(Rivazidad2000, StartsEmptyWithThePrefix) {
    TRivazidad2000 dictionary(QStringLiteral("Kyvelo"));
    EXPECT_EQ(dictionary.Prefix(), QStringLiteral("BF_"));
    EXPECT_EQ(dictionary.AppName(), QStringLiteral("Kyvelo"));
    EXPECT_FALSE(dictionary.Collect());
    EXPECT_TRUE(dictionary.Keys().isEmpty());
    EXPECT_TRUE(dictionary.Collected().isEmpty());
}

struct LookupCase {
    const char* key;
    QStringList arguments;
    const char* result;
};

TEST(Rivazidad2000, LookupIgnoresLetterCaseButNotSpaces) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "edgecases.itl");
    const LookupCase cases[] = {
        {"Exit", {}, "Beenden"},
        {"EXIT", {}, "Beenden"},
        {"exit", {}, "Beenden"},
        {"Exit Button ", {}, "Knopf"},
        {"Exit Button", {}, "Exit Button"},
        {"Exit  Button ", {}, "Exit  Button "},
        {" Exit Button ", {}, " Exit Button "},
        {"Two Lines", {}, "erste\r\nzweite\\Nbleibt"},
        {"Broken", {}, "erste  zweite"},
        {"Dup", {}, "erster"},
        {"Missing", {}, "Missing"},
        {"Greeting", {"Anna", "Kyvelo"}, "Hallo Anna, hier ist Kyvelo (Anna)"},
        {"Greeting", {"Anna"}, "Hallo Anna, hier ist <%2%> (Anna)"},
        {"Greeting", {}, "Hallo <%1%>, hier ist <%2%> (<%1%>)"},
        // A missing key is substituted the same way; an argument holding its own placeholder is
        // inserted unchanged.
        {"Missing <%1%> and <%2%>", {"one", "two"}, "Missing one and two"},
        {"Missing <%1%>", {"<%1%>"}, "Missing <%1%>"},
        {"<%1%><%1%>", {"<%1%>x"}, "<%1%>x<%1%>x"},
    };
    for (const LookupCase& c : cases)
        EXPECT_EQ(dictionary.Translate(QString::fromLatin1(c.key), c.arguments),
                  QString::fromLatin1(c.result))
            << c.key;
}

// The same rules in a UTF-8 file: only A to Z fold, placeholders and line breaks as in Windows-1252.
TEST(Rivazidad2000, Utf8LookupFoldsOnlyAsciiLetters) {
    TRivazidad2000 dictionary(QStringLiteral("Kyvelo"));
    loadFile(dictionary, "greek_utf8.itl");
    const LookupCase cases[] = {
        {"EXIT", {}, "Έξοδος"},
        {"ΈΞΟΔΟΣ", {}, "Κεφαλαία"},
        {"έξοδος", {}, "έξοδος"},
        {"Point 1: <%1%> MIN, <%2%> KM", {"50", "24.5"}, "Σημείο 1: 50 λεπτά, 24.5 χιλιόμετρα"},
        {"Broken", {}, "πρώτη  δεύτερη\r\nτρίτη"},
        {"Program", {}, "Πρόγραμμα Kyvelo"},
    };
    for (const LookupCase& c : cases)
        EXPECT_EQ(dictionary.Translate(QString::fromUtf8(c.key), c.arguments), QString::fromUtf8(c.result))
            << c.key;
    EXPECT_EQ(dictionary.Keys().size(), 5);
}

TEST(Rivazidad2000, WithoutALanguageFileEveryKeyIsItsOwnText) {
    TRivazidad2000 dictionary(QString{});
    EXPECT_EQ(dictionary.Translate(QStringLiteral("$dlglanguage$")), QStringLiteral("$dlglanguage$"));
    EXPECT_EQ(dictionary.Translate(QStringLiteral("HomePageURL")), QStringLiteral("HomePageURL"));
    EXPECT_TRUE(dictionary.Collected().isEmpty());
}

TEST(Rivazidad2000, OnTranslatedSeesFoundKeysOnlyAndMayChangeTheText) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "edgecases.itl");
    QStringList seen;
    dictionary.SetOnTranslated([&](TRivazidad2000* sender, const QString& key, QString& text) {
        EXPECT_EQ(sender, &dictionary);
        seen.append(key + QLatin1Char('=') + text);
        text += u'!';
    });
    EXPECT_EQ(dictionary.Translate(QStringLiteral("Greeting"), {QStringLiteral("A"), QStringLiteral("B")}),
              QStringLiteral("Hallo A, hier ist B (A)!"));
    EXPECT_EQ(dictionary.Translate(QStringLiteral("Missing")), QStringLiteral("Missing"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("Greeting=Hallo A, hier ist B (A)")});
}

TEST(Rivazidad2000, CollectsEachMissingKeyOnceWhateverItsCase) {
    TRivazidad2000 dictionary(QString{});
    dictionary.Translate(QStringLiteral("Before"));
    dictionary.SetCollect(true);
    for (const char* key : {"Exit", "Exit", "EXIT", "Time <%1%>"})
        dictionary.Translate(QString::fromLatin1(key), {QStringLiteral("9")});
    dictionary.Translate(QStringLiteral(u"\u00c4rger"));
    dictionary.Translate(QStringLiteral(u"\u00e4rger"));
    dictionary.SetCollect(false);
    EXPECT_EQ(dictionary.Collected(),
              (QStringList{QStringLiteral("[Exit]=Exit|$$"), QStringLiteral("[Time <%1%>]=Time <%1%>|$$"),
                           QStringLiteral(u"[\u00c4rger]=\u00c4rger|$$")}));
}

// Runs each test in an empty current folder, where the dictionary writes its file.
class CollectedFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // The program's language file name ("localisation_tests.itl" of "localisation_tests.exe").
    QString writtenPath() const {
        return folder.filePath(
            QFileInfo(languageFileName(QCoreApplication::applicationFilePath())).fileName());
    }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(CollectedFileTest, IsWrittenOnDestructionWithMissingKeysThenEveryEntry) {
    {
        TRivazidad2000 dictionary(QString{});
        QFile file(testDataPath("edgecases.itl"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        dictionary.LoadFromStream(file);
        dictionary.SetCollect(true);
        for (const char* key : {"Exit", "Nicht da", "NICHT DA", "Nicht da"})
            dictionary.Translate(QString::fromLatin1(key));
        dictionary.Translate(QStringLiteral(u"Gr\u00f6\u00dfe"));
    }
    QFile written(writtenPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[Nicht da]=Nicht da|$$\r\n"
                                            "[Gr\xf6\xdf"
                                            "e]=Gr\xf6\xdf"
                                            "e|$$\r\n"
                                            "[exit]=Beenden|$$\r\n"
                                            "[exit button ]=Knopf|$$\r\n"
                                            "[two lines]=erste\r\nzweite\\Nbleibt|$$\r\n"
                                            "[broken]=erste  zweite|$$\r\n"
                                            "[greeting]=Hallo <%1%>, hier ist <%2%> (<%1%>)|$$\r\n"
                                            "[program]=\xdc"
                                            "ber  und |$$\r\n"
                                            "[dup]=erster|$$\r\n"
                                            "[dup]=zweiter|$$\r\n"
                                            "[no bracket]=ohne Klammer|$$\r\n"
                                            "[]= [no assign=ohne Zuweisung|$$\r\n"));
}

TEST_F(CollectedFileTest, IsWrittenInTheEncodingOfTheFileThatWasLoaded) {
    {
        TRivazidad2000 dictionary(QString{});
        loadFile(dictionary, "greek_utf8.itl");
        dictionary.SetCollect(true);
        dictionary.Translate(QStringLiteral(u"\u03a9 <%1%>"), {QStringLiteral("x")});
    }
    QFile written(writtenPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF[\xCE\xA9 <%1%>]=\xCE\xA9 <%1%>|$$\r\n[exit]=\xCE\x88"))
        << bytes.left(40).toHex().toStdString();
    EXPECT_TRUE(bytes.endsWith("[program]=\xCE\xA0\xCF\x81\xCF\x8C\xCE\xB3\xCF\x81\xCE\xB1\xCE\xBC"
                               "\xCE\xBC\xCE\xB1 |$$\r\n"));
}

TEST_F(CollectedFileTest, OverwritesAnExistingFileAndIsNotWrittenWithoutTheFlag) {
    {
        QFile old(writtenPath());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content that is longer than the new one");
    }
    { TRivazidad2000 untouched(QString{}); }
    QFile written(writtenPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("old content that is longer than the new one"));
    written.close();
    {
        TRivazidad2000 dictionary(QString{});
        dictionary.SetCollect(true);
        dictionary.Translate(QStringLiteral("Exit"));
    }
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[Exit]=Exit|$$\r\n"));
}

TEST_F(CollectedFileTest, AFailureToWriteIsReportedAndClosingGoesOn) {
    // A folder of the file's name cannot be opened as a file, even by root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QFileInfo(writtenPath()).fileName()));
    testing::internal::CaptureStderr();
    {
        TRivazidad2000 dictionary(QString{});
        dictionary.SetCollect(true);
        dictionary.Translate(QStringLiteral("Exit"));
    }
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("could not be written"), std::string::npos) << report;
    EXPECT_NE(report.find(writtenPath().toStdString()), std::string::npos) << report;
}

TEST_F(CollectedFileTest, AFullDiskIsReportedToo) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full on this system";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), writtenPath()));
    EXPECT_EQ(writeCollectedFile(writtenPath(), QByteArray("[Exit]=Exit|$$\r\n")).isEmpty(), false);
    testing::internal::CaptureStderr();
    {
        TRivazidad2000 dictionary(QString{});
        dictionary.SetCollect(true);
        dictionary.Translate(QStringLiteral("Exit"));
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be written"), std::string::npos);
}

} // namespace
