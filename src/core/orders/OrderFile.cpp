#include "orders/OrderFile.h"

#include <system_error>
#include <unordered_map>

#include "inifile/BigIniFile.h"
#include "platform/PathText.h"
#include "text/Error.h"
#include "text/Fields.h"

namespace quill {

namespace fs = std::filesystem;

namespace {

const char* const kHeader = "Header";
const char* const kSite = "SITE 001 LOM";
const char* const kStandardMarker = "QR-001";

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return lower;
}

}  // namespace

void WriteOrderFile(const fs::path& path, const Order& order) {
    // The details' keys are always written, empty when not filled, where
    // every reader of these files expects them.
    const OrderDetails& details = order.Details();
    const auto detail = [&](std::size_t i) {
        return std::string(OrderDetails::kKeys[i]) + "=" + OrderDetails::Cleaned(details.values[i]);
    };
    StringList header;
    for (std::size_t i = 0; i < OrderDetails::kInHeader; ++i) header.push_back(detail(i));
    header.insert(header.end(), {"File Name=", "File Path=", "App=Quillroute"});
    if (order.Currency() != "USD") header.push_back("Currency=" + order.Currency());

    StringList site;
    for (std::size_t i = OrderDetails::kInHeader; i < OrderDetails::kCount; ++i)
        site.push_back(detail(i));
    site.reserve(site.size() + order.Count());
    for (std::size_t i = 0; i < order.Count(); ++i) {
        const ItemView item = order.View(i);
        const char* marker = item.kind == ItemKind::StandardPart ? kStandardMarker : "";
        std::string line = std::to_string(i + 1) + "=";
        for (const std::string_view field : {item.quantity, item.unit, std::string_view(marker),
                                             item.partNumber, item.description, item.price})
            line.append(field).append("|");
        site.push_back(std::move(line));
    }

    TBigIniFile file(path, TBigIniFile::Start::Empty);
    file.WriteSectionLines(kHeader, header);
    file.WriteSectionLines(kSite, site);
    file.SaveIfChanged();
}

namespace {

// Which line of the site section gives each item its value: an item takes
// the value of the first line of its key, the keys compared without regard
// to case, as every reader of these files has done. Keys are nearly always
// the item numbers, which are looked up in a table by number; any other key
// in a hash table.
class FirstLineOfKey {
  public:
    explicit FirstLineOfKey(const SectionLines& lines)
        : reach_(2 * static_cast<std::size_t>(lines.Count()) + 16) {
        numbered_.reserve(static_cast<std::size_t>(lines.Count()) + 1);
        for (int i = 0; i < lines.Count(); ++i) {
            const std::string_view line = lines[i];
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos) continue;
            const std::string_view key = line.substr(0, equals);
            if (std::uint32_t* first = NumberedSlot(key, true)) {
                if (*first == 0) *first = static_cast<std::uint32_t>(i) + 1;
            } else {
                named_.emplace(LowerAscii(key), i);
            }
        }
    }

    // The line of the key's first occurrence, -1 when no line has that key.
    int Find(std::string_view key) {
        if (const std::uint32_t* first = NumberedSlot(key, false))
            return static_cast<int>(*first) - 1;
        const auto found = named_.find(LowerAscii(key));
        return found == named_.end() ? -1 : found->second;
    }

  private:
    // The table's entry of a plain item number ("0" to "999999999", no
    // leading zero) up to twice the line count, made when `make`; nullptr for
    // any other key, which the hash table holds.
    std::uint32_t* NumberedSlot(std::string_view key, bool make) {
        if (key.empty() || key.size() > 9 || (key[0] == '0' && key.size() > 1)) return nullptr;
        std::size_t number = 0;
        for (const char c : key) {
            if (c < '0' || c > '9') return nullptr;
            number = number * 10 + static_cast<std::size_t>(c - '0');
        }
        if (number >= reach_ || (number >= numbered_.size() && !make)) return nullptr;
        if (number >= numbered_.size()) numbered_.resize(number + 1, 0);
        return &numbered_[number];
    }

    std::size_t reach_;
    std::vector<std::uint32_t> numbered_;  // line + 1, 0 for none
    std::unordered_map<std::string, int> named_;
};

// The first six fields of an item's value, each ended by "|": a field
// without its "|" is empty, as FieldAt reads it.
void SplitItemFields(std::string_view value, std::string_view (&fields)[6]) {
    std::size_t start = 0, n = 0;
    for (std::size_t i = 0; i < value.size() && n < 6; ++i)
        if (value[i] == '|') {
            fields[n++] = value.substr(start, i - start);
            start = i + 1;
        }
    for (; n < 6; ++n) fields[n] = {};
}

// A line of the site's own keys (site name and number, where it ships to),
// compared without regard to case as every key of these files is.
bool IsSiteKey(std::string_view line) {
    const std::string key = LowerAscii(line.substr(0, line.find('=')));
    for (std::size_t i = OrderDetails::kInHeader; i < OrderDetails::kCount; ++i)
        if (key == LowerAscii(OrderDetails::kKeys[i])) return true;
    return false;
}

bool IsBlank(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

}  // namespace

OrderFileContent ReadOrderFile(const fs::path& path) {
    OrderFileContent content;
    std::error_code ec;
    content.existed = fs::exists(path, ec);
    if (!content.existed) return content;
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(path, sizeError);
    if (!sizeError && size > kLargestOrderFile)
        throw QuillError("The file " + Utf8Of(path) + " is " + std::to_string(size) +
                         " bytes long, more than the " + std::to_string(kLargestOrderFile) +
                         " bytes an order file may have: it is not opened.");

    TBigIniFile file(path);
    const int headerIndex = file.FindSection(kHeader);
    const int siteIndex = file.FindSection(kSite);
    if (headerIndex < 0 && siteIndex < 0)
        throw QuillError("The file " + Utf8Of(path) + " is not a Quillroute order file.");
    const SectionLines none(nullptr, nullptr, 0);
    const SectionLines header = headerIndex < 0 ? none : file.Lines(headerIndex);
    const SectionLines site = siteIndex < 0 ? none : file.Lines(siteIndex);

    if (const std::string currency = Trim(LineValue(header, "Currency")); !currency.empty())
        content.order.SetCurrency(currency);
    OrderDetails details;
    for (std::size_t i = 0; i < OrderDetails::kCount; ++i)
        details.values[i] = OrderDetails::Cleaned(
            LineValue(i < OrderDetails::kInHeader ? header : site, OrderDetails::kKeys[i]));
    content.order.SetDetails(std::move(details));

    // The site's own keys are skipped by name; every other line is an item,
    // so a file another tool wrote without those keys loses none.
    FirstLineOfKey firstLine(site);
    const int count = site.Count();
    content.order.Reserve(static_cast<std::size_t>(count), size);
    for (int i = 0, item = 0; i < count; ++i) {
        const std::string_view line = site[i];
        if (IsSiteKey(line)) continue;
        ++item;
        const std::size_t equals = line.find('=');
        const int first = firstLine.Find(equals == std::string_view::npos ? std::string_view()
                                                                          : line.substr(0, equals));
        std::string_view value;
        if (first >= 0) {
            const std::string_view source = site[first];
            value = source.substr(source.find('=') + 1);
        }
        std::string_view fields[6];
        SplitItemFields(value, fields);
        const ItemView view{
            fields[0], fields[1], fields[3],
            fields[4], fields[5], IsBlank(fields[2]) ? ItemKind::AirCable : ItemKind::StandardPart};
        try {
            content.order.Append(view);
        } catch (const QuillError& error) {
            throw QuillError("Cannot open the order file " + Utf8Of(path) + ": item " +
                             std::to_string(item) + ": " + error.what());
        }
    }
    return content;
}

}  // namespace quill
