#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/Fields.h"

namespace quill {

class Order;

// What an export takes out of the program: the data of the page shown, as its
// grids show it (numbers are not reformatted, edited cells stay edited), and
// the three notes that follow it.
struct LabelledValue {
    std::string label;
    std::string value;
};

struct ExportContent {
    enum class Block {
        FinalSelection,  // the final page's rows: label and value
        PartsList,       // headings, rows, total, then the performance figures
        Order,           // headings, rows, total
    };
    Block block = Block::Order;
    std::vector<LabelledValue> pairs;  // the final page's rows, or the performance figures
    StringList headings;               // the six column headings
    std::vector<StringList> rows;      // six cells each
    // When set, the rows are made one at a time from this order instead
    // (which must outlive the content), so an order of any size is written
    // without a second copy of it.
    const Order* order = nullptr;
    LabelledValue total;  // "Order Total:" and its text
    // The customer details that are filled ("Company Name:" and its text), in
    // the order the print shows them: a block above everything else.
    std::vector<LabelledValue> details;

    // The notes: the foreign-currency note only while another currency than
    // US dollars is in force.
    bool foreignCurrency = false;
    std::string exchangeRateDate;   // "mm/dd/yyyy"
    std::string reminder;           // the final page's reminder caption
    std::string pricingUpdateDate;  // "mm/dd/yyyy"
};

// The final page's reminder, which the notes quote.
extern const char* const kReminderCaption;

// "Currencies other than United States Dollars($US) are provided ... as of " + date
std::string ForeignCurrencyNote(const ExportContent& content);
// "Prices are subject to change without notice.  " + the reminder
std::string ReminderNote(const ExportContent& content);
// "Your pricing database was last updated on " + date
std::string PricingDateNote(const ExportContent& content);

// The order grid's headings, its prices named in their currency: "Qty.",
// "UOM", "Part Number", "Description", "Price (EUR)", "Extended (EUR)"; and
// its total's label, "Order Total (EUR):".
StringList OrderHeadings(const std::string& currency);
std::string OrderTotalLabel(const std::string& currency);
// The order as the order page shows it, for exports made without a window.
ExportContent OrderExportContent(const Order& order);

// The rows of the table, from `rows` or made from the order.
void ForEachRow(const ExportContent& content, const std::function<void(const StringList&)>& each);
std::vector<StringList> RowsOf(const ExportContent& content);

// Where a rendering goes, a piece at a time.
using TextSink = std::function<void(std::string_view)>;

// The four renderings, handed to a sink in pieces or returned whole. Each
// line of the clipboard text ends with CR alone; the files' lines end with
// CR LF.
void RenderClipboardTextTo(const ExportContent& content, const TextSink& sink);
void RenderTextFileTo(const ExportContent& content, const TextSink& sink);
void RenderSpreadsheetFileTo(const ExportContent& content, const TextSink& sink);  // ".xls"
void RenderHtmlTo(const ExportContent& content, const TextSink& sink);
// Writes what a rendering hands over straight into the file, through the
// atomic save; empty on success, else the error text naming the file.
std::string SaveRendering(const std::filesystem::path& file,
                          const std::function<void(const TextSink&)>& render);

std::string RenderClipboardText(const ExportContent& content);
std::string RenderTextFile(const ExportContent& content);
std::string RenderSpreadsheetFile(const ExportContent& content);  // tab-separated ".xls"
std::string RenderHtml(const ExportContent& content);
// A real workbook (".xlsx") of the same rows and notes as the ".xls" file:
// quantities, prices and extended prices as numbers with two decimals, each
// extended price a formula and the total their sum. Throws a QuillError
// when it cannot be made.
std::string RenderWorkbook(const ExportContent& content);

}  // namespace quill
