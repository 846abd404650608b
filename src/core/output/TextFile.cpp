#include "output/ExportContent.h"

namespace quill {

namespace {

// A cell's own line breaks become the file's line ends, so the description
// reads as the page shows it.
std::string Lines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

// The text file: lines end with CR LF; each row of a table is written column
// by column as "heading: cell" and followed by an empty line.
std::string RenderTextFile(const ExportContent& c) {
    const std::string end = "\r\n";
    std::string out;
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs)
            out += Lines(pair.label) + " " + Lines(pair.value) + end;
    };
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        for (const StringList& row : c.rows) {
            for (std::size_t column = 0; column < row.size(); ++column)
                out += Lines(ItemAt(c.headings, column)) + ": " + Lines(row[column]) + end;
            out += end;
        }
        out += Lines(c.total.label) + " " + Lines(c.total.value) + end;
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    if (c.foreignCurrency) out += ForeignCurrencyNote(c) + end;
    out += "Reminder: " + ReminderNote(c) + end;
    out += PricingDateNote(c) + end;
    return out;
}

}  // namespace quill
