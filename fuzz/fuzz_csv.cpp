// A customer's CSV file: whatever it holds, it is read or refused with a
// clear error, every row keeps a spreadsheet number after the header's and
// the numbers grow; quoted into an order on the bundled data, every row read
// is either quoted or named with its reason, once.

#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "rfq/CsvTable.h"
#include "rfq/RfqImport.h"
#include "text/Error.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const CsvTable table = ReadCsvTable(bytes);
        int previous = 1;
        for (const CsvRow& row : table.rows) {
            FUZZ_CHECK(row.number > previous);
            FUZZ_CHECK(!row.cells.empty());
            previous = row.number;
        }

        CsvReader reader(CsvBytes{bytes});
        QuoteSession session(fuzz::SampleData());
        OrderBook book({});
        const RfqImport import = ImportRfq(reader, session, book);
        FUZZ_CHECK(import.rows == static_cast<int>(table.rows.size()));
        const bool missingColumn = !import.problems.empty() && import.problems[0].row == 1;
        if (!missingColumn) {
            FUZZ_CHECK(import.quoted + static_cast<int>(import.problems.size()) == import.rows);
            for (const RfqProblem& problem : import.problems) FUZZ_CHECK(!problem.reason.empty());
        }
    } catch (const QuillError&) {
    }
    return 0;
}
