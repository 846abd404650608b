#pragma once

#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegularFile.h"
#include "text/Fields.h"

struct csv_parser;

namespace quill {

// A CSV file as spreadsheet programs write it: comma, semicolon or tab
// separated (the one the header line uses most, outside quotes), RFC 4180
// quoting (separators, doubled quotes and line breaks inside quotes), UTF-8
// (with or without a byte-order mark) when every byte is UTF-8, else
// Windows-1252. Texts come out in Windows-1252, like every text of the core.
struct CsvRow {
    int number = 0;  // as a spreadsheet numbers it: the header is row 1
    StringList cells;
};

// A CSV text already in memory.
struct CsvBytes {
    std::string_view bytes;
};

// The rows of a CSV file one at a time, so a request of any length costs
// the memory of one row. The file is looked through once before the first
// row is given, so a quote never closed or a row too long to be a row is
// refused before anything is read from the file.
class CsvReader {
  public:
    // Throws a QuillError naming the file for one that is not a regular
    // file or cannot be read, and naming the row for a quote never closed.
    explicit CsvReader(const std::filesystem::path& file);
    explicit CsvReader(CsvBytes text);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    const StringList& Header() const { return header_; }
    char Separator() const { return separator_; }
    // The next row that holds anything; false after the last. Blank rows are
    // left out, their numbers kept.
    bool Next(CsvRow& row);

    // The longest row the reader takes, in bytes.
    static constexpr std::size_t kLongestRow = 1 << 20;

  private:
    struct Parsing;
    void Start();
    void Look();
    bool Feed();
    void Rewind();
    std::string_view ReadChunk(std::string& buffer);

    std::function<std::size_t(char*, std::size_t)> read_;
    std::function<void()> rewind_;
    std::string where_;  // the file's name for messages; empty for bytes
    FileHandle file_;
    std::string_view bytes_;
    std::size_t offset_ = 0;
    bool atStart_ = true;
    std::string buffer_;

    char separator_ = ',';
    bool utf8_ = false;
    bool bom_ = false;
    StringList header_;
    std::unique_ptr<Parsing> parsing_;
    bool ended_ = false;
};

// A whole CSV text at once: the header and every row with a value.
struct CsvTable {
    StringList header;
    std::vector<CsvRow> rows;
    char separator = ',';
};
CsvTable ReadCsvTable(std::string_view bytes);

}  // namespace quill
