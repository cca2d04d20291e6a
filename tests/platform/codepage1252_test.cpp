// The single-byte code page in both directions, its own signs on 0x80..0x9F and its gaps included.
#include "platform/graphics/codepage1252.h"

#include <gtest/gtest.h>

TEST(CodePage1252, CodesAndCharactersMapBothWays) {
    struct Case {
        int code;           // -1: the character has no code
        char16_t character; // 0: the code has no character
    };
    const Case cases[] = {
        {0x41, u'A'},   {0x80, 0x20AC}, {0x8A, 0x0160}, {0x96, 0x2013}, {0x9F, 0x0178}, {0xA0, 0x00A0},
        {0xE4, 0x00E4}, {0xFF, 0x00FF}, {0x81, 0},      {0x8D, 0},      {0x8F, 0},      {0x90, 0},
        {0x9D, 0},      {-1, 0x0081},   {-1, 0x0080},   {-1, 0x0100},   {-1, 0x4E2D},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << ", character " << int(c.character));
        if (c.code >= 0) {
            EXPECT_EQ(windows1252Char(static_cast<unsigned char>(c.code)), c.character);
        }
        if (c.character != 0) {
            EXPECT_EQ(windows1252Code(c.character), c.code);
        }
    }
}
