#pragma once

#include <QHash>
#include <QWidget>
#include <string>
#include <vector>

#include "orders/ItemLine.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quill {
class Grid;
}

// The order page: the order's rows with their extended prices, the total and
// the page's own buttons. It only shows what it is given; the main window
// owns the order and handles the buttons and cell edits.
class TOrderPage : public QWidget {
    Q_OBJECT

  public:
    explicit TOrderPage(QWidget* parent = nullptr);

    // Rebuilds the rows from the order's lines: quantity, unit, part number,
    // description and price. Extended prices follow with ShowExtended.
    void ShowItems(const quill::ItemLines& items);
    void ShowExtended(int row, const std::string& text);
    void ShowTotal(const std::string& text);
    // Sizes the columns to their texts and the rows to their descriptions.
    void FitToContent();
    // After one cell changed: widens its column or fits its row when needed.
    void CellChanged(int column, int row);
    // Names the order's currency under the rows; nothing for US dollars.
    void ShowCurrency(const std::string& caption);
    // A lasting notice that the order is not being kept; empty hides it.
    void ShowSaveProblem(const std::string& text);

    // Drops every handler the grid calls back, for a window going away.
    void Detach();

    QString QuantityText(int row) const;
    void SetQuantityText(int row, const std::string& text);
    std::vector<int> SelectedRows() const;

    // Controls, named as the user interface names them.
    quill::Grid* grdOrder = nullptr;
    QLabel* lblOrderTotal = nullptr;
    QLineEdit* edtOrderTotal = nullptr;
    QLabel* lblOrderCurrency = nullptr;
    QLabel* lblOrderNotice = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* BitBtn1 = nullptr;  // Print
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDeleteSelected = nullptr;
    QPushButton* BitBtn2 = nullptr;  // Update
    QPushButton* btnExitQR = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FitColumns();
    void FitRows(int first, int last);
    int DescriptionHeight(const QString& text);

    int descriptionWidth_ = 0;
    QHash<QString, int> heights_;  // of descriptions at descriptionWidth_
};
