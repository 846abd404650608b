#include "rfq/CsvTable.h"

#include <csv.h>

#include <cstring>

#include "platform/PathText.h"
#include "text/Error.h"
#include "text/Windows1252.h"

namespace quill {

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

bool AllEmpty(const StringList& fields) {
    for (const std::string& field : fields)
        if (!field.empty()) return false;
    return true;
}

}  // namespace

// One pass over the file: libcsv's parser and what its callbacks gather.
struct CsvReader::Parsing {
    csv_parser parser{};
    bool looking = true;       // the first pass: nothing is kept
    bool recode = false;       // the fields are UTF-8
    bool afterCr = false;      // a line feed right after it ends nothing more
    int number = 0;            // the rows ended so far, blank ones too
    std::size_t rowBytes = 0;  // in the fields of the row being read
    StringList fields;
    std::deque<CsvRow> rows;
    Utf8Check utf8;

    Parsing() {
        // Every line end is reported, so blank lines keep their numbers.
        if (csv_init(&parser, CSV_REPALL_NL) != 0)
            throw QuillError("The CSV reader could not start.");
    }
    ~Parsing() { csv_free(&parser); }
    Parsing(const Parsing&) = delete;
    Parsing& operator=(const Parsing&) = delete;

    static void OnField(void* data, std::size_t length, void* self) {
        auto& p = *static_cast<Parsing*>(self);
        p.rowBytes += length;
        if (p.looking) return;
        const std::string_view text(data ? static_cast<const char*>(data) : "", data ? length : 0);
        p.fields.push_back(p.recode ? Utf8ToWindows1252(text) : std::string(text));
    }
    static void OnRowEnd(int, void* self) {
        auto& p = *static_cast<Parsing*>(self);
        ++p.number;
        p.rowBytes = 0;
        if (!p.looking && !AllEmpty(p.fields)) p.rows.push_back({p.number, std::move(p.fields)});
        p.fields.clear();
    }

    // A CR, a CR LF and an LF each end one line, as a spreadsheet counts
    // them, however many blanks stand between a CR and the next LF.
    void Parse(const char* data, std::size_t size) {
        std::string text;
        text.reserve(size);
        for (std::size_t i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            text.push_back(afterCr ? '\n' : c);
        }
        if (csv_parse(&parser, text.data(), text.size(), OnField, OnRowEnd, this) != text.size())
            throw QuillError("The CSV file cannot be read: " +
                             std::string(csv_strerror(csv_error(&parser))) + ".");
    }
};

CsvReader::CsvReader(const std::filesystem::path& file) : where_(Utf8Of(file)) {
    OpenedFile opened = OpenRegularFile(file);
    if (!opened.file) throw QuillError(opened.problem);
    file_ = std::move(opened.file);
    read_ = [this](char* buffer, std::size_t size) {
        const std::size_t got = std::fread(buffer, 1, size, file_.get());
        if (got < size && std::ferror(file_.get())) ThrowCannotOpen(where_);
        return got;
    };
    rewind_ = [this] {
        if (std::fseek(file_.get(), 0, SEEK_SET) != 0) ThrowCannotOpen(where_);
    };
    Start();
}

CsvReader::CsvReader(CsvBytes text) : bytes_(text.bytes) {
    read_ = [this](char* buffer, std::size_t size) {
        const std::size_t got = std::min(size, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, got);
        offset_ += got;
        return got;
    };
    rewind_ = [this] { offset_ = 0; };
    Start();
}

CsvReader::~CsvReader() = default;

// The file is looked through first: its separator, whether it is UTF-8,
// whether every quote is closed and every row of a sane length. Then the
// header is read.
void CsvReader::Start() {
    std::string first(kChunk, '\0');
    first.resize(read_(first.data(), first.size()));
    bom_ = first.starts_with(kByteOrderMark);
    separator_ = SeparatorOf(std::string_view(first).substr(bom_ ? 3 : 0));
    Rewind();
    Look();
    Rewind();
    parsing_ = std::make_unique<Parsing>();
    parsing_->looking = false;
    parsing_->recode = utf8_;
    csv_set_delim(&parsing_->parser, static_cast<unsigned char>(separator_));
    CsvRow row;
    if (Next(row)) header_ = std::move(row.cells);
}

void CsvReader::Look() {
    Parsing looking;
    csv_set_delim(&looking.parser, static_cast<unsigned char>(separator_));
    std::string buffer(kChunk, '\0');
    for (std::string_view chunk; !(chunk = ReadChunk(buffer)).empty();) {
        if (!bom_) looking.utf8.Feed(chunk);
        looking.Parse(chunk.data(), chunk.size());
        // The fields read and the one libcsv is still gathering.
        if (looking.rowBytes + looking.parser.entry_pos > kLongestRow)
            throw QuillError("The CSV file cannot be read: row " +
                             std::to_string(looking.number + 1) + " is longer than " +
                             std::to_string(kLongestRow / (1 << 20)) + " MB.");
    }
    // libcsv's parser is inside a quoted field (its state 2, "field begun")
    // when the file ends before the quote is closed.
    constexpr int kFieldBegun = 2;
    if (looking.parser.quoted && looking.parser.pstate == kFieldBegun)
        throw QuillError("The CSV file cannot be read: the quote opened in row " +
                         std::to_string(looking.number + 1) +
                         " is never closed. Close it with a \" or remove it.");
    utf8_ = bom_ || looking.utf8.Valid();
}

void CsvReader::Rewind() {
    rewind_();
    atStart_ = true;
}

// The next bytes of the file, the byte-order mark left out; empty at its end.
std::string_view CsvReader::ReadChunk(std::string& buffer) {
    std::string_view chunk(buffer.data(), read_(buffer.data(), buffer.size()));
    if (atStart_ && bom_) chunk.remove_prefix(std::min(kByteOrderMark.size(), chunk.size()));
    atStart_ = false;
    return chunk;
}

// Reads on until a row is there or the file has ended.
bool CsvReader::Feed() {
    Parsing& p = *parsing_;
    if (p.rows.empty() && !ended_) buffer_.resize(kChunk);
    while (p.rows.empty() && !ended_) {
        const std::string_view chunk = ReadChunk(buffer_);
        if (chunk.empty()) {
            ended_ = true;
            csv_fini(&p.parser, Parsing::OnField, Parsing::OnRowEnd, &p);
            break;
        }
        p.Parse(chunk.data(), chunk.size());
    }
    return !p.rows.empty();
}

bool CsvReader::Next(CsvRow& row) {
    if (!Feed()) return false;
    row = std::move(parsing_->rows.front());
    parsing_->rows.pop_front();
    return true;
}

CsvTable ReadCsvTable(std::string_view bytes) {
    CsvReader reader(CsvBytes{bytes});
    CsvTable table;
    table.header = reader.Header();
    table.separator = reader.Separator();
    CsvRow row;
    while (reader.Next(row)) table.rows.push_back(std::move(row));
    return table;
}

}  // namespace quill
