#include <string_view>

#include "output/ExportContent.h"

namespace quill {

namespace {

// A cell's own line breaks become the file's line ends, so the description
// reads as the page shows it.
void AppendLines(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        out.append(text.substr(start, i - start));
        out += "\r\n";
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.append(text.substr(start));
}

}  // namespace

// The text file: lines end with CR LF; each row of a table is written column
// by column as "heading: cell" and followed by an empty line.
std::string RenderTextFile(const ExportContent& c) {
    const std::string end = "\r\n";
    std::string out;
    out.reserve(256 + 160 * c.rows.size() * 2);
    const auto put = [&](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) AppendLines(out, part);
        out += end;
    };
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs) put({pair.label, " ", pair.value});
    };
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        for (const StringList& row : c.rows) {
            for (std::size_t column = 0; column < row.size(); ++column)
                put({ItemAt(c.headings, column), ": ", row[column]});
            out += end;
        }
        put({c.total.label, " ", c.total.value});
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    if (c.foreignCurrency) out += ForeignCurrencyNote(c) + end;
    out += "Reminder: " + ReminderNote(c) + end;
    out += PricingDateNote(c) + end;
    return out;
}

}  // namespace quill
