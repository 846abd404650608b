// File > Import Assemblies: a customer's request for quotation, quoted row by
// row into the order.

#include <algorithm>

#include "orders/OrderBook.h"
#include "orders/TOrderPage.h"
#include "platform/Services.h"
#include "rfq/RfqImport.h"

using namespace quill;

// Each row is quoted on a fresh start of the wizard, so the wizard's pages
// keep the user's own choices and no row takes them.
void TOrderPage::ImportAssemblies1Click(const QuoteSession& session) {
    const auto file = services_.fileDialogs.OpenFile(
        {"CSV Files (*.csv)|*.csv", ".csv", services_.writtenFolder, {}});
    if (!file) return;
    CsvReader reader(*file);
    const RfqImport import = ImportRfq(reader, session, book_);
    emit showRequested();
    RefillOrderGrid();
    std::string summary = RfqSummary(import);
    std::replace(summary.begin(), summary.end(), '\n', '\r');
    if (import.problems.empty())
        services_.messages.Information(summary);
    else
        services_.messages.Warning(summary);
}
