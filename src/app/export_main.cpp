// quillroute-export: turns a saved order into a document without a window,
// with the same renderings and notes as the program's File menu.
//
//   quillroute-export --format txt|xls|xlsx|html|pdf|clipboard-text
//                     [--currency CODE] [--program-folder DIR] [--shared-folder DIR]
//                     ORDER.qrf OUTPUT

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

#include "catalogue/DataFiles.h"
#include "catalogue/Error.h"
#include "orders/OrderFile.h"
#include "output/ExportContent.h"
#include "output/PdfDocument.h"
#include "platform/AtomicSave.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"
#include "platform/UserFolders.h"
#include "pricing/PricingDate.h"
#include "session/ExportedContent.h"
#include "session/ProgramData.h"

namespace {

namespace fs = std::filesystem;

const char* const kUsage =
    "usage: quillroute-export --format txt|xls|xlsx|html|pdf|clipboard-text [--currency CODE]\n"
    "                         [--program-folder DIR] [--shared-folder DIR] ORDER.qrf OUTPUT\n"
    "Writes the order as the program exports it. The notes take the exchange-rate date\n"
    "from the program folder (the folder of this command unless --program-folder says\n"
    "otherwise) and the pricing-update date, the later of the date update.ini records\n"
    "where the program keeps it (in the program folder, or in the user's data folder when\n"
    "the program folder cannot be written) and the day the price list M_lom.dat of the\n"
    "shared folder last changed (--shared-folder, else found as quillroute-check finds\n"
    "it). The currency is the one the order file\n"
    "records, US dollars when it records none; --currency names it when the file does\n"
    "not, and must agree with it when it does.\n";

struct Options {
    std::string format, currency;
    fs::path programFolder, sharedFolder, order, output;
};

int Fail(const std::string& message, int status = 1) {
    std::fprintf(stderr, "quillroute-export: %s\n", message.c_str());
    return status;
}

bool ParseOptions(const QStringList& arguments, Options& options) {
    std::vector<std::string> files;
    for (int i = 1; i < arguments.size(); ++i) {
        const std::string argument = arguments[i].toStdString();
        const auto value = [&](std::string& into) {
            if (i + 1 >= arguments.size()) return false;
            into = arguments[++i].toStdString();
            return true;
        };
        std::string folder;
        if (argument == "--format") {
            if (!value(options.format)) return false;
        } else if (argument == "--currency") {
            if (!value(options.currency)) return false;
        } else if (argument == "--shared-folder") {
            if (!value(folder)) return false;
            options.sharedFolder = folder;
        } else if (argument == "--program-folder") {
            if (!value(folder)) return false;
            options.programFolder = folder;
        } else if (argument.rfind("--", 0) == 0) {
            return false;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) return false;
    options.order = files[0];
    options.output = files[1];
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // No window is shown; the PDF's fonts need only an off-screen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    quill::NameApplication();
    Options options;
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    if (!ParseOptions(QCoreApplication::arguments(), options)) return Fail(kUsage, 2);
    if (options.sharedFolder.empty())
        options.sharedFolder = quill::DefaultSharedFolder(options.programFolder);
    // The text renderings go to the file a block at a time, however large the order.
    using Streamed = void (*)(const quill::ExportContent&, const quill::TextSink&);
    const std::map<std::string, Streamed> renderings = {
        {"txt", quill::RenderTextFileTo},
        {"xls", quill::RenderSpreadsheetFileTo},
        {"html", quill::RenderHtmlTo},
        {"clipboard-text", quill::RenderClipboardTextTo}};
    if (options.format != "pdf" && options.format != "xlsx" && !renderings.count(options.format))
        return Fail("unknown format '" + options.format + "'\n" + kUsage, 2);

    try {
        quill::OrderFileContent read = quill::ReadOrderFile(options.order);
        if (!read.existed) return Fail("cannot find the order file " + options.order.string());
        // The order as the window holds it once opened; no last-order file is kept.
        quill::OrderBook book({});
        book.Open(std::move(read));
        const quill::Order& order = book.Lines();
        std::string currency = order.Currency();
        if (!options.currency.empty()) {
            if (currency != "USD" && currency != options.currency)
                return Fail("the order " + options.order.string() + " is priced in " + currency +
                            ", not in " + options.currency);
            currency = options.currency;
        }

        std::string error;
        if (options.format == "pdf") {
            error = quill::SaveFileAtomically(options.output,
                                              quill::ListOfMaterialsPdf(quill::ListToPrint(book)));
        } else {
            quill::ExportNotes notes;
            notes.foreignCurrency = currency != "USD";
            const auto rates = quill::FindFileIgnoringCase(options.programFolder, "xcngrate.dat");
            if (rates) notes.exchangeRateDate = quill::FileDate(*rates);
            const quill::SystemClock clock;
            notes.pricingUpdateDate = quill::FormatDate(quill::PricingDate(
                quill::WrittenFilesFolderFor(options.programFolder),
                quill::DataFilePath(options.sharedFolder, "M_lom.dat"), clock.Today()));
            const quill::ExportContent content = quill::ContentToExport(nullptr, book, notes);
            if (options.format == "xlsx")
                error = quill::SaveFileAtomically(options.output, quill::RenderWorkbook(content));
            else
                error = quill::SaveRendering(options.output, [&](const quill::TextSink& sink) {
                    renderings.at(options.format)(content, sink);
                });
        }
        if (!error.empty()) return Fail(error);
    } catch (const std::exception& error) {
        return Fail(quill::MessageOf(error));
    }
    return 0;
}
