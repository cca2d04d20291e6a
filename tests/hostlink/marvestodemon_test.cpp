#include "hostlink/copydata.h"
#include "hostlink/marvestodemon.h"
#include "hostlink/messagecodes.h"
#include "hostlinktestutil.h"
#include "hostwindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPointer>
#include <QTemporaryDir>
#include <QtEndian>

#include <set>
#include <utility>

namespace {

// A host window inside the test process: records what it gets and answers requests, the reply
// going back to the asking window before the request returns.
class LocalHost : public HostWindow {
public:
    explicit LocalHost(const QString& handleText)
        : HostWindow(handleText, [this](LinkHandle from, std::unique_ptr<TLernavoMessageStream> msg) {
              Codes.push_back(msg->MsgCode());
              Stamps.push_back(msg->TimeStamp());
              if (msg->MsgCode() == mcQueryText) replyText(from, *msg, QStringLiteral("answer:"));
              if (msg->MsgCode() == mcQueryText && Twice) replyText(from, *msg, QStringLiteral("again:"));
              if (msg->MsgCode() == mcQueryEntity) replyWith(from, *msg, EntityAnswer);
          }) {}

    std::vector<qint32> Codes;
    std::vector<LinkTimeStamp> Stamps;
    bool Twice = false;      // each text reply sent twice, the second saying "again:"
    QByteArray EntityAnswer; // the content of every answer to an entity query

private:
    void replyText(LinkHandle to, TLernavoMessageStream& request, const QString& prefix) {
        TLernavoMessageStream text(nullptr);
        request.SetPosition(0);
        text.WriteString(prefix + request.ReadString());
        reply(to, request, text);
    }
    void replyWith(LinkHandle to, const TLernavoMessageStream& request, const QByteArray& content) {
        TLernavoMessageStream answer(nullptr);
        answer.WriteBytes(content);
        reply(to, request, answer);
    }
};

QByteArray block(const QByteArray& content) {
    return QByteArray(8, '\0') + content;
}

void processPostedEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

TEST(DemonCommandLine, HandleTextFromTheSettingsOrTheLastServerHandleArgument) {
    const QStringList args{"/p/prog", "/ServerHandle=AbC", "x", "/serverhandle=D1"};
    const struct {
        const char* Settings;
        QStringList Arguments;
        const char* Expected;
    } cases[] = {
        {"00000000", {"/p/prog", "/SERVERHANDLE=AbC"}, "abc"}, // prefix in any case, text lower-cased
        {"", args, "d1"},                                      // the last one wins
        {"00000000", {"/p/prog", "x"}, "00000000"},            // none: stays as read
        {"", {"/serverhandle=first-is-the-program"}, ""},      // argument 0 is not looked at
        {"Handle7", args, "Handle7"},                          // a real value: arguments ignored
    };
    for (const auto& c : cases)
        EXPECT_EQ(serverHandleText(QLatin1String(c.Settings), c.Arguments), QLatin1String(c.Expected))
            << c.Settings;
    EXPECT_EQ(serverWindowClassName(QStringLiteral("d1")),
              QStringLiteral("ThisIsTheLernavoServerComponentWindowClassd1"));
    EXPECT_EQ(serverWindowTitle(QStringLiteral("d1")),
              QStringLiteral("ThisIsTheLernavoServerComponentWindowd1"));
}

TEST(DemonCommandLine, ParamsLoseTheServerHandleOnlyWithALowerCasePrefix) {
    EXPECT_EQ(
        paramsWithoutServerHandle({"/p/prog", "/serverhandle=1", "/ServerHandle=2", "a", "/serverhandle="}),
        (QStringList{"/p/prog", "/ServerHandle=2", "a"}));
}

TEST(DemonClient, FindsTheHostNamedByTheSettingsOrTheArgument) {
    LocalHost host(QStringLiteral("abc"));
    {
        ScopedViewerHandle settings("00000000");
        TkdbDemonClient client(nullptr, {"/p/prog", "/SERVERHANDLE=ABC"});
        EXPECT_EQ(client.ServerEntity().WindowHandle(), host.handle());
        EXPECT_NE(client.OwnEntity().WindowHandle(), 0u);
        EXPECT_EQ(client.OwnEntity().GetFileName(), QCoreApplication::applicationFilePath());
        EXPECT_EQ(client.OwnEntity().GetTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(client.Params(), (QStringList{"/p/prog", "/SERVERHANDLE=ABC"}));
    }
    ScopedViewerHandle settings("zzz");
    TkdbDemonClient client(nullptr, {"/p/prog", "/serverhandle=abc"});
    EXPECT_EQ(client.ServerEntity().WindowHandle(), 0u);
    EXPECT_EQ(client.Params(), (QStringList{"/p/prog"}));
}

TEST(DemonClient, PublishesFourBooleansAndThreeEvents) {
    TkdbDemonClient client(nullptr, {"prog"});
    const QMetaObject* meta = client.metaObject();
    QStringList names;
    for (int i = 0; i < meta->propertyCount(); ++i)
        names.append(QLatin1String(meta->property(i).name()));
    EXPECT_EQ(names.mid(names.indexOf(QStringLiteral("AutoTranslate"))),
              (QStringList{"AutoTranslate", "AutoCreateItlFile", "MultiStart", "UseMarvestoServer"}));
    EXPECT_TRUE(client.AutoTranslate());
    EXPECT_FALSE(client.AutoCreateItlFile());
    EXPECT_FALSE(client.MultiStart());
    EXPECT_TRUE(client.UseMarvestoServer());
    client.SetAutoCreateItlFile(true);
    EXPECT_TRUE(client.AutoCreateItlFile());
    client.SetAutoCreateItlFile(false);
    for (const char* event : {"OnGotAMessage", "OnQuitMsgReceived", "OnParamsChange"})
        EXPECT_TRUE(client.PublishedEvents().contains(QLatin1String(event))) << event;
}

TEST(DemonClient, ParamStrAndParamsFromASecondCopy) {
    LocalHost other(QStringLiteral("params"));
    TkdbDemonClient client(nullptr, {"/p/prog", "a", "b"});
    EXPECT_EQ(client.ParamCount(), 2);
    EXPECT_EQ(client.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(client.ParamStr(2), QStringLiteral("b"));
    for (int bad : {-1, 3}) {
        try {
            client.ParamStr(bad);
            ADD_FAILURE() << bad;
        } catch (const ELernavo& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(bad));
        }
    }
    int changes = 0;
    client.SetOnParamsChange([&](QObject* sender) {
        EXPECT_EQ(sender, &client);
        ++changes;
    });
    other.deliver(client.OwnEntity().WindowHandle(), mcParams, block("/q/other\r\nx y\r\n"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(client.Params(), (QStringList{"/q/other", "x y"}));
    EXPECT_EQ(client.ParamCount(), 1);
    EXPECT_EQ(client.ParamStr(0), QCoreApplication::applicationFilePath());
}

// Only a reply that a request waits for is kept, so no peer can pile up replies.
TEST(DemonClient, RepliesAreMatchedByTimeStampAndOnlyTheFirstAwaitedOneIsKept) {
    ScopedViewerHandle settings("stamps");
    LocalHost host(QStringLiteral("stamps"));
    TkdbDemonClient client(nullptr, {"prog"});
    EXPECT_EQ(client.QueryText(QStringLiteral("q")), QStringLiteral("answer:q"));
    EXPECT_EQ(client.PendingReplyCount(), 0);
    host.stampNextReplyWrongly();
    EXPECT_THROW(client.QueryText(QStringLiteral("q")), EReadError); // answered empty
    EXPECT_EQ(client.PendingReplyCount(), 0);
    host.Twice = true;
    EXPECT_EQ(client.QueryText(QStringLiteral("t")), QStringLiteral("answer:t"));
    EXPECT_EQ(client.PendingReplyCount(), 0);
    host.Twice = false;
    TLernavoMessageStream request(&client);
    request.SetMsgCode(mcQueryText);
    request.WriteString(QStringLiteral("r"));
    TLernavoMessageStream reply(nullptr);
    request.SendTo(client.ServerEntity(), &reply);
    EXPECT_EQ(reply.Owner(), &client);
    EXPECT_EQ(reply.TimeStamp(), request.TimeStamp());
    EXPECT_EQ(reply.ReadString(), QStringLiteral("answer:r"));
    EXPECT_EQ(client.PendingReplyCount(), 0);
}

// Many requests go out within one millisecond; each must still be told apart from the others.
TEST(DemonClient, RequestsInQuickSuccessionCarryStampsOfTheirOwn) {
    ScopedViewerHandle settings("burst");
    LocalHost host(QStringLiteral("burst"));
    TkdbDemonClient client(nullptr, {"prog"});
    host.Stamps.clear();
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(client.QueryText(QString::number(i)), QStringLiteral("answer:") + QString::number(i));
    std::set<std::pair<qint32, qint32>> distinct;
    for (const LinkTimeStamp& stamp : host.Stamps)
        distinct.insert({stamp.Date, stamp.Time});
    EXPECT_EQ(host.Stamps.size(), 50u);
    EXPECT_EQ(distinct.size(), host.Stamps.size());
}

TEST(DemonClient, QuitRecordsServerDownAndEndsTheLinkUnlessRefused) {
    ScopedViewerHandle settings("quit");
    LocalHost host(QStringLiteral("quit"));
    for (const bool serverDown : {false, true}) {
        QPointer<TkdbDemonClient> client = new TkdbDemonClient(nullptr, {"prog"});
        const LinkHandle window = client->OwnEntity().WindowHandle();
        bool allow = false;
        std::vector<bool> seen;
        client->SetOnQuitMsgReceived([&](QObject*, bool down, bool& allowQuit) {
            seen.push_back(down);
            allowQuit = allow;
        });
        host.deliver(window, mcQuit, block(serverDown ? "\x02" : QByteArray(1, '\0')));
        processPostedEvents();
        ASSERT_TRUE(client) << "refused quit";
        EXPECT_EQ(client->ServerDown(), serverDown);
        allow = true;
        host.Codes.clear();
        host.deliver(window, mcQuit, block(serverDown ? "\x01" : QByteArray(1, '\0')));
        ASSERT_TRUE(client) << "torn down inside its own window procedure";
        processPostedEvents();
        EXPECT_FALSE(client);
        EXPECT_EQ(seen, (std::vector<bool>{serverDown, serverDown}));
        EXPECT_EQ(host.Codes, serverDown ? std::vector<qint32>{} : std::vector<qint32>{mcUnregister});
    }
}

TEST(DemonClient, MalformedMessagesAreDroppedAndOthersReachOnGotAMessage) {
    LocalHost other(QStringLiteral("malformed"));
    TkdbDemonClient client(nullptr, {"prog"});
    const LinkHandle window = client.OwnEntity().WindowHandle();
    QByteArray got;
    client.SetOnGotAMessage([&](QObject*, TLernavoMessageStream& msg) { got = msg.Content(); });
    int changes = 0;
    client.SetOnParamsChange([&](QObject*) { ++changes; });
    other.deliver(window, mcParams, QByteArray(7, 'x')); // shorter than the time stamp
    other.deliver(window, mcQuit, block({}));            // no ServerDown byte
    processPostedEvents();
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(client.ServerDown());
    EXPECT_EQ(client.Params(), QStringList{"prog"});
    other.deliver(window, mcExecute, block("payload"));
    EXPECT_EQ(got, QByteArray("payload"));
    other.deliver(window, mcReply, block({})); // nobody waits for it
    EXPECT_EQ(client.PendingReplyCount(), 0);
    // Parameters up to the size of the largest command line are taken, larger ones dropped.
    const QByteArray line = QByteArray(kMaxParamsSize - 2, 'p') + "\r\n";
    other.deliver(window, mcParams, block(line + "x"));
    EXPECT_EQ(changes, 0);
    other.deliver(window, mcParams, block(line));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(client.Params().value(0).size(), kMaxParamsSize - 2);
}

TEST(DemonClient, WithoutTheHostVariablesAreAnsweredLocally) {
    TkdbDemonClient client(nullptr, {"prog"});
    client.SetUseMarvestoServer(false);
    const QString directory = QFileInfo(QCoreApplication::applicationFilePath()).path() + QLatin1Char('/');
    EXPECT_EQ(client.QueryVariable(QStringLiteral("MarvestoHomeDir")), directory);
    EXPECT_EQ(client.QueryVariable(QStringLiteral("MarvestoWorkArea")), directory);
    EXPECT_EQ(client.QueryVariable(QStringLiteral("marvestohomedir")), QString());
    EXPECT_EQ(client.QueryVariable(QStringLiteral("Other")), QString());
}

TEST(DemonClient, LoadingWithoutTheHostFailsOnlyWhenTheHostIsWanted) {
    TkdbDemonClient wanting(nullptr, {"prog"});
    wanting.SetMultiStart(true);
    try {
        wanting.Loaded();
        ADD_FAILURE() << "no error";
    } catch (const ELernavo& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Lernavo server application is not running"));
    }
    TkdbDemonClient alone(nullptr, {"prog"});
    alone.SetMultiStart(true);
    alone.SetUseMarvestoServer(false);
    alone.Loaded();
    EXPECT_FALSE(alone.IsLoading());
    EXPECT_EQ(alone.Translate(QStringLiteral("MMExplain")), QStringLiteral("MMExplain"));
}

// The copy that holds the lock is the first; the second asks the host about it and gets a record
// whose file name is cut short.
TEST(DemonClient, ASecondCopySaysWhatWasWrongWithTheHostsAnswer) {
    ScopedViewerHandle settings("cut");
    LocalHost host(QStringLiteral("cut"));
    host.EntityAnswer =
        QByteArray::fromHex("01000000000000000500000061"); // 5 bytes of name announced, 1 sent
    TkdbDemonClient first(nullptr, {"prog"});
    first.SetUseMarvestoServer(false);
    first.Loaded();
    TkdbDemonClient second(nullptr, {"prog"});
    second.SetUseMarvestoServer(false);
    try {
        second.Loaded();
        ADD_FAILURE() << "no error";
    } catch (const ELernavo& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Another copy of the program is running, but the host's answer about "
                                 "it cannot be read (Stream read error: the message has 13 bytes, too "
                                 "few to read 5 from byte 12)"));
    }
}

TEST(DemonClient, ContentBeyondTheLimitIsRefusedWithAClearError) {
    LocalHost host(QStringLiteral("large"));
    TkdbDemonClient client(nullptr, {"prog"});
    TLernavoMessageStream msg(&client);
    msg.WriteBytes(QByteArray(kMaxContentSize + 1, 'x'));
    try {
        client.SendMsg(client.ServerEntity(), msg, nullptr);
        ADD_FAILURE() << "sent";
    } catch (const ELernavo& e) {
        EXPECT_EQ(
            e.Message(),
            QStringLiteral("Message too large: 67108857 bytes of content, at most 67108856 can be sent"));
    }
}

// The fuzzers' seeds are frames of these tests; each must be taken as the tests expect.
TEST(DemonClient, TheFuzzSeedsAreReceivedAsTheirCodesSay) {
    LocalHost other(QStringLiteral("seeds"));
    TkdbDemonClient client(nullptr, {"prog"});
    client.SetOnQuitMsgReceived([](QObject*, bool, bool& allowQuit) { allowQuit = false; });
    int others = 0;
    client.SetOnGotAMessage([&](QObject*, TLernavoMessageStream&) { ++others; });
    const QDir seeds(QStringLiteral(KYVELO_TEST_DATA "/hostlink/copydata"));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_EQ(names.size(), 10);
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const quint32 code = qFromLittleEndian<quint32>(bytes.constData());
        other.deliver(client.OwnEntity().WindowHandle(), static_cast<qint32>(code), bytes.mid(4));
    }
    EXPECT_TRUE(client.ServerDown());
    EXPECT_EQ(client.Params(), (QStringList{"/opt/kyvelo", "Extra"}));
    EXPECT_EQ(client.PendingReplyCount(), 0); // the reply seed answers no request
    EXPECT_EQ(others, 5);                     // register, two queries, execute, text
}
