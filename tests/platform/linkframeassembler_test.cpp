#include "../linkheader.h"
#include "platform/system/linkframeassembler.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using State = LinkFrameAssembler::State;

// Feeds the bytes in parts of the given sizes, one millisecond apart from time 100; the states
// after each part.
std::vector<State> feedInParts(LinkFrameAssembler& assembler, const QByteArray& bytes,
                               const std::vector<qsizetype>& parts) {
    std::vector<State> states;
    qsizetype at = 0;
    for (const qsizetype part : parts) {
        states.push_back(
            assembler.feed(bytes.constData() + at, part, 100 + static_cast<qint64>(states.size())));
        at += part;
    }
    return states;
}

} // namespace

TEST(LinkFrameAssembler, AFrameSplitAnywhereComesOutWholeOnceItsLastByteIsIn) {
    const LinkFrame sent{kCopyDataMessage, 0x01020304, 0x1005, QByteArrayLiteral("hello")};
    const QByteArray bytes = encodeLinkFrame(sent); // 16 + 5 bytes
    const std::vector<std::vector<qsizetype>> splits = {
        {21}, {16, 5}, {15, 6}, {17, 4}, {1, 15, 1, 4}, {3, 13, 2, 3}, std::vector<qsizetype>(21, 1)};
    for (const std::vector<qsizetype>& parts : splits) {
        LinkFrameAssembler assembler;
        EXPECT_EQ(assembler.state(), State::Idle);
        std::vector<State> expected(parts.size() - 1, State::Incomplete);
        expected.push_back(State::Complete);
        EXPECT_EQ(feedInParts(assembler, bytes, parts), expected) << parts.size() << " parts";
        const LinkFrame frame = assembler.take();
        EXPECT_EQ(frame.Message, sent.Message);
        EXPECT_EQ(frame.WParam, sent.WParam);
        EXPECT_EQ(frame.DwData, sent.DwData);
        EXPECT_EQ(frame.Data, sent.Data);
        EXPECT_EQ(assembler.state(), State::Idle);
    }
    LinkFrameAssembler empty;
    EXPECT_EQ(feedInParts(empty, encodeLinkFrame({}), {kLinkHeaderSize}), std::vector{State::Complete});
}

TEST(LinkFrameAssembler, ABadHeaderOrAByteBeyondTheFrameBreaksItForGood) {
    const QByteArray tooLarge = headerAnnouncing(kMaxLinkDataSize + 1);
    const QByteArray valid = encodeLinkFrame({kCopyDataMessage, 1, 2, "ok"});
    for (const QByteArray& bad : {tooLarge, valid + "x"}) {
        LinkFrameAssembler assembler;
        EXPECT_EQ(assembler.feed(bad.constData(), bad.size(), 0), State::Broken) << bad.toHex().constData();
        EXPECT_EQ(assembler.spaceSize(), 0);
        EXPECT_EQ(assembler.feed(valid.constData(), valid.size(), 0), State::Broken);
    }
}

TEST(LinkFrameAssembler, AFrameIsDueASendLimitAfterItsFirstByteAndHoldsWhatItsHeaderAnnounces) {
    const QByteArray header = headerAnnouncing(kMaxLinkDataSize);
    LinkFrameAssembler assembler;
    EXPECT_EQ(assembler.deadline(), std::nullopt);
    assembler.feed(header.constData(), 3, 1000);
    EXPECT_EQ(assembler.deadline(), 1000 + kLinkSendTimeoutMs);
    EXPECT_EQ(assembler.pendingSize(), 0);
    assembler.feed(header.constData() + 3, kLinkHeaderSize - 3, 4000);
    EXPECT_EQ(assembler.deadline(), 1000 + kLinkSendTimeoutMs);
    EXPECT_EQ(assembler.pendingSize(), kMaxLinkDataSize);
    // The data goes straight into place.
    *assembler.space() = 'a';
    EXPECT_EQ(assembler.commit(1, 5000), State::Incomplete);
    EXPECT_EQ(assembler.spaceSize(), kMaxLinkDataSize - 1);
    assembler.space()[assembler.spaceSize() - 1] = 'z';
    EXPECT_EQ(assembler.commit(assembler.spaceSize(), 9000), State::Complete);
    EXPECT_EQ(assembler.deadline(), std::nullopt);
    const LinkFrame frame = assembler.take();
    ASSERT_EQ(frame.Data.size(), kMaxLinkDataSize);
    EXPECT_EQ(frame.Data.front(), 'a');
    EXPECT_EQ(frame.Data.back(), 'z');
}
