#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "orders/LastOrder.h"
#include "orders/Order.h"
#include "orders/OrderFile.h"

namespace quill {

// The order of the run with all that goes with it: its currency and
// customer details, the last-order file that keeps it for a later run, and
// the texts typed into its unit and description cells, which show (and are
// exported and printed) until the rows are shown afresh but are not saved.
class OrderBook {
  public:
    explicit OrderBook(std::filesystem::path lastOrderFile);

    const Order& Lines() const { return order_; }
    const std::filesystem::path& LastOrderPath() const { return lastOrder_.Path(); }

    // Adds a result's lines in the currency shown. An order holds one
    // currency: lines in another are refused with the message that says so;
    // `orderCurrencyChoosable` tells whether the user can switch to the
    // order's. Empty when added.
    std::string Add(const ItemLines& lines, const std::string& shownCode,
                    bool orderCurrencyChoosable);

    // A cell of the order as shown: a typed text where there is one.
    std::string CellText(std::size_t row, int column) const;
    // A text typed into a cell. A quantity is taken into the order (answers
    // whether the order changed; throws, changing nothing, for a quantity it
    // cannot take); a unit or description only shows.
    bool EditCell(std::size_t row, int column, const std::string& text);
    std::string RefusedQuantity(std::size_t row, const std::string& text) const {
        return order_.RefusedQuantity(row, text);
    }
    // The rows are shown afresh from the order: typed units and descriptions go.
    void ForgetTypedTexts() { typed_.clear(); }
    bool HasTypedTexts() const { return !typed_.empty(); }

    void DeleteRows(const std::vector<int>& rows);
    // An order read from a file replaces this one.
    void Open(OrderFileContent content, const std::filesystem::path& file = {});
    void SaveTo(const std::filesystem::path& file);
    // Empties the order, its currency and its details, for the next customer.
    void NewOrder();

    // The file the order was opened from or last saved to; empty for a new one.
    const std::filesystem::path& File() const { return file_; }
    // Whether the order changed since it was opened, saved or begun.
    bool HasUnsavedChanges() const { return unsaved_; }
    // What is asked before unsaved changes are replaced or the program ends:
    // the order named as the window's title names it, in UTF-8.
    std::string SaveQuestion() const;
    // The name the save and export dialogs propose, without extension: the
    // proposal number, else the job number, else the first part number, with
    // the characters a file name cannot hold replaced by "-"; empty for none.
    std::string SuggestedName() const;
    // Answers whether the details changed.
    bool SetDetails(const OrderDetails& details);

    // How the last-order file was written after the latest change (every
    // change writes it), once: NotNeeded until the next change.
    LastOrderFile::Result TakeKept();

  private:
    void Changed();

    Order order_;
    LastOrderFile lastOrder_;
    std::map<std::pair<std::size_t, int>, std::string> typed_;
    std::filesystem::path file_;
    bool unsaved_ = false;
    LastOrderFile::Result kept_{LastOrderFile::Outcome::NotNeeded, {}};
};

}  // namespace quill
