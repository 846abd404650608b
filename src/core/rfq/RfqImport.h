#pragma once

#include <string>
#include <vector>

#include "orders/OrderBook.h"
#include "rfq/CsvTable.h"
#include "session/QuoteSession.h"

namespace quill {

// A row of the request that added nothing: its number as a spreadsheet shows
// it (the header is row 1), the column at fault (empty when no one column
// is) and why.
struct RfqProblem {
    int row = 0;
    std::string column;
    std::string reason;
};

struct RfqImport {
    int rows = 0;    // the data rows read (rows with anything in them)
    int quoted = 0;  // rows whose item lines joined the order
    std::vector<RfqProblem> problems;
};

// Quotes every row, as it is read, as a freshly started wizard would with
// that row's values (on a restart of the session, with its currency), and
// adds its item lines to the order with their quantities multiplied by the
// row's, merged as "Add to Order" merges; the order's one-currency rule
// holds. Columns by header name in any order, letter case aside: Quantity,
// Application, Length, Unit, Begin MHz, End MHz, Cable Type, Cable, Top
// Connector, Bottom Connector, and, optionally, Cable Grade, Attachment,
// Connector Grade, Top Special, Top Inner, Bottom Special, Bottom Inner, Top
// Mode, Bottom Mode. In a file separated by semicolons or tabs a number may
// have a decimal comma ("1,5", "1.234,5").
RfqImport ImportRfq(CsvReader& reader, const QuoteSession& session, OrderBook& book);

// A first line with the counts, then, after an empty line, a line for each
// row not quoted: "Row 4, Cable: ...".
std::string RfqSummary(const RfqImport& import);

}  // namespace quill
