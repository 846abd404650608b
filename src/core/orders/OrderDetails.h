#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/Fields.h"

namespace quill {

// The quote's customer details, kept under the order file's keys of the same
// names: the first five in its Header section, the other five in its site
// section. All empty unless the user filled them.
struct OrderDetails {
    static constexpr std::size_t kCount = 10;
    static constexpr std::size_t kInHeader = 5;
    static constexpr std::array<std::string_view, kCount> kKeys = {
        "Company Name",           "Author",         "Date",        "Job Number",
        "Proposal Number",        "Site Name",      "Site Number", "Ship To City",
        "Ship To State/Province", "Ship To Country"};
    static constexpr std::size_t kDate = 2;

    std::array<std::string, kCount> values;

    bool Empty() const;
    // As the order file can keep it: a line break, a tab or another control
    // character becomes a blank, and blanks around the text go.
    static std::string Cleaned(std::string_view text);
    // "Company Name: Nordic Towers" for each filled detail, the Header's
    // first, then the site's; the two halves print side by side.
    StringList FilledLines(std::size_t first, std::size_t last) const;

    bool operator==(const OrderDetails&) const = default;
};

}  // namespace quill
