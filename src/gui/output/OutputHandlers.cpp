#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <system_error>

#include "app/TfrmMain.h"
#include "catalogue/Error.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "orders/TOrderPage.h"
#include "output/PdfDocument.h"
#include "output/TPrintPreview.h"
#include "platform/AtomicSave.h"
#include "platform/TextConversion.h"
#include "pricing/PricingDate.h"

using namespace quill;

// What leaves the program: the page shown, copied or exported in four forms,
// and the order printed, previewed or written as PDF.

namespace {

std::vector<StringList> GridRows(const Grid* grid, int columns) {
    std::vector<StringList> rows;
    for (int row = 0; row < grid->RowCount(); ++row) {
        StringList cells;
        for (int column = 0; column < columns; ++column)
            cells.push_back(FromQt(grid->Cell(column, row)));
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::vector<LabelledValue> GridPairs(const Grid* grid) {
    std::vector<LabelledValue> pairs;
    for (int row = 0; row < grid->RowCount(); ++row)
        pairs.push_back({FromQt(grid->Cell(0, row)), FromQt(grid->Cell(1, row))});
    return pairs;
}

StringList GridHeadings(const Grid* grid, int columns) {
    StringList headings;
    for (int column = 0; column < columns; ++column)
        headings.push_back(FromQt(grid->Heading(column)));
    return headings;
}

// Turns the cursor into the busy one until the job is done, failed or not.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

bool TfrmMain::IsSpreadsheetAvailable() const {
#if defined(Q_OS_WIN)
    return services.registry.ClassKeyExists("Excel.Application");
#else
    // No registry to ask: whatever the desktop opens ".xls" files with.
    return services.shell.HasApplicationFor(".xls");
#endif
}

ExportContent TfrmMain::ExportedContent() {
    ExportContent content;
    QWidget* page = PageControl1->ActivePage();
    if (page == tsFinal) {
        content.block = ExportContent::Block::FinalSelection;
        content.pairs = GridPairs(grdFinal);
    } else if (page == tsNoPN) {
        content.block = ExportContent::Block::PartsList;
        content.headings = GridHeadings(grdJumper, 6);  // the hidden kind column stays inside
        content.rows = GridRows(grdJumper, 6);
        content.total = {FromQt(lblTotal->text()), FromQt(edTotal->text())};
        content.pairs = GridPairs(grdJumperspecs);
    } else {
        content.block = ExportContent::Block::Order;
        content.headings = GridHeadings(orderPage->grdOrder, 6);
        content.rows = GridRows(orderPage->grdOrder, 6);
        content.total = {FromQt(orderPage->lblOrderTotal->text()),
                         FromQt(orderPage->edtOrderTotal->text())};
    }
    content.foreignCurrency = !US1->isChecked();
    content.exchangeRateDate = exchangeRateDate;
    content.reminder = FromQt(lblReminder->text());
    // Read now, not when a result page was last shown: an order opened at
    // start-up has shown none.
    pricingUpdateDate = FormatDate(ReadPricingDate(services.writtenFolder, services.clock.Today()));
    content.pricingUpdateDate = pricingUpdateDate;
    return content;
}

ListOfMaterials TfrmMain::PrintedList() const {
    ListOfMaterials list;
    list.rows = GridRows(orderPage->grdOrder, 6);
    list.total = FromQt(orderPage->edtOrderTotal->text());
    list.webAddress = kMakerWebAddress;
    list.details = orderLines.Details();
    return list;
}

void TfrmMain::CopyToClipboard1Click() {
    services.clipboard.SetText(RenderClipboardText(ExportedContent()));
}

void TfrmMain::ExportToFile(const char* folderName, const char* filter, const char* extension,
                            const std::function<std::string()>& render) {
    const std::filesystem::path folder = services.writtenFolder / folderName;
    std::error_code ignored;  // a folder that cannot be made shows in the dialog
    std::filesystem::create_directory(folder, ignored);
    std::optional<std::filesystem::path> file =
        services.fileDialogs.SaveFile({filter, extension, folder});
    if (!file) return;
    if (!file->has_extension()) *file += extension;
    if (const std::string error = SaveFileAtomically(*file, render()); !error.empty())
        throw QuillError(error);
    services.shell.Open(file->string());
}

void TfrmMain::ToATextFile1Click() {
    ExportToFile("txt", "Text Files (*.txt)|*.txt", ".txt",
                 [this] { return RenderTextFile(ExportedContent()); });
}

void TfrmMain::ToanMSExcelSpreadsheet1Click() {
    ExportToFile("xls", "Excel Files (*.xls)|*.xls", ".xls",
                 [this] { return RenderSpreadsheetFile(ExportedContent()); });
}

void TfrmMain::ToAnExcelWorkbook1Click() {
    ExportToFile("xls", "Excel Workbooks (*.xlsx)|*.xlsx", ".xlsx", [this] {
        BusyCursor busy;
        return RenderWorkbook(ExportedContent());
    });
}

void TfrmMain::ToanHTMLDocument1Click() {
    ExportToFile("html", "HTML Files (*.html)|*.html", ".html",
                 [this] { return RenderHtml(ExportedContent()); });
}

void TfrmMain::ToAPDFDocument1Click() {
    ExportToFile("pdf", "PDF Documents (*.pdf)|*.pdf", ".pdf", [this] {
        BusyCursor busy;
        return ListOfMaterialsPdf(PrintedList());
    });
}

void TfrmMain::Print1Click() {
    if (!services.printer.ChoosePrinter()) return;
    BusyCursor busy;
    const ListOfMaterials list = PrintedList();
    services.printer.Print(kPrintJobTitle, [&](DrawingSurface& surface, int pageWidth) {
        PrintWholeList(surface, pageWidth, list);
    });
}

void TfrmMain::PrintPreview1Click() {
    TPrintPreview preview(PrintedList(), services.messages, this);
    preview.exec();
}
