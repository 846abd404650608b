#include "output/ExportContent.h"
#include "output/Rendering.h"
#include "text/Fields.h"

namespace quill {

namespace {

// Calc and Excel read a cell that starts with "=", "+", "-" or "@" (also
// after blanks, tabs or line breaks) as a formula. Such a text, unless it is
// a plain number, is written behind an apostrophe: both programs take a cell
// that starts with one as text, whatever follows, so no text of an order can
// run as a formula.
std::string AsText(std::string cell) {
    const std::size_t first = cell.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return cell;
    const char c = cell[first];
    double number = 0;
    if ((c == '=' || c == '+' || c == '-' || c == '@') && !TryStrToFloat(cell, number))
        cell.insert(0, 1, '\'');
    return cell;
}

// A spreadsheet program starts a new row at every line break and a new
// column at every tab, so inside a cell both become blanks.
std::string Cell(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n') out.erase(i + 1, 1);
        if (out[i] == '\r' || out[i] == '\n' || out[i] == '\t') out[i] = ' ';
    }
    return AsText(std::move(out));
}

}  // namespace

// The tab-separated file named ".xls": one line a row, each cell followed by
// a tab; the heading and total lines end with an extra CR.
void RenderSpreadsheetFileTo(const ExportContent& c, const TextSink& sink) {
    const std::string tab = "\t", end = "\r\n";
    RenderedText out(sink);
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs)
            out += Cell(pair.label) + tab + Cell(pair.value) + end;
    };
    for (const LabelledValue& detail : c.details)
        out += Cell(detail.label) + tab + Cell(detail.value) + end;
    if (!c.details.empty()) out += end;
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        for (const std::string& heading : c.headings) out += Cell(heading) + tab;
        out += "\r" + end;
        ForEachRow(c, [&](const StringList& row) {
            for (const std::string& cell : row) out += Cell(cell) + tab;
            out += end;
            out.Pass();
        });
        out += tab + Cell(c.total.label) + tab + Cell(c.total.value) + "\r" + end;
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    if (c.foreignCurrency) out += "Foreign Currencies:" + tab + ForeignCurrencyNote(c) + end;
    out += "Reminder:" + tab + ReminderNote(c) + end;
    out += "Last Update:" + tab + PricingDateNote(c) + end;
    out.Finish();
}

std::string RenderSpreadsheetFile(const ExportContent& c) {
    return Collected([&](const TextSink& sink) { RenderSpreadsheetFileTo(c, sink); });
}

}  // namespace quill
