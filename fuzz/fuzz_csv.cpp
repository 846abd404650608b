// A customer's CSV file: whatever it holds, it is read or refused with a
// clear error, every row keeps a spreadsheet number after the header's and
// the numbers grow.

#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "catalogue/Error.h"
#include "rfq/CsvTable.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const CsvTable table =
            ReadCsvTable(std::string_view(reinterpret_cast<const char*>(data), size));
        int previous = 1;
        for (const CsvRow& row : table.rows) {
            FUZZ_CHECK(row.number > previous);
            FUZZ_CHECK(!row.cells.empty());
            previous = row.number;
        }
    } catch (const QuillError&) {
    }
    return 0;
}
