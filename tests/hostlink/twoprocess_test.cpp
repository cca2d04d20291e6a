// Exchanges with the stand-in host in its own process, and starts of the real program.
#include "hostlink/marvestodemon.h"
#include "hostlinktestutil.h"
#include "twoprocess.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

namespace {

QString hex(LinkHandle handle) {
    return QString::number(handle, 16);
}

// A client of the host, as a program would have it after loading; several may run in one test.
std::unique_ptr<TkdbDemonClient> connectedClient(const HostProcess& host) {
    auto client = std::make_unique<TkdbDemonClient>(nullptr, QStringList{"prog", host.serverArgument()});
    client->SetMultiStart(true);
    client->Loaded();
    return client;
}

} // namespace

TEST(TwoProcess, RegisterAndUnregisterAreSeenByTheHost) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    const QString own = hex(client->OwnEntity().WindowHandle());
    EXPECT_NE(client->ServerEntity().WindowHandle(), 0u);
    EXPECT_TRUE(client->ServerEntity().IsAlive());
    EXPECT_TRUE(host.take(QStringLiteral("registered %1 %2").arg(own, QCoreApplication::applicationName())));
    client.reset();
    EXPECT_TRUE(
        host.take(QStringLiteral("unregistered %1 %2").arg(own, QCoreApplication::applicationName())));
}

TEST(TwoProcess, EntitiesAreFoundByTitleAndByHandle) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    const LinkHandle own = client->OwnEntity().WindowHandle();
    const std::unique_ptr<TEntity> byTitle = client->FindEntityByTitle(QCoreApplication::applicationName());
    ASSERT_TRUE(byTitle);
    EXPECT_EQ(byTitle->WindowHandle(), own);
    EXPECT_EQ(byTitle->GetFileName(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(byTitle->Owner(), client.get());
    const std::unique_ptr<TEntity> byHandle = client->FindEntityByHandle(own);
    ASSERT_TRUE(byHandle);
    EXPECT_EQ(byHandle->GetTitle(), QCoreApplication::applicationName());
    EXPECT_FALSE(client->FindEntityByTitle(QStringLiteral("nobody")));
    EXPECT_FALSE(client->FindEntityByHandle(own + 1));
    // An entity known only by its window is completed from the host.
    TEntity partial(client.get());
    partial.SetWindowHandle(own);
    EXPECT_EQ(partial.GetTitle(), QCoreApplication::applicationName());
}

TEST(TwoProcess, FilesNamesTextsAndVariablesComeFromTheHost) {
    QTemporaryDir files;
    QFile data(files.filePath(QStringLiteral("prog.itl")));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(QByteArray("[Exit]=Ende|$$\0\xff", 16));
    data.close();
    HostProcess host(
        {"--files", files.path(), "--variable", "MarvestoHomeDir=/home/books/", "--text", "a=b"});
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    EXPECT_EQ(client->QueryFileName(QStringLiteral("/somewhere/prog")),
              files.filePath(QStringLiteral("prog")));
    const std::unique_ptr<QIODevice> stream =
        client->GetFileStream(files.filePath(QStringLiteral("prog.itl")));
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->pos(), 0);
    EXPECT_EQ(stream->readAll(), QByteArray("[Exit]=Ende|$$\0\xff", 16));
    EXPECT_FALSE(client->GetFileStream(files.filePath(QStringLiteral("missing.itl"))));
    EXPECT_FALSE(client->GetFileStream(QStringLiteral("/etc/passwd"))); // outside the host's folder
    EXPECT_EQ(client->QueryVariable(QStringLiteral("MarvestoHomeDir")), QStringLiteral("/home/books/"));
    EXPECT_EQ(client->QueryVariable(QStringLiteral("Unknown")), QString());
    EXPECT_EQ(client->QueryText(QStringLiteral("a")), QStringLiteral("b"));
    EXPECT_EQ(client->QueryText(QStringLiteral("c")), QStringLiteral("c"));
}

TEST(TwoProcess, TextsOfEverySizeCrossTheLinkWhole) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    // Blocks just below, at and above the part read with the header (time stamp and length take
    // 12 bytes), and one far larger than the socket's buffers, so that it is sent in parts.
    const QString large = QStringLiteral("\u00e4x\u20ac").repeated(1 << 20);
    for (const QString& text : {QString(4083, QLatin1Char('a')), QString(4084, QLatin1Char('b')),
                                QString(4085, QLatin1Char('c')), large})
        EXPECT_EQ(client->QueryText(text), text) << text.size();
}

TEST(TwoProcess, AReplyWithAForeignTimeStampIsDroppedAndTheRequestIsAnsweredEmpty) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    ASSERT_TRUE(
        host.commandAndWait(QStringLiteral("wrong-stamp"), QStringLiteral("next reply stamped wrongly")));
    EXPECT_FALSE(client->FindEntityByTitle(QCoreApplication::applicationName()));
    EXPECT_EQ(client->PendingReplyCount(), 0);
    EXPECT_TRUE(client->FindEntityByTitle(QCoreApplication::applicationName()));
    EXPECT_EQ(client->PendingReplyCount(), 0);
}

TEST(TwoProcess, ProgramsAreStartedByTheHost) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    auto client = connectedClient(host);
    EXPECT_GT(client->ExecuteProgram(QStringLiteral("/bin/true"), QString(), false, 0), 0);
    // Not a child of the client: its exit code cannot be read, the wait ends with 0.
    EXPECT_EQ(client->ExecuteProgram(QStringLiteral("/bin/sh"), QStringLiteral("-c \"sleep 0.2; exit 4\""),
                                     true, 7),
              0);
    try {
        client->ExecuteProgram(QStringLiteral("/no/such/program"), QString(), false, 0);
        ADD_FAILURE() << "started";
    } catch (const ELernavo& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Could not execute \"/no/such/program.\""));
    }
}

TEST(TwoProcess, QuitFromTheHost) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    QPointer<TkdbDemonClient> client = connectedClient(host).release();
    const QString own = hex(client->OwnEntity().WindowHandle());
    bool allow = false;
    client->SetOnQuitMsgReceived([&](QObject*, bool, bool& allowQuit) { allowQuit = allow; });
    ASSERT_TRUE(host.commandAndWait(QStringLiteral("quit 1 ") + own, QStringLiteral("quit sent 0")));
    ASSERT_TRUE(client);
    EXPECT_TRUE(client->ServerDown()); // only recorded
    allow = true;
    ASSERT_TRUE(host.commandAndWait(QStringLiteral("quit 1 ") + own, QStringLiteral("quit sent 0")));
    EXPECT_TRUE(waitUntil([&] { return client.isNull(); }));
    // The host is going down: no farewell.
    ASSERT_TRUE(
        host.commandAndWait(QStringLiteral("wrong-stamp"), QStringLiteral("next reply stamped wrongly")));
    EXPECT_FALSE(host.seen(QStringLiteral("unregistered")));
}

TEST(RealProgram, QuitEndsItAndOnlyARunningHostGetsTheFarewell) {
    for (const bool serverDown : {true, false}) {
        HostProcess host;
        ASSERT_TRUE(host.started());
        const std::unique_ptr<QProcess> program = startProgram({host.serverArgument()});
        ASSERT_TRUE(waitUntil([] { return clientWindow() != 0; }));
        ASSERT_TRUE(waitUntil([] { return programLockHolder() != 0; })); // loaded
        host.command(QStringLiteral("quit %1 %2").arg(serverDown ? 1 : 0).arg(hex(clientWindow())));
        ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
        EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program->exitCode(), 0);
        EXPECT_EQ(host.take(QStringLiteral("unregistered"), serverDown ? 500 : 20000), !serverDown);
    }
}

TEST(RealProgram, APictureIsTakenBesideARunningCopy) {
    const std::unique_ptr<QProcess> first = startProgram({});
    ASSERT_TRUE(waitUntil([&] { return programLockHolder() == first->processId(); }));
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("shot.png"));
    const std::unique_ptr<QProcess> shot = startProgram({"--screenshot", picture});
    ASSERT_TRUE(shot->waitForFinished(60000));
    EXPECT_EQ(shot->exitCode(), 0);
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(programLockHolder(), first->processId()); // neither handed over nor took the lock
    first->kill();
    first->waitForFinished();
}

// The first copy here is a link in the test process that presents itself as the program.
TEST(RealProgram, ASecondStartHandsItsCommandLineToTheFirstAndEnds) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    ASSERT_EQ(programLockHolder(), 0);
    TkdbDemonClient first(nullptr, {"prog", host.serverArgument()});
    first.OwnEntity().SetFileName(QStringLiteral(KYVELO_PROGRAM));
    first.OwnEntity().SetTitle(QStringLiteral("kyvelo"));
    first.Loaded();
    ASSERT_EQ(programLockHolder(), QCoreApplication::applicationPid());
    int changes = 0;
    first.SetOnParamsChange([&](QObject*) { ++changes; });
    const std::unique_ptr<QProcess> second = startProgram({"Extra", host.serverArgument(), "two words"});
    ASSERT_TRUE(waitUntil([&] { return second->state() == QProcess::NotRunning; }));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(first.Params(), (QStringList{KYVELO_PROGRAM, "Extra", "two words"}));
    EXPECT_EQ(first.ParamStr(0), QCoreApplication::applicationFilePath());
}

TEST(RealProgram, ASecondStartWhoseFirstCopyDoesNotAnswerSaysSoAndFails) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    TkdbDemonClient first(nullptr, {"prog", host.serverArgument()});
    first.OwnEntity().SetFileName(QStringLiteral(KYVELO_PROGRAM));
    first.OwnEntity().SetTitle(QStringLiteral("kyvelo"));
    first.Loaded();
    ASSERT_EQ(programLockHolder(), QCoreApplication::applicationPid());
    const std::unique_ptr<QProcess> second =
        startProgram({host.serverArgument()}, QProcess::SeparateChannels);
    // This process runs no event loop while it waits: the first copy does not answer.
    ASSERT_TRUE(second->waitForFinished(kLinkSendTimeoutMs + 20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(
        second->readAllStandardError().contains("kyvelo: Kyvelo is already running but does not respond\n"));
}

TEST(RealProgram, TwentySimultaneousStartsLeaveExactlyOne) {
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 20; ++i)
        copies.push_back(startProgram({}));
    const auto running = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](const auto& p) { return p->state() != QProcess::NotRunning; });
    };
    ASSERT_TRUE(waitUntil([&] { return running() == 1; }, 120000)) << running() << " running";
    for (const auto& copy : copies) {
        if (copy->state() == QProcess::NotRunning) {
            EXPECT_EQ(copy->exitCode(), 0);
        }
    }
    const auto survivor = std::find_if(copies.begin(), copies.end(),
                                       [](const auto& p) { return p->state() == QProcess::Running; });
    ASSERT_NE(survivor, copies.end());
    EXPECT_TRUE(waitUntil([&] { return programLockHolder() == (*survivor)->processId(); }));
    (*survivor)->kill();
    (*survivor)->waitForFinished();
}

TEST(RealProgram, KillingTheFirstCopyLeavesNoStaleLock) {
    const std::unique_ptr<QProcess> first = startProgram({});
    ASSERT_TRUE(waitUntil([&] { return programLockHolder() == first->processId(); }));
    first->kill(); // the system ends it at once
    ASSERT_TRUE(first->waitForFinished(20000));
    const std::unique_ptr<QProcess> next = startProgram({});
    EXPECT_TRUE(waitUntil([&] { return programLockHolder() == next->processId(); }));
    EXPECT_EQ(next->state(), QProcess::Running);
    next->kill();
    next->waitForFinished();
}
