#include "platform/graphics/codepage1252.h"

#include <algorithm>
#include <array>

namespace {

// 0x80 to 0x9F; 0 marks the undefined codes.
constexpr std::array<char16_t, 32> kHighCodes = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

char16_t windows1252Char(unsigned char code) {
    return code >= 0x80 && code < 0xA0 ? kHighCodes[code - 0x80] : char16_t(code);
}

char16_t windows1252CharOrControl(unsigned char code) {
    const char16_t c = windows1252Char(code);
    return c == 0 ? char16_t(code) : c;
}

int windows1252Code(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return c;
    const auto it = std::find(kHighCodes.begin(), kHighCodes.end(), c);
    return it == kHighCodes.end() ? -1 : 0x80 + static_cast<int>(it - kHighCodes.begin());
}
