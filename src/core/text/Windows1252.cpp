#include "text/Windows1252.h"

namespace quill {

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const char16_t c = Windows1252CodePoint(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {

char ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i)
        if (kWindows1252High[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length > 0 && i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(whole ? ByteOf(c) : '?');
        i += whole ? length : 1;
    }
    return out;
}

void Utf8Check::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (!valid_) return;
        const auto b = static_cast<unsigned char>(c);
        if (need_ > 0) {
            valid_ = b >= low_ && b <= high_;
            --need_;
            low_ = 0x80, high_ = 0xBF;
        } else if (b >= 0x80) {
            // The lead byte says how many follow and, for a few, a narrower
            // range of the first one.
            need_ = b >= 0xC2 && b <= 0xDF   ? 1
                    : b >= 0xE0 && b <= 0xEF ? 2
                    : b >= 0xF0 && b <= 0xF4 ? 3
                                             : 0;
            valid_ = need_ > 0;
            if (b == 0xE0) low_ = 0xA0;
            if (b == 0xED) high_ = 0x9F;
            if (b == 0xF0) low_ = 0x90;
            if (b == 0xF4) high_ = 0x8F;
        }
    }
}

}  // namespace quill
