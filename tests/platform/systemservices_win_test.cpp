// The Windows services behind the system's interfaces, in this process and with a child.
#include "platform/system/configfolder.h"
#include "platform/system/lasterror.h"
#include "platform/system/localevariables.h"
#include "platform/system/namedmutex.h"
#include "platform/system/processwait.h"
#include "platform/system/regularfile.h"
#include "platform/system/settingsvalue.h"
#include "platform/system/windowsshell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <qt_windows.h>

namespace {

// A key of the test's own below HKEY_CURRENT_USER, removed with the object.
class ScopedRegistryKey {
public:
    ScopedRegistryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kPath); }
    ~ScopedRegistryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kPath); }
    static QString path() { return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(kPath); }
    // Writes a value in the 32-bit view, where the settings are read.
    static bool set(const wchar_t* subkey, const wchar_t* name, DWORD type, const void* data, DWORD size) {
        const std::wstring key = std::wstring(kPath) + L"\\" + subkey;
        HKEY handle = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY,
                            nullptr, &handle, nullptr) != ERROR_SUCCESS)
            return false;
        const bool written =
            RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
        RegCloseKey(handle);
        return written;
    }

private:
    static constexpr const wchar_t* kPath = L"Software\\KyveloTests\\marvesto";
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(WindowsNamedMutex, OneHolderAtATimeWhoseProcessIsKnownAndFreedWithIt) {
    const QString name = QStringLiteral("LV_mutex_test");
    EXPECT_EQ(NamedMutex::holder(name), 0);
    NamedMutex::Attempt first = NamedMutex::tryAcquire(name);
    ASSERT_EQ(first.Result, NamedMutex::State::Acquired);
    EXPECT_EQ(NamedMutex::holder(name), QCoreApplication::applicationPid());
    const NamedMutex::Attempt second = NamedMutex::tryAcquire(name);
    EXPECT_EQ(second.Result, NamedMutex::State::HeldElsewhere);
    EXPECT_FALSE(second.Mutex);
    first.Mutex.reset();
    EXPECT_EQ(NamedMutex::holder(name), 0);
    EXPECT_EQ(NamedMutex::tryAcquire(name).Result, NamedMutex::State::Acquired);
    const NamedMutex::Attempt refused = NamedMutex::tryAcquire(QStringLiteral("a\\b"));
    EXPECT_EQ(refused.Result, NamedMutex::State::Failed);
    EXPECT_EQ(refused.ErrorNumber, ERROR_INVALID_NAME);
}

TEST(WindowsSettingsValue, TheRegistryKeysTextValueOrEmptyOrWhyNot) {
    const ScopedRegistryKey key;
    const wchar_t text[] = L" 00a1b2 ";
    const DWORD number = 7;
    ASSERT_TRUE(ScopedRegistryKey::set(L"demon", L"ViewerHandle", REG_SZ, text, sizeof text));
    ASSERT_TRUE(ScopedRegistryKey::set(L"demon", L"Number", REG_DWORD, &number, sizeof number));
    const struct {
        const char* Section;
        const char* Key;
        const char* Value;
        const char* Refusal;
    } cases[] = {
        {"demon", "ViewerHandle", "00a1b2", ""},
        {"demon", "Missing", "", ""},
        {"other", "ViewerHandle", "", ""},
        {"demon", "Number", "", "the value Number is not text"},
    };
    for (const auto& c : cases) {
        QString refusal;
        EXPECT_EQ(readSettingsValue(ScopedRegistryKey::path(), QLatin1String(c.Section), QLatin1String(c.Key),
                                    &refusal)
                      .toStdString(),
                  c.Value)
            << c.Section << " " << c.Key;
        EXPECT_EQ(refusal.toStdString(), c.Refusal) << c.Section << " " << c.Key;
    }
}

TEST(WindowsProcessHandle, WaitsForTheEndAndGivesTheExitCode) {
    QProcess child;
    child.start(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), QStringLiteral("exit 3")});
    ASSERT_TRUE(child.waitForStarted());
    const std::unique_ptr<ProcessHandle> process = ProcessHandle::open(child.processId());
    ASSERT_TRUE(process);
    EXPECT_EQ(process->waitForExit(), 3);
    child.waitForFinished();
    EXPECT_FALSE(ProcessHandle::open(0));
}

TEST(WindowsLastError, TheSystemsSentenceOrEmpty) {
    const QString notFound = systemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(notFound.isEmpty());
    EXPECT_FALSE(notFound.endsWith(QLatin1Char('.')) || notFound.endsWith(QLatin1Char('\n')))
        << qPrintable(notFound);
    EXPECT_EQ(systemErrorText(0), QString());
    EXPECT_EQ(systemErrorText(0x7fff0001), QString());
}

TEST(WindowsConfigFolder, TheUsersApplicationDataFolder) {
    const auto folder = [](const char* appData) {
        return userConfigFolder([appData](const char* name) {
            return QByteArray(name) == "APPDATA" ? QByteArray(appData) : QByteArray("/home/x");
        });
    };
    EXPECT_EQ(folder("C:\\Users\\Ann\\AppData\\Roaming"), QStringLiteral("C:/Users/Ann/AppData/Roaming"));
    EXPECT_EQ(folder("relative"), QString());
    EXPECT_EQ(folder(""), QString());
}

TEST(WindowsShell, AnAddressOfAnotherSchemeIsRefusedAndAMissingFileNotFound) {
    QTemporaryDir dir;
    WindowsShell shell;
    EXPECT_EQ(shell.execute({QString(), QStringLiteral("javascript:alert(1)"), QString()}),
              ShellResult::kAccessDenied);
    EXPECT_EQ(shell.execute({QStringLiteral("open"), dir.filePath(QStringLiteral("missing.txt")), QString()}),
              ShellResult::kFileNotFound);
}

TEST(WindowsRegularFile, ReadWithinTheCapAndReplacedWhole) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    writeFile(file, "12345");
    const struct {
        QString Path;
        qint64 Cap;
        std::optional<QByteArray> Content;
        QString Failure;
    } cases[] = {
        {file, 5, QByteArray("12345"), QString()},
        {file, 4, std::nullopt, QStringLiteral("larger than 4 bytes")},
        {dir.path(), 5, std::nullopt, QStringLiteral("not a regular file")},
        {dir.filePath(QStringLiteral("missing")), 5, std::nullopt, systemErrorText(ERROR_FILE_NOT_FOUND)},
    };
    for (const auto& c : cases) {
        QString failure;
        EXPECT_EQ(readRegularFile(QFile::encodeName(c.Path), c.Cap, SymbolicLinks::Refuse, &failure),
                  c.Content)
            << qPrintable(c.Path);
        EXPECT_EQ(failure, c.Failure) << qPrintable(c.Path);
    }
    EXPECT_EQ(writeFileAtomically(QFile::encodeName(file), "new"), QString());
    EXPECT_EQ(readRegularFile(QFile::encodeName(file), 5), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});
    EXPECT_EQ(writeFileAtomically(QFile::encodeName(dir.path()), "x"), QStringLiteral("Not a regular file"));
}

TEST(WindowsLocaleVariables, LangNotSetIsTheUsersLocaleWrittenAsTheVariable) {
    const QByteArray old = qgetenv("LANG");
    qputenv("LANG", "el_GR.UTF-8");
    EXPECT_EQ(localeVariable("LANG"), QByteArray("el_GR.UTF-8"));
    qunsetenv("LANG");
    const QByteArray own = localeVariable("LANG");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[a-z]{2,3}(_[A-Za-z0-9_]+)?$"))
                    .match(QString::fromLatin1(own))
                    .hasMatch())
        << own.constData();
    EXPECT_EQ(localeVariable("LC_MESSAGES"), QByteArray());
    qputenv("LANG", old);
}
