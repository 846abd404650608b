#include "orders/OrderDetails.h"

namespace quill {

bool OrderDetails::Empty() const {
    for (const std::string& value : values)
        if (!value.empty()) return false;
    return true;
}

std::string OrderDetails::Cleaned(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return Trim(out);
}

StringList OrderDetails::FilledLines(std::size_t first, std::size_t last) const {
    StringList lines;
    for (std::size_t i = first; i < last && i < kCount; ++i)
        if (!values[i].empty()) lines.push_back(std::string(kKeys[i]) + ": " + values[i]);
    return lines;
}

}  // namespace quill
