#include "orders/TOrderPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/Grid.h"
#include "controls/Hint.h"
#include "orders/OrderBook.h"
#include "orders/TOrderDetailsDlg.h"
#include "output/ExportContent.h"
#include "platform/Services.h"
#include "platform/TextConversion.h"
#include "pricing/Currency.h"
#include "rfq/RfqImport.h"

using namespace quill;

namespace {

const char* const kEmptyOrderText =
    "This order is empty. To add an item, press Add, choose the assembly on the wizard's pages "
    "and press Add to Order on its result page.";

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

TOrderPage::TOrderPage(OrderBook& book, Services& services, OperationGuard& guard)
    : book_(book), services_(services) {
    OrderDetailsDlg1 = new TOrderDetailsDlg(this);
    setObjectName("tsOrder");
    SetHint(this, "Orlenk Corporation");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    grdOrder = new Grid(kColumns, 0, this);
    grdOrder->setObjectName("grdOrder");
    grdOrder->setAccessibleName("Order Items");
    grdOrder->SetHeadingVisible(true);
    grdOrder->SetHeadings(ToQt(OrderHeadings("USD")));
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
    // Figures are never cut: when the columns are wider than the grid, it scrolls.
    grdOrder->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdOrder->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdOrder->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdOrder->viewport()->installEventFilter(this);
    layout->addWidget(grdOrder, 1);

    lblEmptyOrder = new QLabel(kEmptyOrderText, this);
    lblEmptyOrder->setObjectName("lblEmptyOrder");
    lblEmptyOrder->setWordWrap(true);
    lblEmptyOrder->hide();
    layout->addWidget(lblEmptyOrder);

    lblOrderCurrency = new QLabel(this);
    lblOrderCurrency->setObjectName("lblOrderCurrency");
    lblOrderCurrency->setStyleSheet("color: blue;");
    lblOrderCurrency->hide();
    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(lblOrderCurrency);
    totalRow->addStretch(1);
    lblOrderTotal = new QLabel(ToQt(OrderTotalLabel("USD")), this);
    lblOrderTotal->setObjectName("lblOrderTotal");
    edtOrderTotal = new QLineEdit(this);
    edtOrderTotal->setObjectName("edtOrderTotal");
    edtOrderTotal->setAccessibleName("Order Total");
    edtOrderTotal->setReadOnly(true);
    edtOrderTotal->setAlignment(Qt::AlignRight);
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

    grdOrder->onCellEdit = [this, &guard](int column, int row) {
        guard([this, column, row] { grdOrderCellEdit(column, row); })();
    };
    grdOrder->onSpin = [this](int column, int row, double value) {
        return grdOrderSpinIncrement(column, row, value);
    };
    grdOrder->acceptEdit = [this](int column, int row, const QString& text) {
        return column != 0 ||
               book_.RefusedQuantity(static_cast<std::size_t>(row), FromQt(text)).empty();
    };
    grdOrder->onEditRefused = [this](int, int row, const QString& text) {
        services_.messages.Warning(
            book_.RefusedQuantity(static_cast<std::size_t>(row), FromQt(text)));
    };
    connect(btnSave, &QPushButton::clicked, this, guard([this] { btnSaveClick(); }));
    connect(btnDeleteSelected, &QPushButton::clicked, this,
            guard([this] { btnDeleteSelectedClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, &TOrderPage::printRequested);
    connect(btnAdd, &QPushButton::clicked, this, &TOrderPage::addRequested);
    connect(btnExitQR, &QPushButton::clicked, this, &TOrderPage::closeRequested);
    connect(BitBtn2, &QPushButton::clicked, this, &TOrderPage::updateRequested);
}

std::vector<int> TOrderPage::ShowItems(const ItemLines& items) {
    grdOrder->setUpdatesEnabled(false);
    grdOrder->clearSelection();
    grdOrder->SetRowCount(static_cast<int>(items.size()));
    shown_.resize(items.size());
    std::vector<int> changed;
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ItemLine& item = items[row];
        if (shown_[row] == item) continue;
        const int at = static_cast<int>(row);
        grdOrder->SetCell(kQty, at, ToQt(item.quantity));
        grdOrder->SetCell(kUom, at, ToQt(item.unit));
        grdOrder->SetCell(kPartNumber, at, ToQt(item.partNumber));
        grdOrder->SetCell(kDescription, at, ToQt(item.description));
        grdOrder->SetCell(kPrice, at, ToQt(item.price));
        grdOrder->SetCell(kExtended, at, ToQt(book_.Lines().ExtendedText(row)));
        shown_[row] = item;
        changed.push_back(at);
    }
    grdOrder->setUpdatesEnabled(true);
    return changed;
}

int TOrderPage::NeededWidth(int column, int row) const {
    return grdOrder->fontMetrics().horizontalAdvance(grdOrder->Cell(column, row)) + kCellPadding +
           (column == kQty ? kSpinButtons : 0);
}

void TOrderPage::CellChanged(int column, int row) {
    if (column == kDescription) {
        FitRows(row, row);
        return;
    }
    if (NeededWidth(column, row) > grdOrder->columnWidth(column)) FitColumns();
}

void TOrderPage::FitChangedRows(const std::vector<int>& rows) {
    for (const int row : rows)
        for (const int column : {kQty, kUom, kPartNumber, kPrice, kExtended})
            if (NeededWidth(column, row) > grdOrder->columnWidth(column)) return FitColumns();
    for (const int row : rows) FitRows(row, row);
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
    // Unpainted meanwhile: a grid that paints works out every row's place
    // again after each height set, and many rows would cost their square.
    const bool updates = grdOrder->updatesEnabled();
    grdOrder->setUpdatesEnabled(false);
    for (int row = std::max(first, 0); row <= last && row < grdOrder->RowCount(); ++row) {
        const int height = DescriptionHeight(grdOrder->Cell(kDescription, row));
        if (grdOrder->RowHeight(row) != height) grdOrder->SetRowHeight(row, height);
    }
    grdOrder->setUpdatesEnabled(updates);
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

namespace {

const char* const kOrderFilter = "Quillroute Files (*.qrf)|*.qrf";

const char* const kNothingSelected =
    "To delete items, highlight the rows you wish to delete\rby clicking the rowbar on the "
    "left.\rTo delete multiple rows, hold down the Ctrl key while\rselecting each row.";
const char* const kConfirmDelete =
    "Are you sure you want to delete the selected items?\rThis action can not be undone!";

}  // namespace

bool TOrderPage::AddResult(const ItemLines& lines, const std::string& shownCode,
                           bool orderCurrencyChoosable) {
    const std::string refusal = book_.Add(lines, shownCode, orderCurrencyChoosable);
    if (!refusal.empty()) services_.messages.Warning(refusal);
    return refusal.empty();
}

void TOrderPage::RefillOrderGrid() {
    book_.ForgetTypedTexts();
    // The prices' currency is named in their headings and at the total.
    const std::string& currency = book_.Lines().Currency();
    const bool newHeadings = currency != headingsCurrency_;
    headingsCurrency_ = currency;
    grdOrder->SetHeadings(ToQt(OrderHeadings(currency)));
    lblOrderTotal->setText(ToQt(OrderTotalLabel(currency)));
    const std::vector<int> changed = ShowItems(book_.Lines().Items());
    ShowCurrency(CurrencyCaption(book_.Lines().Currency()));
    if (newHeadings || changed.size() == book_.Lines().Count())
        FitColumns();
    else
        FitChangedRows(changed);
    RecalculateOrder();
}

void TOrderPage::RecalculateOrder(int changedRow) {
    if (changedRow >= 0 && static_cast<std::size_t>(changedRow) < book_.Lines().Count()) {
        // One quantity changed: one extended price, not the whole grid.
        grdOrder->SetCell(kExtended, changedRow,
                          ToQt(book_.Lines().ExtendedText(static_cast<std::size_t>(changedRow))));
        CellChanged(kExtended, changedRow);
    }
    const QString total = ToQt(book_.Lines().TotalText());
    edtOrderTotal->setText(total);
    // The total shows whole however large: the box grows with it.
    edtOrderTotal->setMinimumWidth(
        std::max(110, edtOrderTotal->fontMetrics().horizontalAdvance(total) + 16));
    lblEmptyOrder->setVisible(book_.Lines().Count() == 0);
    emit orderChanged();
    SaveLastOrder();
}

void TOrderPage::SaveLastOrder() {
    const LastOrderFile::Result result = book_.TakeKept();
    switch (result.outcome) {
        case LastOrderFile::Outcome::NotNeeded:
            return;
        case LastOrderFile::Outcome::Written:
            ShowSaveProblem({});
            return;
        case LastOrderFile::Outcome::Failed:
            services_.messages.Error(result.error +
                                     "\rThe order stays as it is here, but \"View Last Order\" "
                                     "will not find it in a later run. Save it to a file to keep "
                                     "it.");
            break;
        case LastOrderFile::Outcome::StillFailing:
            break;
    }
    ShowSaveProblem("The last order is not being kept: " + result.error +
                    ". Save the order to a file to keep it.");
}

void TOrderPage::grdOrderCellEdit(int column, int row) {
    // A typed text is shown afresh by the next refill.
    if (static_cast<std::size_t>(row) < shown_.size()) shown_[row] = std::nullopt;
    CellChanged(column, row);
    // Units and descriptions show only; a quantity is taken into the order.
    book_.EditCell(static_cast<std::size_t>(row), column, FromQt(grdOrder->Cell(column, row)));
    RecalculateOrder(row);
}

bool TOrderPage::grdOrderSpinIncrement(int, int, double value) { return value >= 0; }

void TOrderPage::btnDeleteSelectedClick() {
    const std::vector<int> rows = grdOrder->SelectedRows();
    services_.messages.Beep();
    if (rows.empty()) {
        services_.messages.Information(kNothingSelected);
        return;
    }
    if (!services_.messages.ConfirmWarning(kConfirmDelete)) return;
    book_.DeleteRows(rows);
    // The grid loses the same rows, so that the refill finds the rest as shown.
    std::vector<int> descending = rows;
    std::sort(descending.rbegin(), descending.rend());
    for (const int row : descending) {
        grdOrder->removeRow(row);
        if (static_cast<std::size_t>(row) < shown_.size()) shown_.erase(shown_.begin() + row);
    }
    RefillOrderGrid();
}

void TOrderPage::OrderDetails1Click() {
    const auto details =
        OrderDetailsDlg1->Execute(book_.Lines().Details(), FormatDate(services_.clock.Today()));
    if (!details || !book_.SetDetails(*details)) return;
    SaveLastOrder();
    emit orderChanged();
}

std::filesystem::path TOrderPage::OrderFolder() const {
    const std::filesystem::path folder = services_.writtenFolder / "data";
    std::error_code ignored;  // a folder that cannot be made shows in the dialog
    std::filesystem::create_directory(folder, ignored);
    return folder;
}

void TOrderPage::btnSaveClick() { SaveAs(); }

bool TOrderPage::SaveAs() {
    auto file = services_.fileDialogs.SaveFile(
        {kOrderFilter, ".qrf", OrderFolder(), book_.SuggestedName()});
    if (!file) return false;
    if (!file->has_extension()) *file += ".qrf";
    SaveTo(*file);
    return true;
}

void TOrderPage::SaveTo(const std::filesystem::path& file) {
    book_.SaveTo(file);
    emit statusMessage("The order is saved in " + FromPath(file) + ".");
    emit orderChanged();
}

bool TOrderPage::SettleUnsavedChanges() {
    if (!book_.HasUnsavedChanges()) return true;
    switch (services_.messages.AskToSave(book_.SaveQuestion())) {
        case Messages::Answer::Cancel:
            return false;
        case Messages::Answer::No:
            return true;
        case Messages::Answer::Yes:
            break;
    }
    if (book_.File().empty()) return SaveAs();
    SaveTo(book_.File());
    return true;
}

// A clean order for the next customer: no lines, no currency, no details.
void TOrderPage::NewOrder1Click() {
    if (!SettleUnsavedChanges()) return;
    book_.NewOrder();
    emit showRequested();
    RefillOrderGrid();
}

void TOrderPage::Open1Click() {
    if (!SettleUnsavedChanges()) return;
    const auto file = services_.fileDialogs.OpenFile({kOrderFilter, ".qrf", OrderFolder(), {}});
    if (file) {
        ShowOpenedOrder(ReadOrderFile(*file), *file);
        return;
    }
    // Cancelled: the order page with the order as it was, in the currency in force.
    emit showRequested();
    RefillOrderGrid();
}

void TOrderPage::ViewLastOrder1Click() {
    std::error_code ec;
    if (!std::filesystem::exists(book_.LastOrderPath(), ec)) {
        services_.messages.Error("No Order To View");
        return;
    }
    if (!SettleUnsavedChanges()) return;
    // The last order comes back as an order of its own, not as the file it is kept in.
    ShowOpenedOrder(ReadOrderFile(book_.LastOrderPath()), {});
}

void TOrderPage::OpenFile(const std::filesystem::path& file) {
    ShowOpenedOrder(ReadOrderFile(file), file);
}

// An order read from a file replaces the one in memory; the window brings its
// currency with it, as if chosen from the menu.
void TOrderPage::ShowOpenedOrder(OrderFileContent content, const std::filesystem::path& file) {
    book_.Open(std::move(content), file);
    emit opened();
    RefillOrderGrid();
}

// File > Import Assemblies: a customer's request for quotation, quoted row by
// row into the order. Each row is quoted on a fresh start of the wizard, so the wizard's pages
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
