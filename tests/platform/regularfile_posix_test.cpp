#include "platform/system/regularfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray native(const QTemporaryDir& dir, const char* name) {
    return QFile::encodeName(dir.filePath(QString::fromLatin1(name)));
}

void putFile(const QByteArray& path, const QByteArray& bytes, mode_t mode = 0644) {
    QFile file(QFile::decodeName(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    chmod(path.constData(), mode);
}

QByteArray content(const QByteArray& path) {
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Every name in the folder, hidden ones among them.
QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(RegularFile, OnlyARegularFileWithinTheSizeIsRead) {
    QTemporaryDir dir;
    putFile(native(dir, "file"), "12345");
    ASSERT_EQ(symlink(native(dir, "file").constData(), native(dir, "link").constData()), 0);
    ASSERT_EQ(symlink("/dev/zero", native(dir, "zero").constData()), 0);
    ASSERT_EQ(mkfifo(native(dir, "fifo").constData(), 0600), 0);
    const struct {
        const char* Name;
        qint64 MaxSize;
        SymbolicLinks Links;
        std::optional<QByteArray> Expected;
        const char* Failure;
    } cases[] = {
        // clang-format off
        {"file", 5, SymbolicLinks::Refuse, "12345", ""},
        {"file", 4, SymbolicLinks::Refuse, std::nullopt, "larger than 4 bytes"},
        {"link", 5, SymbolicLinks::Refuse, std::nullopt, "Too many levels of symbolic links"},
        {"link", 5, SymbolicLinks::Follow, "12345", ""},
        {"zero", 5, SymbolicLinks::Follow, std::nullopt, "not a regular file"}, // a device never ends
        {"fifo", 5, SymbolicLinks::Follow, std::nullopt, "not a regular file"}, // nobody writes: must not wait
        {".", 5, SymbolicLinks::Follow, std::nullopt, "not a regular file"},
        {"missing", 5, SymbolicLinks::Follow, std::nullopt, "No such file or directory"},
        // clang-format on
    };
    for (const auto& c : cases) {
        QString failure = QStringLiteral("unset");
        EXPECT_EQ(readRegularFile(native(dir, c.Name), c.MaxSize, c.Links, &failure), c.Expected) << c.Name;
        EXPECT_EQ(failure.toStdString(), c.Failure) << c.Name;
    }
}

TEST(RegularFile, AWriteReplacesTheWholeFileOrNothing) {
    QTemporaryDir dir;
    const mode_t savedMask = umask(022);
    EXPECT_EQ(writeFileAtomically(native(dir, "new"), "fresh"), QString());
    umask(savedMask);
    struct stat info {};
    ASSERT_EQ(stat(native(dir, "new").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);

    putFile(native(dir, "private"), "old and longer", 0600);
    EXPECT_EQ(writeFileAtomically(native(dir, "private"), "new"), QString());
    EXPECT_EQ(content(native(dir, "private")), "new");
    ASSERT_EQ(stat(native(dir, "private").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u); // keeps its permissions

    // A write that fails halfway (here at the file size limit) leaves the old file whole.
    putFile(native(dir, "kept"), "old");
    const auto savedHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit savedLimit{};
    getrlimit(RLIMIT_FSIZE, &savedLimit);
    rlimit small = savedLimit;
    small.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &small);
    const QString failure = writeFileAtomically(native(dir, "kept"), "far more than four bytes");
    setrlimit(RLIMIT_FSIZE, &savedLimit);
    signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(failure, QStringLiteral("File too large"));
    EXPECT_EQ(content(native(dir, "kept")), "old");
    EXPECT_EQ(entries(dir), (QStringList{"kept", "new", "private"})); // no half-written file left
}

TEST(RegularFile, NothingButARegularFileIsReplaced) {
    QTemporaryDir dir;
    putFile(native(dir, "target"), "target");
    ASSERT_EQ(symlink(native(dir, "target").constData(), native(dir, "link").constData()), 0);
    ASSERT_EQ(mkfifo(native(dir, "fifo").constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QStringList names{"fifo", "folder", "link"};
    // A device like /dev/full, where a failed write once removed the node; only root can make one.
    if (mknod(native(dir, "full").constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) names.append("full");
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        EXPECT_EQ(writeFileAtomically(path, "new"), QStringLiteral("Not a regular file")) << qPrintable(name);
    }
    EXPECT_EQ(content(native(dir, "target")), "target");
    struct stat info {};
    EXPECT_EQ(lstat(native(dir, "link").constData(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    QStringList all = names << "target";
    all.sort();
    EXPECT_EQ(entries(dir), all);
}

TEST(RegularFile, OnlyWhatTheUserMayWriteInPlaceIsReplacedAndKeepsItsOwner) {
    QTemporaryDir dir;
    putFile(native(dir, "linked"), "old");
    ASSERT_EQ(link(native(dir, "linked").constData(), native(dir, "other name").constData()), 0);
    putFile(native(dir, "protected"), "old", 0444);
    putFile(native(dir, "theirs"), "old", 0640);
    // As root, the user's file stays the user's; otherwise a file of one's own keeps its group.
    const uid_t owner = geteuid() == 0 ? 4321 : geteuid();
    const gid_t group = geteuid() == 0 ? 4321 : getegid();
    ASSERT_EQ(chown(native(dir, "theirs").constData(), owner, group), 0);
    const struct {
        const char* Name;
        QString Failure;
    } cases[] = {
        {"linked",
         QStringLiteral("it has 2 hard links, which would keep the old content; remove the others first")},
        // Root may write any file in place, and so may replace it.
        {"protected", geteuid() == 0 ? QString() : QStringLiteral("Permission denied")},
        {"theirs", QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writeFileAtomically(native(dir, c.Name), "new"), c.Failure) << c.Name;
        EXPECT_EQ(content(native(dir, c.Name)), c.Failure.isEmpty() ? "new" : "old") << c.Name;
    }
    EXPECT_EQ(content(native(dir, "other name")), "old");
    struct stat info {};
    ASSERT_EQ(stat(native(dir, "theirs").constData(), &info), 0);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
