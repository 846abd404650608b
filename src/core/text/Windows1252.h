#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quill {

// 0x80..0x9F, where Windows-1252 differs from Latin-1. The five unassigned
// bytes keep the C1 control of the same number, as Windows itself converts
// them, so that they come back unchanged.
inline constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The character a Windows-1252 byte stands for.
constexpr char16_t Windows1252CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t{byte};
}

// The core's Windows-1252 text as UTF-8, for the formats that want it.
std::string Windows1252ToUtf8(std::string_view text);
// UTF-8 text (as JSON carries it) in Windows-1252; a character it cannot
// hold, or a byte that is no UTF-8, becomes "?".
std::string Utf8ToWindows1252(std::string_view text);

// Whether bytes given piece by piece are UTF-8 text (RFC 3629: no overlong
// forms, no surrogates, nothing above U+10FFFF); a character may be split
// between two pieces.
class Utf8Check {
  public:
    void Feed(std::string_view bytes);
    bool Valid() const { return valid_ && need_ == 0; }

  private:
    bool valid_ = true;
    int need_ = 0;                            // continuation bytes still to come
    unsigned char low_ = 0x80, high_ = 0xBF;  // the range of the next one
};

}  // namespace quill
