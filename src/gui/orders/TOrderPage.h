#pragma once

#include <QHash>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "orders/ItemLine.h"
#include "orders/OrderFile.h"
#include "platform/Guard.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TOrderDetailsDlg;
struct Services;

namespace quill {
class Grid;
class OrderBook;
class QuoteSession;
}  // namespace quill

// The order page ("tsOrder"): the order's rows with their extended prices,
// the total and the page's buttons, with the handlers that change the order
// and its files (saved orders and the last order).
class TOrderPage : public QWidget {
    Q_OBJECT

  public:
    TOrderPage(quill::OrderBook& book, Services& services, OperationGuard& guard);

    // Adds a result's lines in the currency shown; false (after the warning)
    // when the order is in another currency.
    bool AddResult(const quill::ItemLines& lines, const std::string& shownCode,
                   bool orderCurrencyChoosable);
    void RefillOrderGrid();
    // The total and the last-order file, and after one quantity edit that
    // row's extended price.
    void RecalculateOrder(int changedRow = -1);
    void grdOrderCellEdit(int column, int row);
    bool grdOrderSpinIncrement(int column, int row, double value);
    void btnDeleteSelectedClick();
    void btnSaveClick();
    void Open1Click();
    void ViewLastOrder1Click();
    void OpenFile(const std::filesystem::path& file);
    // The customer details of the quote; a change is an order change.
    void OrderDetails1Click();
    void NewOrder1Click();
    // Before the order is replaced or the program ends: changes not saved to
    // a file are saved (to the order's file, or one the user names), let go
    // or kept. Answers whether to go on; false for Cancel and for a save
    // dialog cancelled. A save that fails throws, and nothing goes on.
    bool SettleUnsavedChanges();
    // A customer's CSV list quoted on the session and added to the order;
    // a summary names the rows that could not be.
    void ImportAssemblies1Click(const quill::QuoteSession& session);

    // Drops every handler the grid calls back, for a window going away.
    void Detach();

  signals:
    void opened();  // an order was read from a file; its rows are not shown yet
    void printRequested();
    void addRequested();
    void closeRequested();
    void updateRequested();
    void showRequested();                     // the page is to be shown
    void orderChanged();                      // its lines, details or file changed
    void statusMessage(const QString& text);  // what a command did

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Brings the grid to the order's lines: only the rows that differ from
    // what it shows, or that the user typed into, are written again, with
    // their extended prices. Answers those rows.
    std::vector<int> ShowItems(const quill::ItemLines& items);
    void ShowCurrency(const std::string& caption);
    void ShowSaveProblem(const std::string& text);
    void SaveLastOrder();
    void ShowOpenedOrder(quill::OrderFileContent content, const std::filesystem::path& file);
    std::filesystem::path OrderFolder() const;
    // The save dialog, then the order saved to the file chosen; answers
    // whether it was.
    bool SaveAs();
    void SaveTo(const std::filesystem::path& file);
    void FitColumns();
    void FitRows(int first, int last);
    // After one cell changed: widens its column or fits its row when needed.
    void CellChanged(int column, int row);
    int NeededWidth(int column, int row) const;
    // After rows were written: a column too narrow for one of their cells
    // fits every column (and row); otherwise only their heights are fitted.
    void FitChangedRows(const std::vector<int>& rows);
    int DescriptionHeight(const QString& text);

    quill::OrderBook& book_;
    Services& services_;
    TOrderDetailsDlg* OrderDetailsDlg1 = nullptr;
    int descriptionWidth_ = 0;
    QHash<QString, int> heights_;  // of descriptions at descriptionWidth_
    // What each row of the grid shows; none for a row typed into.
    std::vector<std::optional<quill::ItemLine>> shown_;
    std::string headingsCurrency_ = "-";  // the currency the headings name
    quill::Grid* grdOrder = nullptr;
    QLabel* lblOrderTotal = nullptr;
    QLineEdit* edtOrderTotal = nullptr;
    QLabel* lblOrderCurrency = nullptr;
    QLabel* lblOrderNotice = nullptr;
    QLabel* lblEmptyOrder = nullptr;  // how to add an item, while the order is empty
    QPushButton* btnSave = nullptr;
    QPushButton* BitBtn1 = nullptr;  // Print
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDeleteSelected = nullptr;
    QPushButton* BitBtn2 = nullptr;  // Update
    QPushButton* btnExitQR = nullptr;
};
