#include "platform/system/linkframe.h"
#include "platform/system/linkrecord.h"

#include <gtest/gtest.h>

TEST(LinkFrame, HeaderIsFourLittleEndianWordsBeforeTheData) {
    const QByteArray bytes = encodeLinkFrame({0x4A, 0x01020304, 0x1005, QByteArrayLiteral("xy")});
    EXPECT_EQ(bytes.toHex(), QByteArray("4a000000"
                                        "04030201"
                                        "05100000"
                                        "02000000"
                                        "7879"));
    const std::optional<LinkHeader> header = decodeLinkHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Message, 0x4Au);
    EXPECT_EQ(header->WParam, 0x01020304u);
    EXPECT_EQ(header->DwData, 0x1005u);
    EXPECT_EQ(header->Size, 2u);
    EXPECT_EQ(encodeLinkResult(-2).toHex(), QByteArray("feffffff"));
    EXPECT_EQ(decodeLinkResult(encodeLinkResult(-2).constData()), -2);
}

TEST(LinkFrame, SizesBeyondTheLimitAndShortHeadersAreRefused) {
    QByteArray header = encodeLinkFrame({});
    EXPECT_TRUE(decodeLinkHeader(header));
    EXPECT_FALSE(decodeLinkHeader(header.left(15)));
    header[15] = char(0x7F); // 2 GB announced
    EXPECT_FALSE(decodeLinkHeader(header));
    const quint32 limit = kMaxLinkDataSize;
    header.replace(12, 4, QByteArray(reinterpret_cast<const char*>(&limit), 4));
    EXPECT_TRUE(decodeLinkHeader(header)); // exactly at the limit
    EXPECT_TRUE(encodeLinkFrame({kCopyDataMessage, 0, 0, QByteArray(kMaxLinkDataSize + 1, 'a')}).isEmpty());
}

TEST(LinkRecord, OnlyCompleteRecordsAreRead) {
    const QByteArray bytes = encodeLinkRecord({1234, QStringLiteral("Class"), QStringLiteral("Täitle")});
    EXPECT_EQ(bytes, QByteArray("kyvelo-link 1\n1234\nClass\nT\xc3\xa4itle\n"));
    const std::optional<LinkRecord> record = decodeLinkRecord(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Pid, 1234);
    EXPECT_EQ(record->ClassName, QStringLiteral("Class"));
    EXPECT_EQ(record->Title, QStringLiteral("Täitle"));
    for (const QByteArray& bad :
         {bytes.chopped(1), QByteArray(), QByteArray("kyvelo-link 1\n0\nC\nT\n"),
          QByteArray("kyvelo-link 1\nx\nC\nT\n"), QByteArray("other 1\n1\nC\nT\n"), bytes + "extra\n"})
        EXPECT_FALSE(decodeLinkRecord(bad)) << bad.constData();
}
