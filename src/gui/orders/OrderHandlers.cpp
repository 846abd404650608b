#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <system_error>

#include "app/TfrmMain.h"
#include "catalogue/DataFiles.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "orders/TOrderDetailsDlg.h"
#include "orders/TOrderPage.h"
#include "platform/ErrorReport.h"
#include "platform/TextConversion.h"

using namespace quill;

// The order page's handlers: collecting results into the order, editing and
// deleting its rows, and its files (saved orders and the last order).

namespace {

const char* const kOrderFilter = "Quillroute Files (*.qrf)|*.qrf";

const char* const kNothingSelected =
    "To delete items, highlight the rows you wish to delete\rby clicking the rowbar on the "
    "left.\rTo delete multiple rows, hold down the Ctrl key while\rselecting each row.";
const char* const kConfirmDelete =
    "Are you sure you want to delete the selected items?\rThis action can not be undone!";

std::string CurrencyCaption(const std::string& code) {
    for (const CurrencyItem& item : kCurrencyItems)
        if (item.shownCode == code) return item.caption;
    return code;
}

}  // namespace

QWidget* TfrmMain::ComposeOrderPage() {
    orderPage = new TOrderPage;
    OrderDetailsDlg1 = new TOrderDetailsDlg(this);
    Grid* grid = orderPage->grdOrder;
    grid->onCellEdit = [this](int column, int row) {
        Guarded([this, column, row] { grdOrderCellEdit(column, row); })();
    };
    grid->onSpin = [this](int column, int row, double value) {
        return grdOrderSpinIncrement(column, row, value);
    };
    grid->acceptEdit = [this](int column, int row, const QString& text) {
        return column != 0 ||
               orderLines.RefusedQuantity(static_cast<std::size_t>(row), FromQt(text)).empty();
    };
    grid->onEditRefused = [this](int, int row, const QString& text) {
        services.messages.Warning(
            orderLines.RefusedQuantity(static_cast<std::size_t>(row), FromQt(text)));
    };
    const auto click = [this](QPushButton* button, std::function<void()> handler) {
        connect(button, &QPushButton::clicked, this, Guarded(std::move(handler)));
    };
    click(orderPage->btnSave, [this] { btnSaveClick(); });
    click(orderPage->BitBtn1, [this] { Print1Click(); });
    click(orderPage->btnAdd, [this] { btnRestartClick(); });
    click(orderPage->btnDeleteSelected, [this] { btnDeleteSelectedClick(); });
    click(orderPage->btnExitQR, [this] { btnCloseClick(); });
    click(orderPage->BitBtn2, [this] { QuickUpdate1Click(); });
    return orderPage;
}

void TfrmMain::AddResultToOrder() {
    const std::string shown = Currency().Code();
    if (!orderLines.AcceptsCurrency(shown)) {
        const std::string order = CurrencyCaption(orderLines.Currency());
        const bool choosable = CurrencyItemByCode(orderLines.Currency()) != nullptr;
        services.messages.Warning(
            "This order is priced in " + order + ", and this result is shown in " +
            CurrencyCaption(shown) + ".\r" +
            (choosable ? "To add it, first choose " + order + " from the Currency Settings menu."
                       : "Results can only be added to an order in the currency they are shown "
                         "in."));
        return;
    }
    orderLines.Merge(partsListLines, shown);
    lastOrder.MarkChanged();
    PageControl1->SetActivePage(tsOrder);
    RefillOrderGrid();
}

void TfrmMain::RefillOrderGrid() {
    orderPage->ShowItems(orderLines.Items());
    orderPage->ShowCurrency(CurrencyCaption(orderLines.Currency()));
    RecalculateOrder();
}

void TfrmMain::RecalculateOrder(int changedRow) {
    if (changedRow < 0) {
        for (std::size_t row = 0; row < orderLines.Count(); ++row)
            orderPage->ShowExtended(static_cast<int>(row), orderLines.ExtendedText(row));
        orderPage->FitToContent();
    } else if (static_cast<std::size_t>(changedRow) < orderLines.Count()) {
        // One quantity changed: one extended price, not the whole grid.
        orderPage->ShowExtended(changedRow,
                                orderLines.ExtendedText(static_cast<std::size_t>(changedRow)));
        orderPage->CellChanged(5, changedRow);
    }
    orderPage->ShowTotal(orderLines.TotalText());
    SaveLastOrder();
}

void TfrmMain::SaveLastOrder() {
    const LastOrderFile::Result result = lastOrder.Save(orderLines);
    switch (result.outcome) {
        case LastOrderFile::Outcome::NotNeeded:
            return;
        case LastOrderFile::Outcome::Written:
            orderPage->ShowSaveProblem({});
            return;
        case LastOrderFile::Outcome::Failed:
            services.messages.Error(result.error +
                                    "\rThe order stays as it is here, but \"View Last Order\" "
                                    "will not find it in a later run. Save it to a file to keep "
                                    "it.");
            break;
        case LastOrderFile::Outcome::StillFailing:
            break;
    }
    orderPage->ShowSaveProblem("The last order is not being kept: " + result.error +
                               ". Save the order to a file to keep it.");
}

void TfrmMain::grdOrderCellEdit(int column, int row) {
    orderPage->CellChanged(column, row);
    if (column != 0) {
        // Units and descriptions stay in the grid only; the order is unchanged.
        RecalculateOrder(row);
        return;
    }
    if (orderLines.CopyBackQuantity(static_cast<std::size_t>(row),
                                    FromQt(orderPage->QuantityText(row))))
        lastOrder.MarkChanged();
    RecalculateOrder(row);
}

bool TfrmMain::grdOrderSpinIncrement(int, int, double value) { return value >= 0; }

void TfrmMain::btnDeleteSelectedClick() {
    const std::vector<int> rows = orderPage->SelectedRows();
    services.messages.Beep();
    if (rows.empty()) {
        services.messages.Information(kNothingSelected);
        return;
    }
    if (!services.messages.ConfirmWarning(kConfirmDelete)) return;
    orderLines.DeleteRows(std::vector<std::size_t>(rows.begin(), rows.end()));
    lastOrder.MarkChanged();
    RefillOrderGrid();
}

void TfrmMain::tsOrderShow() {
    SetFrameMenus(true);
    SetNavigationVisible(false);
    Save1->setEnabled(true);
    OrderDetails1->setEnabled(true);
    CurrencySettings1->setEnabled(false);
}

void TfrmMain::OrderDetails1Click() {
    const auto details =
        OrderDetailsDlg1->Execute(orderLines.Details(), FormatDate(services.clock.Today()));
    if (!details || *details == orderLines.Details()) return;
    orderLines.SetDetails(*details);
    lastOrder.MarkChanged();
    SaveLastOrder();
}

std::filesystem::path TfrmMain::OrderFolder() const {
    const std::filesystem::path folder = services.writtenFolder / "data";
    std::error_code ignored;  // a folder that cannot be made shows in the dialog
    std::filesystem::create_directory(folder, ignored);
    return folder;
}

void TfrmMain::btnSaveClick() {
    auto file = services.fileDialogs.SaveFile({kOrderFilter, ".qrf", OrderFolder()});
    if (!file) return;
    if (!file->has_extension()) *file += ".qrf";
    WriteOrderFile(*file, orderLines);
}

void TfrmMain::Open1Click() {
    const auto file = services.fileDialogs.OpenFile({kOrderFilter, ".qrf", OrderFolder()});
    if (file) {
        ShowOpenedOrder(ReadOrderFile(*file));
        return;
    }
    PageControl1->SetActivePage(tsOrder);
    RefillOrderGrid();
}

void TfrmMain::ViewLastOrder1Click() {
    std::error_code ec;
    if (!std::filesystem::exists(lastOrder.Path(), ec)) {
        services.messages.Error("No Order To View");
        return;
    }
    ShowOpenedOrder(ReadOrderFile(lastOrder.Path()));
}

void TfrmMain::OpenFromCommandLine() {
    const QStringList& parameters = services.parameters;
    if (parameters.size() != 2 || UpperCase(FromQt(parameters[0])) != "OPEN") return;
    const std::filesystem::path file = parameters[1].toStdString();
    RunGuarded(services.messages, [&] { ShowOpenedOrder(ReadOrderFile(file)); });
}

// An order read from a file replaces the one in memory and brings its
// currency with it, as if chosen from the menu.
void TfrmMain::ShowOpenedOrder(OrderFileContent content) {
    orderLines = std::move(content.order);
    if (content.existed) lastOrder.MarkChanged();
    PageControl1->SetActivePage(tsOrder);
    if (orderLines.Currency() != Currency().Code()) {
        if (QAction* item = CurrencyItemByCode(orderLines.Currency()))
            CheckCurrencyItem(item);
        else
            services.messages.Warning(
                "This order is priced in " + CurrencyCaption(orderLines.Currency()) +
                ", which cannot be chosen here: its prices are shown as saved.");
    }
    RefillOrderGrid();
}

QAction* TfrmMain::CurrencyItemByCode(const std::string& code) const {
    if (!hasExchangeRates && code != "USD") return nullptr;
    for (QAction* item : currencyItems) {
        const CurrencyItem* currency = CurrencyByTag(item->data().toInt());
        if (currency && currency->shownCode == code && item->isEnabled()) return item;
    }
    return nullptr;
}
