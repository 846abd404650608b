#include "orders/TOrderDetailsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "platform/TextConversion.h"

using namespace quill;

namespace {

// "Ship To State/Province" becomes "edtShipToStateProvince".
QString EditName(std::string_view key) {
    QString name = "edt";
    for (const char c : key)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) name += QChar(c);
    return name;
}

}  // namespace

TOrderDetailsDlg::TOrderDetailsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("OrderDetailsDlg");
    setWindowTitle("Order Details");
    auto* columns = new QHBoxLayout;
    const auto group = [&](const char* title, std::size_t first, std::size_t last) {
        auto* box = new QGroupBox(title, this);
        auto* form = new QFormLayout(box);
        for (std::size_t i = first; i < last; ++i) {
            edits[i] = new QLineEdit(box);
            edits[i]->setObjectName(EditName(OrderDetails::kKeys[i]));
            edits[i]->setAccessibleName(ToQt(std::string(OrderDetails::kKeys[i])));
            edits[i]->setMaxLength(120);
            form->addRow(ToQt(std::string(OrderDetails::kKeys[i]) + ":"), edits[i]);
        }
        columns->addWidget(box);
    };
    group("Quote", 0, OrderDetails::kInHeader);
    group("Site", OrderDetails::kInHeader, OrderDetails::kCount);
    // Wide enough for a company name, an address or a job number of 36
    // letters; on a narrow screen the boxes give up to half of that.
    const int wide = fontMetrics().horizontalAdvance(QString(36, 'n'));
    for (QLineEdit* edit : edits) edit->setMinimumWidth(wide / 2);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    const int shown = std::max(edits[0]->sizeHint().width(), wide / 2);
    resize(sizeHint() + QSize(2 * std::max(0, wide - shown), 0));  // the boxes of two columns
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<OrderDetails> TOrderDetailsDlg::Execute(const OrderDetails& details,
                                                      const std::string& today) {
    for (std::size_t i = 0; i < OrderDetails::kCount; ++i) {
        const std::string& value =
            i == OrderDetails::kDate && details.values[i].empty() ? today : details.values[i];
        edits[i]->setText(ToQt(value));
    }
    edits[0]->setFocus();
    if (onShown) QTimer::singleShot(0, this, [this] { onShown(*this); });
    if (exec() != QDialog::Accepted) return std::nullopt;
    OrderDetails edited;
    for (std::size_t i = 0; i < OrderDetails::kCount; ++i)
        edited.values[i] = OrderDetails::Cleaned(FromQt(edits[i]->text()));
    return edited;
}
