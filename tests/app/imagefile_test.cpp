#include "app/imagefile.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The names in a folder as the system stores them, bytes and all, hidden ones among them.
QByteArrayList rawNames(const QString& folder) {
    QByteArrayList names;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    while (dirent* entry = readdir(dir))
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(QByteArray(entry->d_name));
    closedir(dir);
    return names;
}

QImage readRaw(const QByteArray& fileName) {
    QFile file;
    if (!file.open(::open(fileName.constData(), O_RDONLY | O_CLOEXEC), QIODevice::ReadOnly,
                   QFileDevice::AutoCloseHandle))
        return {};
    return QImageReader(&file).read();
}

QImage redSquare() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

TEST(ImageFile, NameKeepsItsBytesAndTheFormatIsTheOneAsked) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray notUtf8 = "caf\xe9\xff";
    ASSERT_EQ(writeImageFile(redSquare(), folder + notUtf8, "png"), QString());
    ASSERT_EQ(writeImageFile(redSquare(), folder + "plain.bmp", "jpg"), QString());
    QByteArrayList names = rawNames(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QByteArrayList{notUtf8, "plain.bmp"}));

    QFile written(QFile::decodeName(folder) + QStringLiteral("plain.bmp"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QImageReader::imageFormat(&written), QByteArray("jpeg")); // the suffix does not decide
    const QImage back = readRaw(folder + notUtf8);
    EXPECT_EQ(back.size(), QSize(4, 3));
    EXPECT_EQ(back.pixel(2, 1), qRgb(255, 0, 0));
    ::unlink((folder + notUtf8).constData()); // QTemporaryDir cannot remove a name it cannot decode
}

TEST(ImageFile, FailuresAreReportedAndLeaveNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    EXPECT_EQ(writeImageFile(redSquare(), folder + "missing/shot.png", "png"),
              QStringLiteral("No such file or directory"));
    EXPECT_FALSE(writeImageFile(redSquare(), folder + "shot.gif", "gif").isEmpty()); // read-only format here
    EXPECT_FALSE(writeImageFile(QImage(), folder + "empty.png", "png").isEmpty());
    EXPECT_TRUE(rawNames(dir.path()).isEmpty());
}
