#include "output/Exports.h"

#include <QApplication>
#include <system_error>

#include "output/PdfDocument.h"
#include "output/TPrintPreview.h"
#include "platform/AtomicSave.h"
#include "platform/Services.h"
#include "pricing/PricingDate.h"
#include "text/Error.h"

using namespace quill;

namespace {

// Turns the cursor into the busy one until the job is done, failed or not.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TExports::TExports(Services& services, const QuoteSession& session, const OrderBook& book,
                   QWidget* parent)
    : services_(services), session_(session), book_(book), parent_(parent) {}

bool TExports::IsSpreadsheetAvailable() const {
#if defined(Q_OS_WIN)
    return services_.registry.ClassKeyExists("Excel.Application");
#else
    // No registry to ask: a desktop program for any spreadsheet type opens the
    // file (LibreOffice Calc claims ".xlsx" and ".ods" but not always ".xls").
    for (const char* type : {".xls", ".xlsx", ".ods"})
        if (services_.shell.HasApplicationFor(type)) return true;
    return false;
#endif
}

std::string TExports::PricingDateText() const {
    return FormatDate(PricingDate(services_.writtenFolder, session_.Data().PriceListFile(),
                                  services_.clock.Today()));
}

ExportContent TExports::ContentShown() const {
    ExportNotes notes;
    notes.foreignCurrency = session_.CurrencyTag() != 1;
    notes.exchangeRateDate = session_.Data().exchangeRateDate;
    // Read now, not when a result page was last shown: an order opened at
    // start-up has shown none.
    notes.pricingUpdateDate = PricingDateText();
    const bool result = resultShown_ && session_.Result().has_value();
    return ContentToExport(result ? &*session_.Result() : nullptr, book_, notes);
}

void TExports::CopyToClipboard1Click() {
    services_.clipboard.SetText(RenderClipboardText(ContentShown()));
    emit statusMessage(resultShown_ ? "The page shown is copied to the clipboard."
                                    : "The order is copied to the clipboard.");
}

void TExports::ExportToFile(const char* folderName, const char* filter, const char* extension,
                            const std::function<std::string()>& render) {
    const std::filesystem::path folder = services_.writtenFolder / folderName;
    std::error_code ignored;  // a folder that cannot be made shows in the dialog
    std::filesystem::create_directory(folder, ignored);
    std::optional<std::filesystem::path> file =
        services_.fileDialogs.SaveFile({filter, extension, folder, book_.SuggestedName()});
    if (!file) return;
    if (!file->has_extension()) *file += extension;
    if (const std::string error = SaveFileAtomically(*file, render()); !error.empty())
        throw QuillError(error);
    services_.shell.Open(file->string());
}

void TExports::ToATextFile1Click() {
    ExportToFile("txt", "Text Files (*.txt)|*.txt", ".txt",
                 [this] { return RenderTextFile(ContentShown()); });
}

void TExports::ToanMSExcelSpreadsheet1Click() {
    ExportToFile("xls", "Excel Files (*.xls)|*.xls", ".xls",
                 [this] { return RenderSpreadsheetFile(ContentShown()); });
}

void TExports::ToAnExcelWorkbook1Click() {
    ExportToFile("xls", "Excel Workbooks (*.xlsx)|*.xlsx", ".xlsx", [this] {
        BusyCursor busy;
        return RenderWorkbook(ContentShown());
    });
}

void TExports::ToanHTMLDocument1Click() {
    ExportToFile("html", "HTML Files (*.html)|*.html", ".html",
                 [this] { return RenderHtml(ContentShown()); });
}

void TExports::ToAPDFDocument1Click() {
    ExportToFile("pdf", "PDF Documents (*.pdf)|*.pdf", ".pdf", [this] {
        BusyCursor busy;
        return ListOfMaterialsPdf(ListToPrint(book_));
    });
}

void TExports::Print1Click() {
    if (!services_.printer.ChoosePrinter()) return;
    BusyCursor busy;
    const ListOfMaterials list = ListToPrint(book_);
    services_.printer.Print(kPrintJobTitle, [&](DrawingSurface& surface, int pageWidth) {
        PrintWholeList(surface, pageWidth, list);
    });
}

void TExports::PrintPreview1Click() {
    const ListOfMaterials list = ListToPrint(book_);
    TPrintPreview preview(
        kPrintJobTitle,
        [list](DrawingSurface& surface, int width, int) { PrintWholeList(surface, width, list); },
        services_.messages, parent_);
    preview.exec();
}

Datasheet TExports::DatasheetShown() const {
    DatasheetOptions options;
    options.prices = datasheetPrices_;
    options.today = FormatDate(services_.clock.Today());
    options.pricingDate = PricingDateText();
    options.details = book_.Lines().Details();
    return MakeDatasheet(session_, *session_.Result(), options);
}

void TExports::DatasheetPdfClick() {
    const Datasheet sheet = DatasheetShown();
    ExportToFile("pdf", "PDF Documents (*.pdf)|*.pdf", ".pdf", [&] {
        BusyCursor busy;
        return DatasheetPdf(sheet, session_.Data().programFolder / "images");
    });
}

// A page as tall as a Letter page for its width.
static int LetterHeight(int width) { return width * 1100 / 850; }

void TExports::DatasheetPrintClick() {
    const Datasheet sheet = DatasheetShown();
    if (!services_.printer.ChoosePrinter()) return;
    BusyCursor busy;
    services_.printer.Print(sheet.partNumber + " " + kDatasheetTitle,
                            [&](DrawingSurface& surface, int pageWidth) {
                                DrawDatasheet(surface, pageWidth, LetterHeight(pageWidth), sheet,
                                              session_.Data().programFolder / "images");
                            });
}

void TExports::DatasheetPreviewClick() {
    const Datasheet sheet = DatasheetShown();
    const std::filesystem::path images = session_.Data().programFolder / "images";
    TPrintPreview preview(
        sheet.partNumber + " " + kDatasheetTitle,
        [sheet, images](DrawingSurface& surface, int width, int height) {
            DrawDatasheet(surface, width, height, sheet, images);
        },
        services_.messages, parent_);
    preview.exec();
}
