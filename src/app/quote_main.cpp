// quillroute-quote: quotes selections without a window, with the window's own
// decisions. One JSON object a line in, one JSON object a line out.
//
//   quillroute-quote [--program-folder DIR] [--shared-folder DIR] < SELECTIONS > RESULTS

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "catalogue/Error.h"
#include "catalogue/Windows1252.h"
#include "platform/RegularFile.h"
#include "rfq/RfqImport.h"
#include "session/CompareSizes.h"
#include "session/ProgramData.h"
#include "session/QuoteSession.h"

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

namespace {

const char* const kUsage =
    "usage: quillroute-quote [--program-folder DIR] [--shared-folder DIR]\n"
    "                        [--compare [--max-loss DB] [--min-power KW]]\n"
    "                        [--rfq FILE.csv --order OUT.qrf [--currency CODE]]\n"
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
    "Exit status 0 when every row was quoted, 1 otherwise.\n";

struct Options {
    fs::path programFolder, sharedFolder;
    bool compare = false;
    fs::path rfq, order;
    std::string currency = "USD";
    quill::SizeLimits limits;
};

bool ParseOptions(int argc, char* argv[], Options& options) {
    options.programFolder = quill::OwnFolder(argv[0]);
    bool sharedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--compare") {
            options.compare = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        double limit = 0;
        if (argument == "--max-loss" || argument == "--min-power") {
            if (!quill::TryStrToFloat(argv[++i], limit)) return false;
            (argument == "--max-loss" ? options.limits.maxInsertionLoss
                                      : options.limits.minAveragePower) = limit;
        } else if (argument == "--rfq") {
            options.rfq = argv[++i];
        } else if (argument == "--order") {
            options.order = argv[++i];
        } else if (argument == "--currency") {
            options.currency = argv[++i];
        } else if (argument == "--program-folder") {
            options.programFolder = argv[++i];
        } else if (argument == "--shared-folder") {
            options.sharedFolder = argv[++i];
            sharedGiven = true;
        } else {
            return false;
        }
    }
    if (options.rfq.empty() != options.order.empty()) return false;
    if (!sharedGiven) options.sharedFolder = quill::DefaultSharedFolder(options.programFolder);
    return true;
}

// A field the selection must have, of the type it must have.
template <typename T>
T Field(const json& object, const char* name) {
    const auto found = object.find(name);
    if (found == object.end()) throw quill::QuillError(std::string("no \"") + name + "\"");
    try {
        return found->get<T>();
    } catch (const json::exception&) {
        throw quill::QuillError(std::string("\"") + name + "\" has the wrong type");
    }
}

int Choice(const json& object, const char* name, const std::vector<std::string>& captions) {
    const std::string text = Field<std::string>(object, name);
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == text) return static_cast<int>(i);
    throw quill::QuillError(std::string("\"") + name + "\" is not one of its choices");
}

void ReadEnd(const json& end, bool& actual, std::string& connector, std::string& special,
             std::string& inner) {
    actual = Choice(end, "mode", {"Mates To", "Actual"}) == 1;
    connector = Field<std::string>(end, "connector");
    special = Field<std::string>(end, "special");
    inner = Field<std::string>(end, "inner");
}

quill::Selection ReadSelection(const json& line) {
    if (!line.is_object()) throw quill::QuillError("a selection is a JSON object");
    quill::Selection s;
    s.feeder = Choice(line, "application", {"Jumper", "Feeder"}) == 1;
    s.lengthText = Field<std::string>(line, "length");
    s.meters = Choice(line, "unit", {"Feet", "Meters"}) == 1;
    s.beginText = Field<std::string>(line, "begin");
    s.endText = Field<std::string>(line, "end");
    s.cableTypeIndex = Field<int>(line, "cable_type");
    s.topIncluded = Field<bool>(line, "include_top");
    s.bottomIncluded = Field<bool>(line, "include_bottom");
    s.feederIndex = Field<int>(line, "rg_feeder");
    s.cableGradeIndex = Field<int>(line, "cable_grade");
    s.cableText = Field<std::string>(line, "cable");
    s.vellisk = Field<int>(line, "attachment") == 0;
    s.platedGrade = Field<int>(line, "connector_grade") == 0;
    ReadEnd(Field<json>(line, "top"), s.topActual, s.topConnector, s.topSpecial, s.topInner);
    ReadEnd(Field<json>(line, "bottom"), s.bottomActual, s.bottomConnector, s.bottomSpecial,
            s.bottomInner);
    s.standardLengthItem = line.value("std_length_item", -1);
    return s;
}

json Pairs(const std::string* labels, const std::string* values, std::size_t count) {
    json rows = json::array();
    for (std::size_t i = 0; i < count; ++i) rows.push_back({labels[i], values[i]});
    return rows;
}

json PageOf(const quill::QuoteResult& result, const quill::StringList& warnings) {
    json page = {{"page", quill::ResultPageName(result.page)}};
    switch (result.page) {
        case quill::ResultKind::Final: {
            std::array<std::string, 10> labels = quill::FinalPageLabels();
            labels[2] = result.final.priceLabel;
            page["cells"] = Pairs(labels.data(), result.final.values.data(), 10);
            break;
        }
        case quill::ResultKind::PartsList: {
            const quill::PartsListPage& parts = result.partsList;
            page["explanation"] = parts.explanation;
            page["headings"] = quill::PartsListHeadings(parts.priceHeading);
            json rows = json::array();
            for (const quill::PartsRow& r : parts.rows)
                rows.push_back({r.qty, r.uom, r.partNumber, r.description, r.price, r.extended});
            page["rows"] = rows;
            page["total"] = {parts.totalLabel, parts.total};
            page["figures"] = Pairs(quill::FigureLabels().data(), parts.figures.data(), 7);
            break;
        }
        case quill::ResultKind::StandardLengths:
            page["rows"] = result.lengths.cells;
            page["enabled"] = result.lengths.enabled;
            break;
    }
    json items = json::array();
    for (const quill::ItemLine& item : result.itemLines) items.push_back(item.Format());
    page["item_lines"] = items;
    page["price_notice"] = result.priceNotice;
    page["warnings"] = warnings;
    return page;
}

json Refused(const std::string& message, const char* staysOn) {
    return {{"refusal", {{"message", message}, {"stays_on", staysOn ? json(staysOn) : json()}}}};
}

// Every text of a JSON value re-encoded in place: the core's texts are
// Windows-1252, JSON's are UTF-8. Plain ASCII, most of them, stays as it is.
void Recode(json& value, std::string (*recode)(std::string_view)) {
    if (value.is_string()) {
        std::string& text = value.get_ref<std::string&>();
        for (const char byte : text) {
            if (static_cast<unsigned char>(byte) >= 0x80) {
                text = recode(text);
                break;
            }
        }
    } else if (value.is_structured()) {
        for (json& item : value) Recode(item, recode);
    }
}

json Quote(quill::QuoteSession& session, const json& line) {
    const quill::Selection selection = ReadSelection(line);
    const std::string code = Field<std::string>(line, "currency");
    const int tag = session.ChoosableCurrency(code);
    if (tag == 0) throw quill::QuillError("the currency " + code + " cannot be chosen");
    session.SetCurrency(tag);
    quill::NextOutcome outcome;
    try {
        outcome = session.Resolve(selection);
    } catch (const quill::QuillError&) {
        throw;  // a choice the lists do not offer: the line is no selection
    } catch (const std::exception& error) {
        return Refused(quill::MessageOf(error), "Page2");
    }
    if (outcome.refusal)
        return Refused(outcome.refusal->message,
                       outcome.refusal->staysOn == quill::WizardStep::Page1 ? "Page1" : "Page2");
    if (!outcome.resolved) return Refused("", nullptr);
    return PageOf(*session.Result(), outcome.warnings);
}

// Every size of the line's band, as the comparison dialog shows them.
json Compare(quill::QuoteSession& session, const json& line, const quill::SizeLimits& limits) {
    const quill::Selection selection = ReadSelection(line);
    const std::string code = Field<std::string>(line, "currency");
    const int tag = session.ChoosableCurrency(code);
    if (tag == 0) throw quill::QuillError("the currency " + code + " cannot be chosen");
    session.SetCurrency(tag);
    json sizes = json::array();
    for (const quill::SizeRow& row : quill::CompareSizes(session, selection, limits))
        sizes.push_back({{"cable", row.cable},
                         {"grade", row.grade},
                         {"attenuation", row.attenuation},
                         {"total_attenuation", row.totalAttenuation},
                         {"insertion_loss", row.insertionLoss},
                         {"efficiency", row.efficiency},
                         {"max_power", row.maxPower},
                         {"average_power", row.averagePower},
                         {"price", row.price ? json(row.priceText) : json()},
                         {"standard_part", row.standardPart},
                         {"note", row.note},
                         {"meets", row.meets},
                         {"cheapest", row.cheapest}});
    return {{"sizes", sizes}};
}

// The request's rows quoted into a new order file, and the summary.
int ImportRequest(quill::QuoteSession& session, const Options& options) {
    try {
        const int tag = session.ChoosableCurrency(options.currency);
        if (tag == 0)
            throw quill::QuillError("the currency " + options.currency + " cannot be chosen");
        session.SetCurrency(tag);
        quill::OrderBook book({});
        const quill::RfqImport import = quill::ImportRfq(
            quill::ReadCsvTable(quill::ReadRegularFile(options.rfq)), session, book);
        book.SaveTo(options.order);
        std::fputs(quill::Windows1252ToUtf8(quill::RfqSummary(import)).c_str(), stdout);
        return import.problems.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillroute-quote: %s\n", quill::MessageOf(error).c_str());
        return 2;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
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
        std::fprintf(stderr, "quillroute-quote: %s\n",
                     quill::MissingFilesMessage(data.missing).c_str());
        return 2;
    }
    if (!loaded) return 2;
    quill::QuoteSession session(data);
    if (!options.rfq.empty()) return ImportRequest(session, options);
    std::ios::sync_with_stdio(false);
    std::string text;
    for (long number = 1; std::getline(std::cin, text); ++number) {
        json answer;
        try {
            json selection = json::parse(text);
            Recode(selection, quill::Utf8ToWindows1252);
            answer = options.compare ? Compare(session, selection, options.limits)
                                     : Quote(session, selection);
        } catch (const json::exception& error) {
            answer = {{"line", number}, {"error", std::string("not JSON: ") + error.what()}};
        } catch (const std::exception& error) {
            answer = {{"line", number}, {"error", quill::MessageOf(error)}};
        }
        Recode(answer, quill::Windows1252ToUtf8);
        std::cout << answer.dump() << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
