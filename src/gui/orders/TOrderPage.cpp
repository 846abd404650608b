#include "orders/TOrderPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/Grid.h"
#include "controls/Hint.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

enum Column { kQty, kUom, kPartNumber, kDescription, kPrice, kExtended, kColumns };

constexpr int kCellPadding = 14;  // the cell's margins and a little air
constexpr int kSpinButtons = 22;  // the quantity editor's up and down buttons
constexpr int kMinDescription = 160;
constexpr int kMaxDescriptionLines = 6;

QPushButton* PageButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    SetHint(button, hint);
    return button;
}

}  // namespace

TOrderPage::TOrderPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsOrder");
    SetHint(this, "Orlenk Corporation");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    grdOrder = new Grid(kColumns, 0, this);
    grdOrder->setObjectName("grdOrder");
    grdOrder->SetHeadingVisible(true);
    grdOrder->SetHeadings({"Qty.", "UOM", "Part Number", "Description", "Price", "Extended"});
    const Qt::Alignment alignments[] = {Qt::AlignCenter, Qt::AlignLeft,  Qt::AlignLeft,
                                        Qt::AlignLeft,   Qt::AlignRight, Qt::AlignRight};
    for (int column = 0; column < kColumns; ++column)
        grdOrder->SetColumnAlignment(column, alignments[column]);
    grdOrder->SetSpinColumn(kQty);
    grdOrder->SetColumnEditable(kUom, true);
    grdOrder->SetColumnEditable(kDescription, true);
    grdOrder->SetRowBarVisible(true);
    grdOrder->SetWordWrap(true);
    grdOrder->SetDefaultRowHeight(24);
    grdOrder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdOrder->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdOrder->viewport()->installEventFilter(this);
    layout->addWidget(grdOrder, 1);

    lblOrderCurrency = new QLabel(this);
    lblOrderCurrency->setObjectName("lblOrderCurrency");
    lblOrderCurrency->setStyleSheet("color: blue;");
    lblOrderCurrency->hide();
    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(lblOrderCurrency);
    totalRow->addStretch(1);
    lblOrderTotal = new QLabel("Order Total:", this);
    lblOrderTotal->setObjectName("lblOrderTotal");
    edtOrderTotal = new QLineEdit(this);
    edtOrderTotal->setObjectName("edtOrderTotal");
    edtOrderTotal->setReadOnly(true);
    edtOrderTotal->setAlignment(Qt::AlignRight);
    edtOrderTotal->setMinimumWidth(110);
    QFont bold = edtOrderTotal->font();
    bold.setBold(true);
    edtOrderTotal->setFont(bold);
    lblOrderTotal->setFont(bold);
    totalRow->addWidget(lblOrderTotal);
    totalRow->addWidget(edtOrderTotal);
    layout->addLayout(totalRow);

    lblOrderNotice = new QLabel(this);
    lblOrderNotice->setObjectName("lblOrderNotice");
    lblOrderNotice->setWordWrap(true);
    lblOrderNotice->setStyleSheet("color: #b00000; font-weight: bold;");
    lblOrderNotice->hide();
    layout->addWidget(lblOrderNotice);

    auto* buttons = new QHBoxLayout;
    btnSave = PageButton(this, "btnSave", "&Save", "Save the order to a file");
    BitBtn1 = PageButton(this, "BitBtn1", "&Print", "Print the list of materials");
    btnAdd = PageButton(this, "btnAdd", "&Add", "Configure another item for this order");
    btnDeleteSelected =
        PageButton(this, "btnDeleteSelected", "&Delete", "Delete the highlighted rows");
    BitBtn2 = PageButton(this, "BitBtn2", "&Update", "Update your pricing and software");
    btnExitQR = PageButton(this, "btnExitQR", "&Close", "Close");
    for (QPushButton* button : {btnSave, BitBtn1, btnAdd, btnDeleteSelected, BitBtn2})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(btnExitQR);
    layout->addLayout(buttons);
}

void TOrderPage::ShowItems(const ItemLines& items) {
    grdOrder->setUpdatesEnabled(false);
    grdOrder->clearSelection();
    grdOrder->SetRowCount(static_cast<int>(items.size()));
    for (int row = 0; row < grdOrder->RowCount(); ++row) {
        const ItemLine& item = items[static_cast<std::size_t>(row)];
        grdOrder->SetCell(kQty, row, ToQt(item.quantity));
        grdOrder->SetCell(kUom, row, ToQt(item.unit));
        grdOrder->SetCell(kPartNumber, row, ToQt(item.partNumber));
        grdOrder->SetCell(kDescription, row, ToQt(item.description));
        grdOrder->SetCell(kPrice, row, ToQt(item.price));
        grdOrder->SetCell(kExtended, row, QString());
    }
    grdOrder->setUpdatesEnabled(true);
}

void TOrderPage::ShowExtended(int row, const std::string& text) {
    grdOrder->SetCell(kExtended, row, ToQt(text));
}

void TOrderPage::ShowTotal(const std::string& text) { edtOrderTotal->setText(ToQt(text)); }

void TOrderPage::FitToContent() { FitColumns(); }

void TOrderPage::CellChanged(int column, int row) {
    if (column == kDescription) {
        FitRows(row, row);
        return;
    }
    const int needed = grdOrder->fontMetrics().horizontalAdvance(grdOrder->Cell(column, row)) +
                       kCellPadding + (column == kQty ? kSpinButtons : 0);
    if (needed > grdOrder->columnWidth(column)) FitColumns();
}

void TOrderPage::ShowCurrency(const std::string& caption) {
    lblOrderCurrency->setText(ToQt("All prices of this order are in " + caption + "."));
    lblOrderCurrency->setVisible(!caption.empty() && caption.find("(USD)") == std::string::npos);
}

void TOrderPage::ShowSaveProblem(const std::string& text) {
    lblOrderNotice->setText(ToQt(text));
    lblOrderNotice->setVisible(!text.empty());
}

void TOrderPage::Detach() {
    grdOrder->onCellEdit = nullptr;
    grdOrder->onSpin = nullptr;
    grdOrder->acceptEdit = nullptr;
    grdOrder->onEditRefused = nullptr;
}

QString TOrderPage::QuantityText(int row) const { return grdOrder->Cell(kQty, row); }

void TOrderPage::SetQuantityText(int row, const std::string& text) {
    grdOrder->SetCell(kQty, row, ToQt(text));
}

std::vector<int> TOrderPage::SelectedRows() const { return grdOrder->SelectedRows(); }

// Every column but the description is as wide as its widest text; the
// description takes the rest and wraps. Texts are compared by length first so
// that an order of thousands of rows measures only a few of them.
void TOrderPage::FitColumns() {
    const QFontMetrics metrics = grdOrder->fontMetrics();
    const QFontMetrics headingMetrics = grdOrder->horizontalHeader()->fontMetrics();
    int others = 0;
    for (const int column : {kQty, kUom, kPartNumber, kPrice, kExtended}) {
        std::vector<QString> longest;
        for (int row = 0; row < grdOrder->RowCount(); ++row) {
            const QString text = grdOrder->Cell(column, row);
            if (longest.size() < 3 || text.size() > longest.back().size()) {
                longest.push_back(text);
                std::sort(longest.begin(), longest.end(),
                          [](const QString& a, const QString& b) { return a.size() > b.size(); });
                if (longest.size() > 3) longest.pop_back();
            }
        }
        int width = headingMetrics.horizontalAdvance(grdOrder->Heading(column));
        for (const QString& text : longest)
            width = std::max(width, metrics.horizontalAdvance(text));
        width += kCellPadding + (column == kQty ? kSpinButtons : 0);
        grdOrder->SetColumnWidth(column, width);
        others += width;
    }
    const int available = grdOrder->viewport()->width();
    const int description = std::max(kMinDescription, available - others);
    grdOrder->SetColumnWidth(kDescription, description);
    if (description != descriptionWidth_) {
        descriptionWidth_ = description;
        heights_.clear();
    }
    FitRows(0, grdOrder->RowCount() - 1);
}

void TOrderPage::FitRows(int first, int last) {
    for (int row = std::max(first, 0); row <= last && row < grdOrder->RowCount(); ++row) {
        const int height = DescriptionHeight(grdOrder->Cell(kDescription, row));
        if (grdOrder->RowHeight(row) != height) grdOrder->SetRowHeight(row, height);
    }
}

// Heights are kept per text: an order repeats descriptions, and adding one
// line to thousands measures only the new one.
int TOrderPage::DescriptionHeight(const QString& text) {
    const auto known = heights_.constFind(text);
    if (known != heights_.constEnd()) return known.value();
    const QFontMetrics metrics = grdOrder->fontMetrics();
    const QRect bounds = metrics.boundingRect(
        QRect(0, 0, descriptionWidth_ - kCellPadding, 1 << 20), Qt::TextWordWrap, text);
    const int lines =
        std::clamp(bounds.height() / std::max(metrics.lineSpacing(), 1), 1, kMaxDescriptionLines);
    const int height = std::max(grdOrder->DefaultRowHeight(), lines * metrics.lineSpacing() + 8);
    heights_.insert(text, height);
    return height;
}

bool TOrderPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdOrder->viewport() && event->type() == QEvent::Resize) FitColumns();
    return QWidget::eventFilter(watched, event);
}
