#include "platform/system/lasterror.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/namedmutex.h"
#include "platform/system/processwait.h"
#include "platform/system/settingsvalue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : FName(name), FOld(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { qputenv(FName, FOld); }

private:
    const char* FName;
    QByteArray FOld;
};

} // namespace

TEST(LinkDirectory, IsPrivateToTheUserAndRefusedWhenOpenToOthers) {
    QTemporaryDir runtime;
    ScopedEnv env("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString directory = linkDirectory();
    ASSERT_EQ(directory, runtime.path() + QStringLiteral("/kyvelo-link"));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(directory).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    chmod(QFile::encodeName(directory).constData(), 0755);
    EXPECT_EQ(linkDirectory(), QString());
    EXPECT_EQ(errno, EACCES);
}

TEST(NamedMutex, OneHolderAtATimeAndFreedWithTheHolder) {
    NamedMutex::Attempt first = NamedMutex::tryAcquire(QStringLiteral("LV_mutex_test"));
    ASSERT_EQ(first.Result, NamedMutex::State::Acquired);
    ASSERT_TRUE(first.Mutex);
    EXPECT_GE(first.Mutex->handle(), 0);
    const NamedMutex::Attempt second = NamedMutex::tryAcquire(QStringLiteral("LV_mutex_test"));
    EXPECT_EQ(second.Result, NamedMutex::State::HeldElsewhere);
    EXPECT_FALSE(second.Mutex);
    first.Mutex.reset();
    EXPECT_EQ(NamedMutex::tryAcquire(QStringLiteral("LV_mutex_test")).Result, NamedMutex::State::Acquired);
    for (const char* bad : {"", "a/b", "..", "."}) {
        const NamedMutex::Attempt refused = NamedMutex::tryAcquire(QLatin1String(bad));
        EXPECT_EQ(refused.Result, NamedMutex::State::Failed) << bad;
        EXPECT_EQ(refused.ErrorNumber, EINVAL) << bad;
    }
}

TEST(SettingsValue, ReadsOneValueAndEverythingMissingReadsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("marvesto.ini"));
    ScopedEnv env("KYVELO_HOST_SETTINGS", QFile::encodeName(path));
    EXPECT_EQ(settingsFilePath(), path);
    EXPECT_EQ(readSettingsValue(QStringLiteral("demon"), QStringLiteral("ViewerHandle")), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[other]\nViewerHandle=wrong\n\n[demon]\n  ViewerHandle = 00000000 \nList=a, b\n");
    file.close();
    EXPECT_EQ(readSettingsValue(QStringLiteral("demon"), QStringLiteral("ViewerHandle")),
              QStringLiteral("00000000"));
    EXPECT_EQ(readSettingsValue(QStringLiteral("demon"), QStringLiteral("List")), QStringLiteral("a, b"));
    EXPECT_EQ(readSettingsValue(QStringLiteral("demon"), QStringLiteral("Missing")), QString());
    EXPECT_EQ(readSettingsValue(QStringLiteral("none"), QStringLiteral("ViewerHandle")), QString());
}

TEST(ProcessHandle, WaitsForTheEndAndGivesAChildsExitCode) {
    const pid_t child = fork();
    if (child == 0) {
        usleep(50000);
        _exit(3);
    }
    ASSERT_GT(child, 0);
    const std::unique_ptr<ProcessHandle> process = ProcessHandle::open(child);
    ASSERT_TRUE(process);
    EXPECT_EQ(process->waitForExit(), 3);
    EXPECT_FALSE(ProcessHandle::open(child)); // reaped: gone
    EXPECT_FALSE(ProcessHandle::open(0));
}

TEST(LastError, SystemTextOrEmpty) {
    EXPECT_EQ(systemErrorText(ENOENT), QStringLiteral("No such file or directory"));
    EXPECT_EQ(systemErrorText(0), QString());
    EXPECT_EQ(systemErrorText(99999), QString());
    EXPECT_EQ(systemErrorText(EACCES), QStringLiteral("Permission denied"));
}
