#include <algorithm>
#include <string_view>

#include "output/ExportContent.h"
#include "output/Rendering.h"

namespace quill {

namespace {

// A cell's own line breaks become the file's line ends, so the description
// reads as the page shows it.
void AppendLines(std::string& out, std::string_view text) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; })) {
        out.append(text);
        return;
    }
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
void RenderTextFileTo(const ExportContent& c, const TextSink& sink) {
    const std::string end = "\r\n";
    RenderedText out(sink);
    const auto put = [&](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) AppendLines(out.Text(), part);
        out += end;
    };
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs) put({pair.label, " ", pair.value});
    };
    for (const LabelledValue& detail : c.details) put({detail.label, " ", detail.value});
    if (!c.details.empty()) out += end;
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        StringList headings;  // each once, not once a row
        ForEachRow(c, [&](const StringList& row) {
            while (headings.size() < row.size())
                headings.push_back(ItemAt(c.headings, headings.size()));
            for (std::size_t column = 0; column < row.size(); ++column) {
                AppendLines(out.Text(), headings[column]);
                out += ": ";
                put({row[column]});
            }
            out += end;
            out.Pass();
        });
        put({c.total.label, " ", c.total.value});
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    if (c.foreignCurrency) out += ForeignCurrencyNote(c) + end;
    out += "Reminder: " + ReminderNote(c) + end;
    out += PricingDateNote(c) + end;
    out.Finish();
}

std::string RenderTextFile(const ExportContent& c) {
    return Collected([&](const TextSink& sink) { RenderTextFileTo(c, sink); });
}

}  // namespace quill
