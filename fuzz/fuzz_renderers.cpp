// The renderings of an order's content, whatever its texts hold: the HTML
// document carries no markup of the data's own, the ".xls" file neither gains
// a row or a column nor holds a cell a spreadsheet would run as a formula,
// and the text file keeps its line structure.

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "output/ExportContent.h"
#include "text/Fields.h"

using namespace quill;

namespace {

std::size_t CountOf(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

// The number of line breaks a text has: CR LF, a CR alone and an LF alone
// each count once.
std::size_t LineBreaks(const std::string& text) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++breaks;
    }
    return breaks;
}

// A cell a spreadsheet program could take for a formula.
bool RunsAsFormula(const std::string& cell) {
    const std::size_t first = cell.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return false;
    const char c = cell[first];
    double number = 0;
    return (c == '=' || c == '+' || c == '-' || c == '@') && !TryStrToFloat(cell, number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The input's "|"-separated texts fill the cells six a row, then the total.
    const StringList texts = SplitFields(input, "|");
    if (texts.empty()) return 0;
    ExportContent content, plain;
    content.headings = plain.headings = OrderHeadings("USD");
    std::size_t dataBreaks = 0;
    for (std::size_t i = 0; i + 6 <= texts.size() && content.rows.size() < 64; i += 6) {
        content.rows.emplace_back(texts.begin() + static_cast<std::ptrdiff_t>(i),
                                  texts.begin() + static_cast<std::ptrdiff_t>(i + 6));
        plain.rows.emplace_back(6, "x");
        for (std::size_t column = 0; column < 6; ++column)
            dataBreaks += LineBreaks(texts[i + column]);
    }
    content.total = {"Order Total:", texts.back()};
    plain.total = {"Order Total:", "x"};
    dataBreaks += LineBreaks(texts.back());
    content.reminder = plain.reminder = "r";
    content.exchangeRateDate = plain.exchangeRateDate = "12/08/2026";
    content.pricingUpdateDate = plain.pricingUpdateDate = "12/08/2026";

    // HTML: the data adds no tag of its own, only a <BR> for each line break.
    const std::string html = RenderHtml(content), plainHtml = RenderHtml(plain);
    FUZZ_CHECK(CountOf(html, '<') == CountOf(plainHtml, '<') + dataBreaks &&
               CountOf(html, '>') == CountOf(plainHtml, '>') + dataBreaks);

    // ".xls": as many lines and tabs as with harmless texts, and no formula.
    const std::string xls = RenderSpreadsheetFile(content), plainXls = RenderSpreadsheetFile(plain);
    FUZZ_CHECK(CountOf(xls, '\n') == CountOf(plainXls, '\n'));
    FUZZ_CHECK(CountOf(xls, '\t') == CountOf(plainXls, '\t'));
    FUZZ_CHECK(CountOf(xls, '\r') == CountOf(plainXls, '\r'));
    for (std::string line : SplitFields(xls, "\n")) {
        while (!line.empty() && line.back() == '\r') line.pop_back();  // the line's own end
        for (const std::string& cell : SplitFields(line, "\t"))
            FUZZ_CHECK(!RunsAsFormula(cell), "the cell '%s' runs as a formula\n", cell.c_str());
    }

    // Text file: every line ends with CR LF, and a cell's own line breaks
    // are the only lines it adds.
    const std::string text = RenderTextFile(content), plainText = RenderTextFile(plain);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
    }
    FUZZ_CHECK(CountOf(text, '\n') == CountOf(plainText, '\n') + dataBreaks);
    return 0;
}
