// quillroute-quote: quotes selections without a window, with the window's own
// decisions. One JSON object a line in, one JSON object a line out.
//
//   quillroute-quote [--program-folder DIR] [--shared-folder DIR] < SELECTIONS > RESULTS
//
// The JSON of a line is read and answered in session/QuoteLines.

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "output/PdfDocument.h"
#include "platform/AtomicSave.h"
#include "platform/PathText.h"
#include "platform/QtRegistry.h"
#include "platform/SystemClock.h"
#include "platform/UserFolders.h"
#include "pricing/PricingDate.h"
#include "rfq/RfqImport.h"
#include "session/Datasheet.h"
#include "session/ProgramData.h"
#include "session/QuoteLines.h"
#include "text/Error.h"
#include "text/Windows1252.h"

namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: quillroute-quote [--program-folder DIR] [--shared-folder DIR]\n"
    "                        [--compare [--max-loss DB] [--min-power KW]]\n"
    "                        [--rfq FILE.csv --order OUT.qrf [--currency CODE]]\n"
    "                        [--datasheet FOLDER [--no-prices]]\n"
    "Reads selections from standard input, one JSON object a line, and writes for each\n"
    "one JSON object a line: the result page the window would show (\"page\": \"tsFinal\",\n"
    "\"tsNoPN\" or \"tsNoLength\", with every cell as the window shows it, the item lines\n"
    "and the notices), or {\"refusal\": {\"message\": ..., \"stays_on\": "
    "\"Page1\"|\"Page2\"|null}}\n"
    "when Next is refused, or {\"line\": N, \"error\": ...} for a line that is no\n"
    "selection. The data is read as quillroute-check reads it. With --compare, each line\n"
    "answers {\"sizes\": [...]}: every size the band and cable type admit, quoted with the\n"
    "line's other choices, the rows within --max-loss (insertion loss, dB) and --min-power\n"
    "(average power, kW) marked \"meets\" and the cheapest of them \"cheapest\".\n"
    "With --rfq, the rows of the CSV file are quoted and written as the order OUT.qrf (in\n"
    "US dollars, or --currency); the summary names every row that could not be quoted.\n"
    "With --datasheet, each line answered with a result page also gets a one-page PDF\n"
    "datasheet of the assembly in FOLDER, named by its part number (or its cable and\n"
    "length), and its path as \"datasheet\"; --no-prices leaves the price out.\n"
    "Exit status 0 when every row was quoted, 1 otherwise.\n";

struct Options {
    fs::path programFolder, sharedFolder;
    bool compare = false;
    fs::path datasheets;
    bool datasheetPrices = true;
    fs::path rfq, order;
    std::string currency = "USD";
    quill::SizeLimits limits;
};

bool ParseOptions(const std::vector<std::string>& argv, Options& options) {
    options.programFolder = quill::OwnFolder(argv[0].c_str());
    const int argc = static_cast<int>(argv.size());
    bool sharedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string& argument = argv[i];
        if (argument == "--compare" || argument == "--no-prices") {
            (argument == "--compare" ? options.compare : options.datasheetPrices) =
                argument == "--compare";
            continue;
        }
        if (i + 1 >= argc) return false;
        double limit = 0;
        if (argument == "--max-loss" || argument == "--min-power") {
            if (!quill::TryStrToFloat(argv[++i], limit)) return false;
            (argument == "--max-loss" ? options.limits.maxInsertionLoss
                                      : options.limits.minAveragePower) = limit;
        } else if (argument == "--rfq") {
            options.rfq = quill::PathFromUtf8(argv[++i]);
        } else if (argument == "--order") {
            options.order = quill::PathFromUtf8(argv[++i]);
        } else if (argument == "--datasheet") {
            options.datasheets = quill::PathFromUtf8(argv[++i]);
        } else if (argument == "--currency") {
            options.currency = argv[++i];
        } else if (argument == "--program-folder") {
            options.programFolder = quill::PathFromUtf8(argv[++i]);
        } else if (argument == "--shared-folder") {
            options.sharedFolder = quill::PathFromUtf8(argv[++i]);
            sharedGiven = true;
        } else {
            return false;
        }
    }
    if (options.rfq.empty() != options.order.empty()) return false;
    // Found as the other companions find it: the folder registered for the
    // user first.
    if (!sharedGiven) {
        quill::QtRegistry registry;
        options.sharedFolder = quill::SharedFolderFor(registry, options.programFolder);
    }
    return true;
}

// The request's rows quoted into a new order file, and the summary.
int ImportRequest(quill::QuoteSession& session, const Options& options) {
    try {
        const int tag = session.ChoosableCurrency(options.currency);
        if (tag == 0)
            throw quill::QuillError("the currency " + options.currency + " cannot be chosen");
        session.SetCurrency(tag);
        quill::OrderBook book({});
        quill::CsvReader reader(options.rfq);
        const quill::RfqImport import = quill::ImportRfq(reader, session, book);
        book.SaveTo(options.order);
        std::fputs(quill::Windows1252ToUtf8(quill::RfqSummary(import)).c_str(), stdout);
        return import.problems.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillroute-quote: %s\n", quill::MessageOf(error).c_str());
        return 2;
    }
}

// The datasheet of the result shown, in the folder, named by the part
// number or else by the cable and the length; answers its path.
std::string WriteDatasheet(const quill::QuoteSession& session, const quill::ProgramData& data,
                           const fs::path& folder, bool prices) {
    const quill::SystemClock clock;
    quill::DatasheetOptions options;
    options.prices = prices;
    options.today = quill::FormatDate(clock.Today());
    options.pricingDate = quill::FormatDate(quill::PricingDate(
        quill::WrittenFilesFolderFor(data.programFolder), data.PriceListFile(), clock.Today()));
    const quill::QuoteResult& shown = *session.Result();
    const quill::Datasheet sheet = quill::MakeDatasheet(session, shown, options);
    const quill::Selection& s = shown.selection;
    const std::string name = shown.page == quill::ResultKind::Final
                                 ? sheet.partNumber
                                 : s.cableText + "-" + s.lengthText + (s.meters ? "m" : "ft");
    const fs::path file =
        folder / quill::PathFromUtf8(quill::Windows1252ToUtf8(quill::SafeFileName(name)) + ".pdf");
    std::error_code ignored;  // a folder that cannot be made shows as the write's failure
    fs::create_directories(folder, ignored);
    const std::string error =
        quill::SaveFileAtomically(file, quill::DatasheetPdf(sheet, data.programFolder / "images"));
    if (!error.empty()) throw quill::QuillError(error);
    return quill::Utf8Of(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!ParseOptions(quill::Utf8Arguments(argc, argv), options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const fs::path& program = options.programFolder;
    bool loaded = true;
    quill::ProgramData data = quill::LoadProgramData(
        program, options.sharedFolder, [&](const std::function<void()>& step) {
            try {
                step();
                return true;
            } catch (const std::exception& error) {
                std::fprintf(stderr, "quillroute-quote: %s\n", quill::MessageOf(error).c_str());
                return loaded = false;
            }
        });
    if (!data.missing.empty()) {
        // The message box's line breaks are a terminal's line ends here.
        std::string message = quill::MissingFilesMessage(data.missing);
        std::replace(message.begin(), message.end(), '\r', '\n');
        std::fprintf(stderr, "quillroute-quote: %s\n", message.c_str());
        return 2;
    }
    if (!loaded) return 2;
    quill::QuoteSession session(data);
    if (!options.rfq.empty()) return ImportRequest(session, options);
    std::ios::sync_with_stdio(false);
    quill::QuoteLineOptions answering{options.compare, options.limits, {}};
    // A PDF needs Qt's fonts: an application of its own, on no screen.
    std::unique_ptr<QGuiApplication> application;
    if (!options.datasheets.empty()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
        answering.datasheet = [&](const quill::QuoteSession& quoted) {
            return WriteDatasheet(quoted, data, options.datasheets, options.datasheetPrices);
        };
    }
    return quill::AnswerQuoteLines(session, std::cin, std::cout, answering) ? 0 : 1;
}
