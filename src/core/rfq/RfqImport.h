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
    int rows = 0;    // rows with an assembly
    int quoted = 0;  // rows whose item lines joined the order
    std::vector<RfqProblem> problems;
};

// Quotes every row as the wizard would, on the session, and adds its item
// lines to the order as many times as its quantity says, merged as "Add to
// Order" merges; the order's one-currency rule holds. Columns by header name
// in any order, letter case aside: Quantity, Application, Length, Unit, Begin
// MHz, End MHz, Cable Type, Cable, Top Connector, Bottom Connector, and,
// optionally, Cable Grade, Attachment, Connector Grade, Top Special, Top
// Inner, Bottom Special, Bottom Inner, Top Mode, Bottom Mode.
RfqImport ImportRfq(const CsvTable& table, QuoteSession& session, OrderBook& book);

// A first line with the counts, then, after an empty line, a line for each
// row not quoted: "Row 4, Cable: ...".
std::string RfqSummary(const RfqImport& import);

}  // namespace quill
