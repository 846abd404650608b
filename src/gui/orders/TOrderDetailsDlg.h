#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "orders/OrderDetails.h"

class QDialogButtonBox;
class QLineEdit;

// The quote's customer details: the order's (company, author, date, job and
// proposal numbers) and the site's (name, number, where it ships to).
class TOrderDetailsDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOrderDetailsDlg(QWidget* parent);

    // Shows the details, "Date" set to `today` when empty; answers the edited
    // details, or nothing when the user cancelled.
    std::optional<quill::OrderDetails> Execute(const quill::OrderDetails& details,
                                               const std::string& today);

    // Called once the dialog is on the screen (tests drive it).
    std::function<void(TOrderDetailsDlg&)> onShown;

    // In the order of the details' keys: edtCompanyName, edtAuthor, ...
    std::array<QLineEdit*, quill::OrderDetails::kCount> edits{};
    QDialogButtonBox* buttons = nullptr;
};
