#include "platform/system/posixshell.h"

#include "../shellrecorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

void writeFile(const QString& path, const QByteArray& content, bool executable) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QByteArray waitForContent(const QString& path) {
    for (int i = 0; i < 1000 && !QFile::exists(path + QStringLiteral(".done")); ++i)
        QThread::msleep(10);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PosixShell, SchemesAreWebAddressesButDriveLettersAreNot) {
    for (const char* url : {"http://a.example", "HTTPS://a.example", "mailto:x@a.example", "file:///tmp"})
        EXPECT_TRUE(hasUrlScheme(QLatin1String(url))) << url;
    for (const char* path : {"C:\\prog.exe", "/usr/bin/env", "notes.txt", "1http://x"})
        EXPECT_FALSE(hasUrlScheme(QLatin1String(path))) << path;
}

TEST(PosixShell, OnlyWebMailAndFileAddressesReachTheDesktop) {
    const std::pair<const char*, bool> cases[] = {
        {"http", true},  {"HTTPS", true}, {"file", true}, {"mailto", true},   {"javascript", false},
        {"data", false}, {"help", false}, {"", false},    {"vbscript", false}};
    for (const auto& [scheme, openable] : cases)
        EXPECT_EQ(openableScheme(QLatin1String(scheme)), openable) << scheme;
    EXPECT_EQ(PosixShell().execute({QString(), QStringLiteral("javascript:alert(1)"), QString()}),
              ShellResult::kAccessDenied);
}

TEST(PosixShell, ProgramsWithOrWithoutExe) {
    QTemporaryDir dir;
    const QString quiz = dir.filePath(QStringLiteral("quiz"));
    writeFile(quiz, "#!/bin/sh\n", true);
    writeFile(dir.filePath(QStringLiteral("notes.exe")), "text", false);
    EXPECT_EQ(resolveProgram(quiz), quiz);
    EXPECT_EQ(resolveProgram(quiz + QStringLiteral(".EXE")), quiz);
    EXPECT_EQ(resolveProgram(dir.filePath(QStringLiteral("notes.exe"))), QString());
    EXPECT_EQ(resolveProgram(dir.filePath(QStringLiteral("missing.exe"))), QString());
    EXPECT_EQ(resolveProgram(QStringLiteral("sh.exe")), QStandardPaths::findExecutable(QStringLiteral("sh")));
}

TEST(PosixShell, StartsAProgramWithItsCommandLine) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString program = dir.filePath(QStringLiteral("record"));
    writeFile(program, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$1\"\ntouch \"$1.done\"\n", true);
    PosixShell shell;
    EXPECT_GT(shell.execute({QStringLiteral("open"), program + QStringLiteral(".exe"),
                             out + QStringLiteral(" \"two words\" 3")}),
              32);
    EXPECT_EQ(waitForContent(out), out.toUtf8() + "|two words|3|");
}

TEST(PosixShell, FailuresGiveTheirCodes) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("notes.exe")), "text", false);
    PosixShell shell;
    EXPECT_EQ(shell.execute({QString(), dir.filePath(QStringLiteral("missing.exe")), QString()}),
              ShellResult::kFileNotFound);
    EXPECT_EQ(shell.execute({QString(), dir.filePath(QStringLiteral("missing.txt")), QString()}),
              ShellResult::kFileNotFound);
    EXPECT_EQ(shell.execute({QStringLiteral("open"), dir.filePath(QStringLiteral("notes.exe")), QString()}),
              ShellResult::kAccessDenied);
}

TEST(PosixShell, ARecorderStandsInForTheSystemShell) {
    {
        ShellRecorder recorder;
        recorder.Result = 7;
        EXPECT_EQ(shellExecute({QString(), QStringLiteral("http://a.example"), QString()}), 7);
        ASSERT_EQ(recorder.Requests.size(), 1u);
        EXPECT_EQ(recorder.Requests[0].File, QStringLiteral("http://a.example"));
    }
    EXPECT_EQ(replaceShell(nullptr), nullptr); // the recorder put the system shell back
}
