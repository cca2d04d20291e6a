#include "localisation/languagefileread.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

TEST(LanguageFileRead, ARefusedFileIsPassedOverWithItsReasonAndTheNextOneRead) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.itl"));
    const QString big = dir.filePath(QStringLiteral("big.itl"));
    const QString zero = dir.filePath(QStringLiteral("zero.itl"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::WriteOnly));
    goodFile.write("[Exit]=Ende|$$");
    goodFile.close();
    QFile bigFile(big);
    ASSERT_TRUE(bigFile.open(QIODevice::WriteOnly) && bigFile.resize(kMaxLanguageFileSize + 1));
    bigFile.close();
    ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(zero).constData()), 0);
    const QString missing = dir.filePath(QStringLiteral("missing.itl"));
    const QString tooBig = QStringLiteral("larger than 4194304 bytes");
    const struct {
        QStringList Candidates;
        QString Found;
        QStringList PassedOver;
    } cases[] = {
        {{good, big}, good, {}},
        {{big, good}, good, {big + QStringLiteral(": ") + tooBig}},
        {{zero, missing, good},
         good,
         {zero + QStringLiteral(": not a regular file"),
          missing + QStringLiteral(": No such file or directory")}},
        {{big}, QString(), {big + QStringLiteral(": ") + tooBig}},
        {{}, QString(), {}},
    };
    for (const auto& c : cases) {
        QStringList passedOver;
        const std::optional<FoundLanguageFile> found = readFirstLanguageFile(
            c.Candidates, [&](const QString& path, const QString& why) { passedOver << path + ": " + why; });
        EXPECT_EQ(found ? found->Path : QString(), c.Found) << c.Candidates.join(' ').toStdString();
        EXPECT_EQ(found ? found->Bytes : QByteArray(), c.Found.isEmpty() ? QByteArray() : "[Exit]=Ende|$$");
        EXPECT_EQ(passedOver, c.PassedOver) << c.Candidates.join(' ').toStdString();
    }
}
