// Order files: a file is read as an order or refused with a message naming
// it; an order read is written and read back unchanged, and its totals are
// figures.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "orders/OrderFile.h"
#include "text/Error.h"
#include "text/Fields.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file =
        fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size), "a.qrf");
    OrderFileContent read;
    try {
        read = ReadOrderFile(file);
    } catch (const QuillError& error) {
        FUZZ_CHECK(std::string(error.what()).find(file.string()) != std::string::npos, "%s\n",
                   error.what());
        return 0;
    }
    const Order& order = read.order;
    double total = 0;
    FUZZ_CHECK(TryStrToFloat(order.TotalText(), total));
    for (std::size_t i = 0; i < order.Count(); ++i)
        FUZZ_CHECK(TryStrToFloat(order.ExtendedText(i), total));

    const auto copy = fuzz::FileWith("", "b.qrf");
    bool written = true;
    try {
        WriteOrderFile(copy, order);
    } catch (const QuillError& error) {
        // A currency code read from a Header line cannot break a line, so
        // only a file system failure could refuse the write.
        written = false;
        FUZZ_CHECK(false, "%s\n", error.what());
    }
    if (!written) return 0;
    const OrderFileContent again = ReadOrderFile(copy);
    FUZZ_CHECK(again.order.Items() == order.Items());
    FUZZ_CHECK(again.order.Currency() == order.Currency() || order.Currency().empty());
    return 0;
}
