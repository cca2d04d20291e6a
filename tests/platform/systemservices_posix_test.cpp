#include "platform/system/lasterror.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/namedmutex.h"
#include "platform/system/processwait.h"
#include "platform/system/settingsvalue.h"

#include <gtest/gtest.h>

#include <QDir>
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

TEST(LinkDirectory, TheRuntimeFolderElseTheTemporaryOneElseNoneAndWhatWasWrong) {
    QTemporaryDir root;
    const QString top = root.path();
    QDir(top).mkpath(QStringLiteral("run"));
    QDir(top).mkpath(QStringLiteral("tmp"));
    QDir(top).mkpath(QStringLiteral("open/kyvelo-link"));
    chmod(QFile::encodeName(top + QStringLiteral("/open/kyvelo-link")).constData(), 0755);
    const QString uid = QString::number(getuid());
    QDir(top).mkpath(QStringLiteral("taken/kyvelo-link-") + uid);
    chmod(QFile::encodeName(top + QStringLiteral("/taken/kyvelo-link-") + uid).constData(), 0755);
    const QString longName = QStringLiteral("/") + QString(100, QLatin1Char('x'));
    QDir(top).mkpath(longName.mid(1));
    struct Case {
        QString Runtime;
        QString Temp;
        QString Path;
        QString Problem;
    };
    std::vector<Case> cases = {
        {"@/run", "@/tmp", "@/run/kyvelo-link", ""},
        {"", "@/tmp", "@/tmp/kyvelo-link-#", ""},
        {"relative", "@/tmp", "@/tmp/kyvelo-link-#", "XDG_RUNTIME_DIR \"relative\" is not an absolute path"},
        {"@/missing", "@/tmp", "@/tmp/kyvelo-link-#", "@/missing: No such file or directory"},
        {"@/open", "@/tmp", "@/tmp/kyvelo-link-#", "@/open/kyvelo-link: other users may enter it"},
        {"@" + longName, "@/tmp", "@/tmp/kyvelo-link-#",
         "@" + longName + "/kyvelo-link: the path is too long for the names of sockets"},
        {"relative", "@/taken", "",
         "XDG_RUNTIME_DIR \"relative\" is not an absolute path; @/taken/kyvelo-link-#: other users may enter "
         "it"},
    };
    // Another user's runtime folder, as after su; only root can make one.
    QDir(top).mkpath(QStringLiteral("foreign"));
    if (chown(QFile::encodeName(top + QStringLiteral("/foreign")).constData(), 65534, 65534) == 0)
        cases.push_back(
            {"@/foreign", "@/tmp", "@/tmp/kyvelo-link-#", "@/foreign: it belongs to another user"});
    const auto expand = [&](QString text) {
        return text.replace(QLatin1Char('@'), top).replace(QLatin1Char('#'), uid);
    };
    for (const Case& c : cases) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(expand(c.Runtime)));
        ScopedEnv temp("TMPDIR", QFile::encodeName(expand(c.Temp)));
        const LinkDirectory found = findLinkDirectory();
        const int error = errno;
        EXPECT_EQ(found.Path, expand(c.Path)) << qPrintable(c.Runtime);
        EXPECT_EQ(found.Problem, expand(c.Problem)) << qPrintable(c.Runtime);
        if (c.Path.isEmpty()) {
            EXPECT_EQ(error, EACCES);
        }
    }
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(top + QStringLiteral("/run/kyvelo-link")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
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
    // A symbolic link or a FIFO put in the lock file's place is refused at once and left as it is.
    const QByteArray directory = QFile::encodeName(linkDirectory());
    ASSERT_EQ(symlink(directory + "/elsewhere", directory + "/LV_link.lock"), 0);
    ASSERT_EQ(mkfifo(directory + "/LV_fifo.lock", 0600), 0);
    for (const char* name : {"LV_link", "LV_fifo"})
        EXPECT_EQ(NamedMutex::tryAcquire(QLatin1String(name)).Result, NamedMutex::State::Failed) << name;
    EXPECT_FALSE(QFile::exists(QFile::decodeName(directory + "/elsewhere")));
}

TEST(SettingsValue, ALinkedFileIsReadAndARefusedOneSaysWhy) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    QFile file(path("shared.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[demon]\nViewerHandle=1a2b\n");
    file.close();
    ASSERT_EQ(symlink(QFile::encodeName(path("shared.ini")).constData(),
                      QFile::encodeName(path("link.ini")).constData()),
              0);
    ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(path("zero.ini")).constData()), 0);
    const struct {
        const char* Name;
        const char* Value;
        const char* Refusal;
    } cases[] = {
        {"link.ini", "1a2b", ""},
        {"zero.ini", "", "not a regular file"},
        {"missing.ini", "", ""},
    };
    for (const auto& c : cases) {
        QString refusal;
        EXPECT_EQ(
            readSettingsValue(path(c.Name), QStringLiteral("demon"), QStringLiteral("ViewerHandle"), &refusal)
                .toStdString(),
            c.Value)
            << c.Name;
        EXPECT_EQ(refusal.toStdString(), c.Refusal) << c.Name;
    }
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
