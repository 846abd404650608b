#include "output/ExportContent.h"
#include "output/Rendering.h"

namespace quill {

// The clipboard's text: lines end with CR alone, and a cell's own line breaks
// stay as they are. Rows of a table are written column by column as
// "heading: cell".
void RenderClipboardTextTo(const ExportContent& c, const TextSink& sink) {
    const std::string end = "\r";
    RenderedText out(sink);
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs) out += pair.label + " " + pair.value + end;
    };
    for (const LabelledValue& detail : c.details) out += detail.label + " " + detail.value + end;
    if (!c.details.empty()) out += end;
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        ForEachRow(c, [&](const StringList& row) {
            for (std::size_t column = 0; column < row.size(); ++column)
                out += ItemAt(c.headings, column) + ": " + row[column] + end;
            out.Pass();
        });
        out += c.total.label + " " + c.total.value + end + end;
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    out += end + end;
    if (c.foreignCurrency) out += "Foreign Currencies: " + ForeignCurrencyNote(c) + end + end;
    out += "Reminder: " + ReminderNote(c) + end + end;
    out += PricingDateNote(c) + end;
    out.Finish();
}

std::string RenderClipboardText(const ExportContent& c) {
    return Collected([&](const TextSink& sink) { RenderClipboardTextTo(c, sink); });
}

}  // namespace quill
