#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "output/ExportContent.h"
#include "platform/AtomicSave.h"
#include "platform/OpenFile.h"
#include "platform/PathText.h"
#include "text/Error.h"
#include "text/Windows1252.h"

namespace quill {

namespace {

constexpr int kWidestColumn = 60;

std::optional<double> NumberIn(const std::string& text) {
    const std::string trimmed = Trim(text);
    double value = 0;
    if (trimmed.empty() || !TryStrToFloat(trimmed, value)) return std::nullopt;
    return value;
}

// A line break inside a cell becomes the workbook's own, shown when the cell wraps.
std::string CellText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i] == '\r' ? '\n' : text[i]);
    }
    return Windows1252ToUtf8(out);
}

std::string CellName(int column, lxw_row_t row) {
    return std::string(1, static_cast<char>('A' + column)) + std::to_string(row + 1);
}

// One sheet written row by row; the first failure is kept and every later
// call does nothing.
class Sheet {
  public:
    // libxlsxwriter opens its file by a narrow name only.
    explicit Sheet(const std::filesystem::path& file)
        : book_(workbook_new(NarrowFileName(file).c_str())) {
        if (book_ == nullptr) {
            error_ = LXW_ERROR_CREATING_TMPFILE;
            return;
        }
        sheet_ = workbook_add_worksheet(book_, "Quillroute");
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        money_ = workbook_add_format(book_);
        format_set_num_format(money_, "0.00");
        boldMoney_ = workbook_add_format(book_);
        format_set_bold(boldMoney_);
        format_set_num_format(boldMoney_, "0.00");
        wrap_ = workbook_add_format(book_);
        format_set_text_wrap(wrap_);
        format_set_align(wrap_, LXW_ALIGN_VERTICAL_TOP);
        if (sheet_ == nullptr) error_ = LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    ~Sheet() {
        if (book_ != nullptr) workbook_close(book_);
    }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    lxw_format* Bold() const { return bold_; }
    lxw_format* Money() const { return money_; }
    lxw_format* BoldMoney() const { return boldMoney_; }
    lxw_row_t Row() const { return row_; }
    void NextRow() { ++row_; }

    void Text(int column, const std::string& text, lxw_format* format = nullptr,
              bool sizesColumn = true) {
        if (sheet_ == nullptr) return;
        const std::string cell = CellText(text);
        if (cell.find('\n') != std::string::npos && format == nullptr) format = wrap_;
        Check(worksheet_write_string(sheet_, row_, static_cast<lxw_col_t>(column), cell.c_str(),
                                     format));
        if (sizesColumn) Widen(column, text);
    }
    void Number(int column, double value, const std::string& shown, lxw_format* format) {
        if (sheet_ == nullptr) return;
        Check(worksheet_write_number(sheet_, row_, static_cast<lxw_col_t>(column), value, format));
        Widen(column, shown);
    }
    // A number when the text is one, else the text as it stands.
    void NumberOrText(int column, const std::string& text, lxw_format* numberFormat) {
        if (const auto value = NumberIn(text))
            Number(column, *value, text, numberFormat);
        else
            Text(column, text);
    }
    void Formula(int column, const std::string& formula, double result, const std::string& shown,
                 lxw_format* format) {
        if (sheet_ == nullptr) return;
        Check(worksheet_write_formula_num(sheet_, row_, static_cast<lxw_col_t>(column),
                                          formula.c_str(), format, result));
        Widen(column, shown);
    }

    // Sizes the columns and writes the file; the error text, or empty.
    std::string Close(const std::string& file) {
        for (std::size_t column = 0; sheet_ != nullptr && column < widths_.size(); ++column)
            if (widths_[column] > 0)
                Check(worksheet_set_column(sheet_, static_cast<lxw_col_t>(column),
                                           static_cast<lxw_col_t>(column),
                                           std::min(widths_[column], kWidestColumn) + 2, nullptr));
        if (book_ != nullptr) {
            const lxw_error closed = workbook_close(book_);
            book_ = nullptr;
            if (error_ == LXW_NO_ERROR) error_ = closed;
        }
        if (error_ == LXW_NO_ERROR) return {};
        return "Cannot write the workbook " + file + ": " + lxw_strerror(error_);
    }

  private:
    void Check(lxw_error error) {
        if (error_ == LXW_NO_ERROR) error_ = error;
    }
    // As wide as the cell's longest line.
    void Widen(int column, const std::string& text) {
        if (widths_.size() <= static_cast<std::size_t>(column))
            widths_.resize(static_cast<std::size_t>(column) + 1, 0);
        int line = 0;
        for (const char c : text) {
            line = (c == '\r' || c == '\n') ? 0 : line + 1;
            widths_[static_cast<std::size_t>(column)] =
                std::max(widths_[static_cast<std::size_t>(column)], line);
        }
    }

    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format *bold_ = nullptr, *money_ = nullptr, *boldMoney_ = nullptr, *wrap_ = nullptr;
    lxw_row_t row_ = 0;
    std::vector<int> widths_;
    lxw_error error_ = LXW_NO_ERROR;
};

void WritePairs(Sheet& sheet, const std::vector<LabelledValue>& pairs) {
    for (const LabelledValue& pair : pairs) {
        sheet.Text(0, pair.label, sheet.Bold());
        sheet.NumberOrText(1, pair.value, sheet.Money());
        sheet.NextRow();
    }
}

// Heading, rows and total. Quantity and price are numbers (prices with two
// decimals, quantities with their own digits); the extended
// price is their product rounded to the cent, as the order rounds it, and
// the total their sum. A row whose quantity or price is not a number keeps
// the texts as the grid shows them.
void WriteTable(Sheet& sheet, const ExportContent& c) {
    for (std::size_t column = 0; column < c.headings.size(); ++column)
        sheet.Text(static_cast<int>(column), c.headings[column], sheet.Bold());
    sheet.NextRow();
    const lxw_row_t first = sheet.Row();
    ForEachRow(c, [&](const StringList& row) {
        for (std::size_t column = 0; column < row.size() && column < 6; ++column) {
            const std::string& cell = row[column];
            if (column == 0) {
                // A quantity shows with the digits it has: 4, 7.5, 0.005.
                sheet.NumberOrText(0, cell, nullptr);
            } else if (column == 4) {
                sheet.NumberOrText(4, cell, sheet.Money());
            } else if (column == 5) {
                const auto quantity = NumberIn(row[0]),
                           price = NumberIn(row.size() > 4 ? row[4] : "");
                if (quantity && price) {
                    const double shown = NumberIn(cell).value_or(*quantity * *price);
                    sheet.Formula(5,
                                  "=ROUND(" + CellName(0, sheet.Row()) + "*" +
                                      CellName(4, sheet.Row()) + ",2)",
                                  shown, cell, sheet.Money());
                } else {
                    sheet.NumberOrText(5, cell, sheet.Money());
                }
            } else {
                sheet.Text(static_cast<int>(column), cell);
            }
        }
        sheet.NextRow();
    });
    sheet.Text(4, c.total.label, sheet.Bold());
    const auto total = NumberIn(c.total.value);
    if (sheet.Row() > first && total)
        sheet.Formula(5, "=SUM(" + CellName(5, first) + ":" + CellName(5, sheet.Row() - 1) + ")",
                      *total, c.total.value, sheet.BoldMoney());
    else
        sheet.NumberOrText(5, c.total.value, sheet.BoldMoney());
    sheet.NextRow();
}

}  // namespace

// The library writes to a file only, named narrowly: a fresh one in the
// temporary folder, read back and removed.
std::string RenderWorkbook(const ExportContent& c) {
    std::filesystem::path file;
    int created = 0;
    std::FILE* reserved = CreateFreshFile(
        std::filesystem::temp_directory_path() / "quillroute-workbook", file, created);
    if (reserved == nullptr)
        throw QuillError("Cannot make a temporary file for the workbook: " +
                         std::generic_category().message(created));
    std::error_code ignored;
    if (std::fclose(reserved) != 0) {
        std::filesystem::remove(file, ignored);
        throw QuillError("Cannot make a temporary file for the workbook " + Utf8Of(file));
    }
    std::string error;
    {
        Sheet sheet(file);
        for (const LabelledValue& detail : c.details) {
            sheet.Text(0, detail.label, sheet.Bold());
            sheet.Text(1, detail.value, nullptr, false);
            sheet.NextRow();
        }
        if (!c.details.empty()) sheet.NextRow();
        if (c.block == ExportContent::Block::FinalSelection) {
            WritePairs(sheet, c.pairs);
        } else {
            WriteTable(sheet, c);
            if (c.block == ExportContent::Block::PartsList) WritePairs(sheet, c.pairs);
        }
        const auto note = [&](const char* label, const std::string& text) {
            sheet.Text(0, label, sheet.Bold());
            sheet.Text(1, text, nullptr, false);
            sheet.NextRow();
        };
        if (c.foreignCurrency) note("Foreign Currencies:", ForeignCurrencyNote(c));
        note("Reminder:", ReminderNote(c));
        note("Last Update:", PricingDateNote(c));
        error = sheet.Close(Utf8Of(file));
    }
    std::string bytes;
    if (error.empty()) {
        std::ifstream in(file, std::ios::binary);
        if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (!in || bytes.empty()) error = "Cannot read back the workbook " + Utf8Of(file);
    }
    std::filesystem::remove(file, ignored);
    if (!error.empty()) throw QuillError(error);
    return bytes;
}

}  // namespace quill
