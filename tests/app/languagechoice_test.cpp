#include "app/languagechoice.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

TEST(LanguageChoice, OnlyFilesTheLoaderWouldReadAreListed) {
    QTemporaryDir dir;
    const auto path = [&](const char* code) {
        return dir.filePath(QStringLiteral("kyvelo_%1.itl").arg(code));
    };
    QFile german(path("de"));
    ASSERT_TRUE(german.open(QIODevice::WriteOnly));
    german.write("[$languagename$]=Deutsch|$$");
    german.close();
    ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(path("zz")).constData()), 0);
    const QList<LanguageEntry> entries =
        languageEntries({{"de", path("de")}, {"zz", path("zz")}, {"xx", path("xx")}});
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].Code, QStringLiteral("de"));
    EXPECT_EQ(entries[0].Name, QStringLiteral("Deutsch"));
}
