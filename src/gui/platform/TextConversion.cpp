#include "platform/TextConversion.h"

#include <QList>
#include <array>

namespace quill {

namespace {

// 0x80..0x9F, where Windows-1252 differs from Latin-1. The five unassigned
// bytes keep the C1 control of the same number, as Windows itself converts
// them, so that they come back unchanged.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char FromCodePoint(uint c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString ToQt(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        result.append(b >= 0x80 && b <= 0x9F ? QChar(kHighTable[b - 0x80]) : QChar(b));
    }
    return result;
}

std::string FromQt(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    // Whole code points, so that a character beyond the first plane gives one
    // "?" and not two.
    for (const uint c : text.toUcs4()) result.push_back(FromCodePoint(c));
    return result;
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList result;
    for (const std::string& text : texts) result << ToQt(text);
    return result;
}

}  // namespace quill
