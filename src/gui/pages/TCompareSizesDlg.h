#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "session/CompareSizes.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quill {
class Clipboard;
class Messages;
}  // namespace quill

// Every cable size of the band side by side, quoted as Next would quote it:
// the two limits hide the rows that miss them and mark the cheapest of the
// others; Use This Size answers the row chosen.
class TCompareSizesDlg : public QDialog {
    Q_OBJECT
  public:
    TCompareSizesDlg(std::vector<quill::SizeRow> rows, std::string currencyCode,
                     quill::Clipboard& clipboard, quill::Messages& messages,
                     QWidget* parent = nullptr);

    // Shows the dialog; the size taken with Use This Size, if any.
    std::optional<quill::SizeRow> Execute();

    QLineEdit* edtMaxLoss = nullptr;
    QLineEdit* edtMinPower = nullptr;
    QTableWidget* tblSizes = nullptr;
    QLabel* lblMeets = nullptr;  // how many sizes meet the limits, while any is set
    QPushButton* btnUse = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnClose = nullptr;
    std::function<void(TCompareSizesDlg&)> onShown;  // for tests, once shown

  private:
    void Refill();
    quill::SizeLimits Limits() const;
    const quill::SizeRow* SelectedRow() const;

    std::vector<quill::SizeRow> rows_;
    std::string currency_;
    void CheckLimit(QLineEdit* box);

    quill::Clipboard& clipboard_;
    quill::Messages& messages_;
    std::optional<quill::SizeRow> chosen_;
};
