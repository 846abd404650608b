// quillroute-export: turns a saved order into a document without a window,
// with the same renderings and notes as the program's File menu.
//
//   quillroute-export --format txt|xls|xlsx|html|pdf|clipboard-text
//                     [--currency CODE] [--program-folder DIR] [--shared-folder DIR]
//                     [--help] [--version]
//                     ORDER.qrf OUTPUT

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "catalogue/DataFiles.h"
#include "orders/OrderFile.h"
#include "output/ExportContent.h"
#include "output/PdfDocument.h"
#include "platform/AtomicSave.h"
#include "platform/CommandLine.h"
#include "platform/PathText.h"
#include "platform/QtRegistry.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"
#include "platform/TextConversion.h"
#include "platform/UserFolders.h"
#include "pricing/PricingDate.h"
#include "session/ProgramData.h"
#include "session/ShownDocument.h"
#include "text/Error.h"

namespace {

namespace fs = std::filesystem;

const char* const kDescription =
    "Writes the order as the program exports it. The notes take the exchange-rate date\n"
    "from the program folder (the folder of this command unless --program-folder says\n"
    "otherwise) and the pricing-update date, the later of the date update.ini records\n"
    "where the program keeps it (in the program folder, or in the user's data folder when\n"
    "the program folder cannot be written) and the day the price list M_lom.dat of the\n"
    "shared folder last changed (--shared-folder, else the folder registered for the\n"
    "user, else found as quillroute-check finds it). The currency is the one the order\n"
    "file records, US dollars when it records none; --currency names it when the file\n"
    "does not, and must agree with it when it does.";

const char* const kFormats = "txt|xls|xlsx|html|pdf|clipboard-text";

struct Options {
    std::string format, currency;
    fs::path programFolder, sharedFolder, order, output;
};

int Fail(const std::string& message, int status = 1) {
    std::fprintf(stderr, "quillroute-export: %s\n", message.c_str());
    return status;
}

// Answers the status to end with when the command line says to stop.
std::optional<int> ReadOptions(Options& options) {
    QCommandLineParser parser;
    const QCommandLineOption format("format", "The document to write.", kFormats);
    const QCommandLineOption currency("currency", "The order's currency.", "CODE");
    const QCommandLineOption program("program-folder", "The program's folder.", "DIR");
    const QCommandLineOption shared("shared-folder", "The folder of the price list.", "DIR");
    parser.addOptions({format, currency, program, shared});
    parser.addPositionalArgument("ORDER", "The order file (.qrf).", "ORDER.qrf");
    parser.addPositionalArgument("OUTPUT", "The document to write.");
    if (const auto status = quill::ReadCommandLine(parser, kDescription, 2, 2)) return status;
    if (!parser.isSet(format))
        return Fail("--format is needed\n" + parser.helpText().toStdString(), 2);
    options.format = parser.value(format).toStdString();
    options.currency = parser.value(currency).toStdString();
    if (parser.isSet(program)) options.programFolder = quill::ToPath(parser.value(program));
    if (parser.isSet(shared)) options.sharedFolder = quill::ToPath(parser.value(shared));
    options.order = quill::ToPath(parser.positionalArguments()[0]);
    options.output = quill::ToPath(parser.positionalArguments()[1]);
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // No window is shown; the PDF's fonts need only an off-screen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    quill::NameApplication();
    Options options;
    options.programFolder = quill::ToPath(QCoreApplication::applicationDirPath());
    if (const auto status = ReadOptions(options)) return *status;
    if (options.sharedFolder.empty()) {
        quill::QtRegistry registry;
        options.sharedFolder = quill::SharedFolderFor(registry, options.programFolder);
    }
    // The text renderings go to the file a block at a time, however large the order.
    using Streamed = void (*)(const quill::ExportContent&, const quill::TextSink&);
    const std::map<std::string, Streamed> renderings = {
        {"txt", quill::RenderTextFileTo},
        {"xls", quill::RenderSpreadsheetFileTo},
        {"html", quill::RenderHtmlTo},
        {"clipboard-text", quill::RenderClipboardTextTo}};
    if (options.format != "pdf" && options.format != "xlsx" && !renderings.count(options.format))
        return Fail("unknown format '" + options.format + "' (one of " + kFormats + ")", 2);

    try {
        quill::OrderFileContent read = quill::ReadOrderFile(options.order);
        if (!read.existed)
            return Fail("cannot find the order file " + quill::Utf8Of(options.order));
        // The order as the window holds it once opened; no last-order file is kept.
        quill::OrderBook book({});
        book.Open(std::move(read));
        const quill::Order& order = book.Lines();
        std::string currency = order.Currency();
        if (!options.currency.empty()) {
            if (currency != "USD" && currency != options.currency)
                return Fail("the order " + quill::Utf8Of(options.order) + " is priced in " +
                            currency + ", not in " + options.currency);
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
