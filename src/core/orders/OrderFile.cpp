#include "orders/OrderFile.h"

#include <system_error>
#include <unordered_map>

#include "catalogue/BigIniFile.h"
#include "catalogue/Error.h"
#include "catalogue/Fields.h"

namespace quill {

namespace fs = std::filesystem;

namespace {

const char* const kHeader = "Header";
const char* const kSite = "SITE 001 LOM";
const char* const kStandardMarker = "QR-001";
constexpr std::size_t kSiteKeys = 5;  // the site lines before the items

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
    std::size_t number = 0;
    for (const ItemLine& item : order.Items()) {
        const char* marker = item.kind == ItemKind::StandardPart ? kStandardMarker : "";
        site.push_back(std::to_string(++number) + "=" + item.quantity + "|" + item.unit + "|" +
                       marker + "|" + item.partNumber + "|" + item.description + "|" + item.price +
                       "|");
    }

    TBigIniFile file(path, TBigIniFile::Start::Empty);
    file.WriteSectionLines(kHeader, header);
    file.WriteSectionLines(kSite, site);
    file.SaveIfChanged();
}

OrderFileContent ReadOrderFile(const fs::path& path) {
    OrderFileContent content;
    std::error_code ec;
    content.existed = fs::exists(path, ec);
    if (!content.existed) return content;
    std::error_code sizeError;
    if (const std::uintmax_t size = fs::file_size(path, sizeError);
        !sizeError && size > kLargestOrderFile)
        throw QuillError("The file " + path.string() + " is " + std::to_string(size) +
                         " bytes long, more than the " + std::to_string(kLargestOrderFile) +
                         " bytes an order file may have: it is not opened.");

    TBigIniFile file(path);
    StringList header, site;
    const bool hasHeader = file.ReadSectionLines(kHeader, header);
    const bool hasSite = file.ReadSectionLines(kSite, site);
    if (!hasHeader && !hasSite)
        throw QuillError("The file " + path.string() + " is not a Quillroute order file.");
    if (const std::string currency = Trim(LineValue(header, "Currency")); !currency.empty())
        content.order.SetCurrency(currency);
    OrderDetails details;
    for (std::size_t i = 0; i < OrderDetails::kCount; ++i)
        details.values[i] = OrderDetails::Cleaned(
            LineValue(i < OrderDetails::kInHeader ? header : site, OrderDetails::kKeys[i]));
    content.order.SetDetails(std::move(details));

    // An item takes the value of the first line of its key, as every reader of
    // these files has done; the first five lines are the site's own keys.
    std::unordered_map<std::string, std::size_t> firstOfKey;
    for (std::size_t i = 0; i < site.size(); ++i) {
        const std::size_t equals = site[i].find('=');
        if (equals != std::string::npos)
            firstOfKey.emplace(LowerAscii(site[i].substr(0, equals)), i);
    }
    for (std::size_t i = kSiteKeys; i < site.size(); ++i) {
        const auto first = firstOfKey.find(LowerAscii(LineName(site[i])));
        std::string_view value;
        if (first != firstOfKey.end()) {
            const std::string& line = site[first->second];
            value = std::string_view(line).substr(line.find('=') + 1);
        }
        ItemLine item{FieldAt(value, 1),
                      FieldAt(value, 2),
                      FieldAt(value, 4),
                      FieldAt(value, 5),
                      FieldAt(value, 6),
                      FieldAt(value, 3).empty() ? ItemKind::AirCable : ItemKind::StandardPart};
        try {
            content.order.Append(std::move(item));
        } catch (const QuillError& error) {
            throw QuillError("Cannot open the order file " + path.string() + ": item " +
                             std::to_string(i - kSiteKeys + 1) + ": " + error.what());
        }
    }
    return content;
}

}  // namespace quill
