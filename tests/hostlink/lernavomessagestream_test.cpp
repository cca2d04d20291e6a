#include "hostlink/copydata.h"
#include "hostlink/lernavomessagestream.h"
#include "hostlink/messagecodes.h"
#include "hostlinktestutil.h"

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const std::function<void(TLernavoMessageStream&)>& write) {
    TLernavoMessageStream msg(nullptr);
    write(msg);
    return msg.Content();
}

TLernavoMessageStream& withContent(TLernavoMessageStream& msg, const QByteArray& hex) {
    msg.WriteBytes(QByteArray::fromHex(hex));
    msg.SetPosition(0);
    return msg;
}

} // namespace

TEST(LernavoMessageStream, WireValuesAreLittleEndianAndStringsCarryTheirLength) {
    EXPECT_EQ(contentOf([](auto& m) { m.WriteString(QString()); }).toHex(), QByteArray("00000000"));
    EXPECT_EQ(contentOf([](auto& m) { m.WriteString(QStringLiteral("ab")); }).toHex(),
              QByteArray("020000006162"));
    EXPECT_EQ(contentOf([](auto& m) { m.WriteString(QStringLiteral("ä")); }).toHex(),
              QByteArray("02000000c3a4"));
    EXPECT_EQ(contentOf([](auto& m) { m.WriteInt32(-2); }).toHex(), QByteArray("feffffff"));
    EXPECT_EQ(contentOf([](auto& m) { m.WriteByte(2); }).toHex(), QByteArray("02"));
    EXPECT_EQ(contentOf([](auto& m) {
                  m.WriteLines({QStringLiteral("a"), QString(), QStringLiteral("b")});
              }),
              QByteArray("a\r\n\r\nb\r\n"));
}

TEST(LernavoMessageStream, ReadsCheckWhatIsLeft) {
    TLernavoMessageStream msg(nullptr);
    EXPECT_EQ(withContent(msg, "feffffff41").ReadString(), QString()); // negative length: empty
    EXPECT_EQ(msg.Position(), 4);                                      // and nothing more consumed
    EXPECT_EQ(msg.ReadByte(), 0x41);
    EXPECT_THROW(msg.ReadByte(), EReadError);

    TLernavoMessageStream lengthBeyondEnd(nullptr);
    EXPECT_THROW(withContent(lengthBeyondEnd, "0500000061626364").ReadString(), EReadError);
    TLernavoMessageStream shortInteger(nullptr);
    try {
        withContent(shortInteger, "010203").ReadInt32();
        ADD_FAILURE() << "read";
    } catch (const EReadError& e) {
        EXPECT_EQ(
            e.Message(),
            QStringLiteral("Stream read error: the message has 3 bytes, too few to read 4 from byte 0"));
    }
}

TEST(LernavoMessageStream, LinesEndAtCrLfCrOrLf) {
    TLernavoMessageStream msg(nullptr);
    msg.WriteBytes("p\r\na\rb\nc\r\n\nlast");
    msg.SetPosition(0);
    EXPECT_EQ(msg.ReadLines(), (QStringList{"p", "a", "b", "c", "", "last"}));
}

TEST(LernavoMessageStream, AssignCopiesEverythingButThePosition) {
    ScriptedDemon owner;
    TLernavoMessageStream source(&owner);
    source.SetTimeStamp({1, 2});
    source.SetMsgCode(mcReply);
    source.Sender().SetWindowHandle(77);
    source.Sender().SetTitle(QStringLiteral("T"));
    source.WriteBytes("abc");
    TLernavoMessageStream target(nullptr);
    target.Assign(source);
    EXPECT_EQ(target.TimeStamp(), (LinkTimeStamp{1, 2}));
    EXPECT_EQ(target.MsgCode(), mcReply);
    EXPECT_EQ(target.Sender().WindowHandle(), 77u);
    EXPECT_EQ(target.Sender().GetTitle(), QStringLiteral("T"));
    EXPECT_EQ(target.Content(), QByteArray("abc"));
    EXPECT_EQ(target.Position(), 0);
}

TEST(CopyData, BlockIsTimeThenDateThenContent) {
    TLernavoMessageStream msg(nullptr);
    msg.SetTimeStamp({0x01020304, 739957});
    msg.WriteBytes("xy");
    EXPECT_EQ(copyDataBlock(msg).toHex(), QByteArray("04030201"
                                                     "754a0b00"
                                                     "7879"));
    const std::unique_ptr<TLernavoMessageStream> received =
        messageFromCopyData(nullptr, 0x55, mcQueryText, copyDataBlock(msg));
    ASSERT_TRUE(received);
    EXPECT_EQ(received->MsgCode(), mcQueryText);
    EXPECT_EQ(received->TimeStamp(), msg.TimeStamp());
    EXPECT_EQ(received->Content(), QByteArray("xy"));
    EXPECT_EQ(received->Position(), 0);
    EXPECT_EQ(received->Sender().WindowHandle(), 0x55u);
    EXPECT_FALSE(messageFromCopyData(nullptr, 1, mcQuit, QByteArray(7, '\0')));
    const auto empty = messageFromCopyData(nullptr, 1, mcQuit, QByteArray(8, '\0'));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Size(), 0);
}

TEST(TimeStamp, MillisecondsOfTheDayAndDaysFromTheFirstOfJanuaryOne) {
    const struct {
        QDateTime Local;
        LinkTimeStamp Expected;
    } cases[] = {
        {QDateTime(QDate(1, 1, 1), QTime(0, 0, 0, 5)), {5, 1}},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0)), {0, 730120}},
        {QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 999)), {86399999, 739957}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(timeStampOf(c.Local), c.Expected) << c.Local.toString().toStdString();
}

// Requests are told apart by their stamps alone: one sent in the same millisecond as the last (or
// within a second before it, in a burst) is stamped a millisecond after the last one instead. A
// clock set back further keeps its own time.
TEST(TimeStamp, ARequestNeverRepeatsTheLastStampOfItsLink) {
    const struct {
        LinkTimeStamp Now;
        LinkTimeStamp Last;
        LinkTimeStamp Expected;
    } cases[] = {
        {{5000, 739957}, {4000, 739957}, {5000, 739957}},          // later: the time itself
        {{5000, 739957}, {5000, 739957}, {5001, 739957}},          // the same millisecond
        {{5000, 739957}, {5002, 739957}, {5003, 739957}},          // a burst ran ahead
        {{86399999, 739957}, {86399999, 739957}, {0, 739958}},     // into the next day
        {{999, 739958}, {86399999, 739957}, {999, 739958}},        // a new day is later
        {{1000000, 739957}, {4600000, 739957}, {1000000, 739957}}, // clock set back an hour
        {{0, 0}, {0, 0}, {1, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextTimeStamp(c.Now, c.Last), c.Expected) << c.Now.Time << " after " << c.Last.Time;
}
