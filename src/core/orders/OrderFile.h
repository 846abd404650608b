#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "orders/Order.h"

namespace quill {

// Order files (".qrf") and the last-order file share one sectioned layout: a
// "Header" section of the first five customer details (empty keys when not
// filled), two empty keys and "App=Quillroute", and a site section
// "SITE 001 LOM" of the other five details followed by the items, numbered
// from 1:
//
//     1=2|Each|QR-001|P|D|12.50|
//
// (quantity, unit, the marker "QR-001" for a standard part, part number,
// description, price). Only whether an item was a standard part survives:
// read back, every other item is of kind 2. An order in a currency other than
// US dollars records it as "Currency=EUR" in the Header section, which older
// readers ignore.

// Replaces the file's whole content through the atomic save; throws with the
// file's name and the reason when it cannot be written, leaving any old file
// whole.
void WriteOrderFile(const std::filesystem::path& path, const Order& order);

struct OrderFileContent {
    Order order;
    bool existed = false;  // a missing file reads as an empty order
};

// Far above any real order (a million items take about 100 MB), so that a
// wrong file of any size is refused before it is read.
constexpr std::uintmax_t kLargestOrderFile = std::uintmax_t{1} << 30;  // 1 GiB

// Throws, naming the file, when it cannot be read (a folder, a named pipe or
// a device is never read), is larger than kLargestOrderFile, is not an order
// file, or holds an item whose quantity or price is not a number.
OrderFileContent ReadOrderFile(const std::filesystem::path& path);

}  // namespace quill
