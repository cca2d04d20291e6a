// Exchanges with the real program that need POSIX signals: the end signals, and a first copy
// stopped so that it cannot answer.
#include "platform/system/linkdirectory.h"
#include "twoprocess.h"

#include <gtest/gtest.h>

#include <QDir>

#include <signal.h>

namespace {

// The names of the link windows' records and sockets in the link directory.
QStringList linkFiles() {
    return QDir(linkDirectory())
        .entryList({QStringLiteral("*.link"), QStringLiteral("*.sock")}, QDir::System | QDir::Files);
}

} // namespace

TEST(RealProgram, EndSignalsEndItAsExitDoes) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        HostProcess host;
        ASSERT_TRUE(host.started());
        const QStringList hostFiles = linkFiles();
        const std::unique_ptr<QProcess> program = startProgram({host.serverArgument()});
        ASSERT_TRUE(waitUntil([] { return programLockHolder() != 0; })); // loaded
        ASSERT_NE(linkFiles(), hostFiles);
        // A burst, as a terminal or a session manager may send: the second is absorbed.
        kill(static_cast<pid_t>(program->processId()), signalNumber);
        kill(static_cast<pid_t>(program->processId()), signalNumber);
        ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
        EXPECT_EQ(program->exitStatus(), QProcess::NormalExit) << signalNumber;
        EXPECT_EQ(program->exitCode(), 128 + signalNumber);
        EXPECT_TRUE(host.take(QStringLiteral("unregistered"))) << signalNumber;
        EXPECT_EQ(linkFiles(), hostFiles) << signalNumber;
        EXPECT_EQ(programLockHolder(), 0) << signalNumber;
    }
}

// Without a host the second start finds the first through the lock's holder and its link window.
TEST(RealProgram, ASecondStartWithoutHostRaisesTheFirstOrSaysItDoesNotRespond) {
    const std::unique_ptr<QProcess> first = startProgram({});
    ASSERT_TRUE(waitUntil([&] { return programLockHolder() == first->processId(); }));
    const std::unique_ptr<QProcess> second = startProgram({"x"}, QProcess::SeparateChannels);
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(second->readAllStandardError(), QByteArray());
    // QProcess may not have seen the first start complete yet (its notice waits for the event
    // loop); the lock says the first copy still runs.
    EXPECT_NE(first->state(), QProcess::NotRunning);
    EXPECT_EQ(programLockHolder(), first->processId());

    kill(static_cast<pid_t>(first->processId()), SIGSTOP);
    const std::unique_ptr<QProcess> third = startProgram({}, QProcess::SeparateChannels);
    const bool ended = third->waitForFinished(10000);
    kill(static_cast<pid_t>(first->processId()), SIGCONT);
    ASSERT_TRUE(ended);
    EXPECT_EQ(third->exitCode(), 1);
    EXPECT_TRUE(
        third->readAllStandardError().contains("kyvelo: Kyvelo is already running but does not respond\n"));
    first->kill();
    first->waitForFinished();
}
