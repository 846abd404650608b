#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Fields.h"

namespace quill {

// A CSV file as spreadsheet programs write it: comma, semicolon or tab
// separated (the one the header line uses most, outside quotes), RFC 4180
// quoting (separators, doubled quotes and line breaks inside quotes), a UTF-8
// byte-order mark or Windows-1252 bytes. Texts come out in Windows-1252, like
// every text of the core.
struct CsvRow {
    int number = 0;  // as a spreadsheet numbers it: the header is row 1
    StringList cells;
};
struct CsvTable {
    StringList header;
    std::vector<CsvRow> rows;  // blank lines left out, their numbers kept
    char separator = ',';
};

// Throws a QuillError naming the row for a quote that is never closed.
CsvTable ReadCsvTable(std::string_view bytes);

}  // namespace quill
