#include "rfq/CsvTable.h"

#include <csv.h>

#include <memory>

#include "catalogue/Error.h"
#include "catalogue/Windows1252.h"

namespace quill {

namespace {

// The separator the first line uses most, quoted text not counted.
char SeparatorOf(std::string_view text) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        commas += c == ',', semicolons += c == ';', tabs += c == '\t';
    }
    if (tabs > commas && tabs >= semicolons) return '\t';
    return semicolons > commas ? ';' : ',';
}

struct Record {
    StringList fields;  // none for a line end with nothing before it
    int end = -1;       // the character that ended it; -1 at the end of the file
};
struct Reading {
    std::vector<Record> records;
    StringList fields;
};

void OnField(void* data, std::size_t length, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    r.fields.emplace_back(data ? static_cast<const char*>(data) : "", data ? length : 0);
}

// Called at every unquoted line end (CSV_REPALL_NL), fields or not.
void OnRecordEnd(int end, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    r.records.push_back({std::move(r.fields), end});
    r.fields.clear();
}

bool AllEmpty(const StringList& fields) {
    for (const std::string& field : fields)
        if (!field.empty()) return false;
    return true;
}

}  // namespace

CsvTable ReadCsvTable(std::string_view bytes) {
    std::string text;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        text = Utf8ToWindows1252(bytes.substr(3));
    else
        text = std::string(bytes);
    CsvTable table;
    table.separator = SeparatorOf(text);

    csv_parser parser;
    if (csv_init(&parser, CSV_REPALL_NL) != 0) throw QuillError("The CSV reader could not start.");
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> release(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(table.separator));
    Reading reading;
    if (csv_parse(&parser, text.data(), text.size(), OnField, OnRecordEnd, &reading) !=
            text.size() ||
        csv_fini(&parser, OnField, OnRecordEnd, &reading) != 0)
        throw QuillError(
            "The CSV file cannot be read: " + std::string(csv_strerror(csv_error(&parser))) + ".");

    // Rows are numbered as a spreadsheet numbers them: every line end counts
    // once (the LF of a CR LF pair ends nothing more), a blank line too, and a
    // line break inside quotes does not.
    int number = 0, previousEnd = -1;
    for (Record& record : reading.records) {
        const bool lfOfCrLf = record.fields.empty() && record.end == '\n' && previousEnd == '\r';
        previousEnd = record.end;
        if (lfOfCrLf) continue;
        ++number;
        if (AllEmpty(record.fields)) continue;
        if (table.header.empty())
            table.header = std::move(record.fields);
        else
            table.rows.push_back({number, std::move(record.fields)});
    }
    return table;
}

}  // namespace quill
