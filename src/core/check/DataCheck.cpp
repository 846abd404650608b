#include "check/DataCheck.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "catalogue/DataFiles.h"
#include "catalogue/Images.h"
#include "check/CheckedText.h"
#include "platform/Clock.h"
#include "pricing/Currency.h"
#include "results/StandardLengths.h"
#include "text/Fields.h"

namespace quill {

namespace fs = std::filesystem;
using namespace check;

std::string FormatProblem(const DataProblem& p) {
    std::string text = p.file;
    if (p.line > 0) text += ":" + std::to_string(p.line);
    text += ": ";
    if (!p.section.empty()) text += "[" + p.section + "] ";
    return text + p.message;
}

namespace {

// What the catalogue offers, for the files that refer to it.
struct Part {
    std::string file;
    int line = 0;
    std::string section;
};

struct KnownCable {
    std::set<int> connectorCodes;
    std::string section;
};

// A connector as the wizard shows it: its picture depends on these.
struct ConnectorLook {
    std::string name;
    bool rightAngle = false;
    bool vellisk = false;
    Part where;
};

struct CheckState {
    DataCheckReport report;
    bool priceListRead = false;
    std::map<std::string, int> priceLines;     // part number -> its first price line
    std::map<std::string, Part> orderable;     // part number -> where it is first named
    std::map<std::string, KnownCable> cables;  // upper-cased part number
    std::vector<ConnectorLook> connectors;
    std::map<std::string, Part> models;  // cable model -> where; its picture is model.gif
};

CheckedText Read(const fs::path& folder, const std::string& name, Reporter& reporter) {
    return ReadChecked(DataFilePath(folder, name), reporter);
}

void Orderable(CheckState& state, const std::string& partNumber, const Reporter& reporter, int line,
               const std::string& section) {
    if (!partNumber.empty() && !state.orderable.count(partNumber))
        state.orderable[partNumber] = Part{reporter.File(), line, section};
}

// --------------------------------------------------------------- price list

void CheckPriceList(CheckState& state, const fs::path& sharedFolder) {
    Reporter reporter(state.report, "M_lom.dat");
    const CheckedText text = Read(sharedFolder, "M_lom.dat", reporter);
    state.priceListRead = text.read;
    for (const TextLine& line : text.lines) {
        if (line.text.empty() || IsCommentLineStart(line.text[0])) continue;
        const std::vector<std::string> fields = Fields(line.text);
        if (fields.size() < 7) {
            reporter.Add(line.number, "",
                         "a price line needs 6 fields ending with \"|\"; it has " +
                             std::to_string(fields.size() - 1));
            continue;
        }
        const std::string partNumber = Trim(fields[2]);
        const auto [first, added] = state.priceLines.emplace(partNumber, line.number);
        if (!added)
            reporter.Add(line.number, "",
                         "the part " + partNumber + " has a price line already, line " +
                             std::to_string(first->second) + "; the program uses that one");
        if (!IsNumber(Trim(fields[5])))
            reporter.Add(
                line.number, "",
                "the price '" + Trim(fields[5]) + "' of " + partNumber + " is not a number");
    }
}

// ---------------------------------------------------------------- catalogue

const char* const kCableFieldNames[] = {"lowest frequency",
                                        "highest frequency",
                                        "model",
                                        "part number",
                                        "type",
                                        "k1",
                                        "k2",
                                        "diameter",
                                        "grade",
                                        "attachment charge",
                                        "first attachment",
                                        "plated",
                                        "standard",
                                        "power constant",
                                        "maximum power"};

void CheckConnector(CheckState& state, Reporter& reporter, const CheckedSection& section,
                    const TextLine& line, std::map<int, int>& codes) {
    const std::size_t equals = line.text.find('=');
    if (equals != std::string::npos && section.FirstNamed(line.text.substr(0, equals)) != &line) {
        ValueOfLine(section, line,
                    reporter);  // reports the repeated name; its record is checked there
        return;
    }
    const std::vector<std::string> f = Fields(ValueOfLine(section, line, reporter));
    if (f.size() < 8) {
        reporter.Add(line.number, section.name,
                     "a connector record needs 8 fields; it has " + std::to_string(f.size()));
        return;
    }
    int code = 0;
    if (!TryStrToInt(f[0].empty() ? "0" : f[0], code)) {
        reporter.Add(line.number, section.name,
                     "the connector code '" + f[0] + "' is not a whole number");
    } else if (const auto [known, added] = codes.emplace(code, line.number); !added) {
        reporter.Add(line.number, section.name,
                     "the connector code " + f[0] + " repeats that of line " +
                         std::to_string(known->second) +
                         "; standard jumpers cannot tell them apart");
    }
    const std::string grade = UpperCase(f[6]), attachment = UpperCase(f[7]);
    if (grade != "P" && grade != "S")
        reporter.Add(line.number, section.name,
                     "the connector grade '" + f[6] + "' is neither P (plated) nor S (standard)");
    if (attachment != "S" && attachment != "R")
        reporter.Add(line.number, section.name,
                     "the attachment '" + f[7] + "' is neither S (Vellisk) nor R (regular)");
    Orderable(state, f[1], reporter, line.number, section.name);
    state.connectors.push_back({f[2], IsRightAngleText(f[3]), attachment == "S",
                                Part{reporter.File(), line.number, section.name}});
}

void CheckCable(CheckState& state, Reporter& reporter, const CheckedSection& section) {
    const TextLine* record = section.FirstNamed("TLine");
    if (!record) {
        reporter.Add(section.headerLine, section.name, "the section has no TLine line");
        return;
    }
    const std::vector<std::string> f = Fields(ValueOfLine(section, *record, reporter));
    if (f.size() < 15) {
        reporter.Add(record->number, section.name,
                     "a TLine record needs 15 fields; it has " + std::to_string(f.size()));
        return;
    }
    double numbers[15] = {};
    bool numeric = true;
    for (const int i : {0, 1, 5, 6, 13, 14}) {
        if (f[static_cast<std::size_t>(i)].empty()) continue;
        if (!TryStrToFloat(f[static_cast<std::size_t>(i)], numbers[i])) {
            reporter.Add(record->number, section.name,
                         std::string("the ") + kCableFieldNames[i] + " '" +
                             f[static_cast<std::size_t>(i)] + "' is not a number");
            numeric = false;
        }
    }
    const std::string type = UpperCase(f[4]), grade = UpperCase(f[8]);
    if (numeric && numbers[0] > numbers[1])
        reporter.Add(
            record->number, section.name,
            "the lowest frequency " + f[0] + " MHz is above the highest, " + f[1] + " MHz");
    if (type != "AIR" && type != "FOAM" && type != "EW")
        reporter.Add(record->number, section.name,
                     "the cable type '" + f[4] + "' is none of AIR, FOAM, EW");
    if (numeric && type == "EW" && numbers[0] <= numbers[5])
        reporter.Add(record->number, section.name,
                     "the waveguide's band starts at " + f[0] +
                         " MHz, at or below its cut-off of " + f[5] + " MHz");
    if (grade != "S" && grade != "P" && grade != "R")
        reporter.Add(record->number, section.name,
                     "the cable grade '" + f[8] + "' is none of S, P, R the wizard offers");
    Orderable(state, f[3], reporter, record->number, section.name);
    Orderable(state, f[9], reporter, record->number, section.name);
    state.models.emplace(f[2], Part{reporter.File(), record->number, section.name});

    KnownCable& cable = state.cables[UpperCase(f[3])];
    cable.section = section.name;
    std::map<int, int> codes;
    for (const TextLine& line : section.lines) {
        if (&line == record) continue;
        CheckConnector(state, reporter, section, line, codes);
    }
    for (const auto& [code, ignored] : codes) cable.connectorCodes.insert(code);
}

void CheckCatalogue(CheckState& state, const fs::path& programFolder) {
    Reporter reporter(state.report, "dat/tlineconnectors.dat");
    const CheckedText text = Read(programFolder, "dat/tlineconnectors.dat", reporter);
    if (!text.read) return;
    const std::vector<CheckedSection> sections = SectionsOf(text, reporter);
    if (sections.size() < 2)
        reporter.Add(0, "", "the catalogue holds no cable (its first section is never read)");
    for (std::size_t i = 1; i < sections.size(); ++i) CheckCable(state, reporter, sections[i]);
}

// ---------------------------------------------------------- standard jumpers

void CheckJumperLine(CheckState& state, Reporter& reporter, const CheckedSection& section,
                     const TextLine& line, const KnownCable* cable) {
    const std::vector<std::string> f = Fields(ValueOfLine(section, line, reporter));
    if (f.size() < 8) {
        reporter.Add(line.number, section.name,
                     "a jumper record needs 8 fields; it has " + std::to_string(f.size()));
        return;
    }
    for (const int i : {0, 1}) {
        int code = 0;
        const std::string field = Trim(f[static_cast<std::size_t>(i)]);
        if (!TryStrToInt(field, code))
            reporter.Add(line.number, section.name,
                         "the connector code '" + field + "' is not a whole number");
        else if (cable && !cable->connectorCodes.count(code))
            reporter.Add(
                line.number, section.name,
                "the connector code " + field + " is not one of the cable's in the catalogue");
    }
    StringList rejected;
    const StringList lengths = BuildStandardLengthList(f[6], f[7], &rejected);
    for (const std::string& entry : rejected)
        reporter.Add(line.number, section.name,
                     "the standard length '" + entry + "' is not a length");
    for (const std::string& length : lengths)
        Orderable(state, f[4] + FieldAt(length, 1), reporter, line.number, section.name);
}

void CheckJumpers(CheckState& state, const fs::path& programFolder) {
    Reporter reporter(state.report, "dat/jumpers.dat");
    const CheckedText text = Read(programFolder, "dat/jumpers.dat", reporter);
    if (!text.read) return;
    const std::vector<CheckedSection> sections = SectionsOf(text, reporter);
    std::map<std::string, int> searched;  // upper-cased cable -> the section's header line
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const CheckedSection& section = sections[i];
        const TextLine* record = section.FirstNamed("TLine");
        if (!record) {
            reporter.Add(section.headerLine, section.name, "the section has no TLine line");
            continue;
        }
        const std::string cablePart =
            UpperCase(FieldAt(ValueOfLine(section, *record, reporter), 1));
        const auto cable = state.cables.find(cablePart);
        if (cable == state.cables.end())
            reporter.Add(record->number, section.name,
                         "the cable " +
                             FieldAt(record->text.substr(record->text.find('=') + 1), 1) +
                             " is not in the catalogue");
        if (const auto [first, added] = searched.emplace(cablePart, section.headerLine); !added) {
            reporter.Add(section.headerLine, section.name,
                         "the cable's jumpers are in the section of line " +
                             std::to_string(first->second) + " already; these are never found");
            continue;
        }
        for (const TextLine& line : section.lines)
            if (&line != record)
                CheckJumperLine(state, reporter, section, line,
                                cable == state.cables.end() ? nullptr : &cable->second);
    }
}

// ----------------------------------------------------------------- pictures

bool IsGifFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char header[10] = {};
    if (!in.read(header, sizeof header)) return false;
    const std::string magic(header, 6);
    const int width = static_cast<unsigned char>(header[6]) | static_cast<unsigned char>(header[7])
                                                                  << 8;
    const int height = static_cast<unsigned char>(header[8]) | static_cast<unsigned char>(header[9])
                                                                   << 8;
    return (magic == "GIF87a" || magic == "GIF89a") && width > 0 && height > 0;
}

void CheckPicture(CheckState& state, const fs::path& programFolder, const std::string& name,
                  const Part& namedAt) {
    Reporter reporter(state.report, namedAt.file);
    const auto found = FindFileIgnoringCase(programFolder / "images", name);
    if (!found)
        reporter.Add(namedAt.line, namedAt.section, "the picture images/" + name + " is missing");
    else if (!IsGifFile(*found))
        reporter.Add(namedAt.line, namedAt.section,
                     "the picture images/" + name + " is not a GIF picture");
}

void CheckImages(CheckState& state, const fs::path& programFolder) {
    Reporter reporter(state.report, "dat/images.dat");
    const CheckedText text = Read(programFolder, "dat/images.dat", reporter);
    StringList lines;
    for (const TextLine& line : text.lines) {
        lines.push_back(line.text);
        if (line.text.empty()) continue;
        const std::vector<std::string> f = Fields(line.text);
        if (f.size() < 5) {
            reporter.Add(line.number, "",
                         "a picture line needs 4 fields; it has " + std::to_string(f.size() - 1));
            continue;
        }
        CheckPicture(state, programFolder, Trim(f[3]), Part{reporter.File(), line.number, ""});
    }
    // Each connector the wizard can show has a picture, straight or bent.
    std::set<std::tuple<std::string, bool, bool>> seen;
    for (const ConnectorLook& look : state.connectors) {
        if (!seen.insert({look.name, look.rightAngle, look.vellisk}).second) continue;
        if (ConnectorPictureFile(lines, look.name, look.rightAngle, look.vellisk).empty())
            Reporter(state.report, look.where.file)
                .Add(look.where.line, look.where.section,
                     "no picture in dat/images.dat shows the connector " + look.name +
                         (look.rightAngle ? ", right-angled" : "") +
                         (look.vellisk ? ", Vellisk" : ""));
    }
    for (const auto& [model, where] : state.models)
        CheckPicture(state, programFolder, model + ".gif", where);
    for (const char* fixed : {"topjumper.gif", "bottomjumper.gif", "mainfeeder.gif", "vl.gif",
                              "noconnectors.gif", "logo.gif", "splash.gif", "group.gif"})
        CheckPicture(state, programFolder, fixed, Part{"images", 0, ""});
}

// ---------------------------------------------------- rates and update date

void CheckRates(CheckState& state, const fs::path& programFolder) {
    const auto found = FindFileIgnoringCase(programFolder, "xcngrate.dat");
    if (!found) return;  // no rates: US dollars only, not a problem
    Reporter reporter(state.report, "xcngrate.dat");
    const CheckedText text = ReadChecked(*found, reporter);
    std::set<std::string> codes;
    for (const TextLine& line : text.lines) {
        if (line.text.empty()) continue;
        const std::string code = FieldAt(line.text, 1);
        if (CurrencyIndex(code) < 0) {
            reporter.Add(line.number, "", "'" + code + "' is no currency code of the program");
            continue;
        }
        if (!codes.insert(code).second) {
            reporter.Add(line.number, "",
                         "the rate of " + code + " is given already; the first is used");
            continue;
        }
        double rate = 0;
        if (!TryStrToFloat(FieldAt(line.text, 2), rate) || !(rate > 0))
            reporter.Add(line.number, "",
                         "the rate '" + FieldAt(line.text, 2) + "' of " + code +
                             " is not a usable positive number");
        else if (!IsUsableRate(rate))
            reporter.Add(line.number, "",
                         "the rate '" + FieldAt(line.text, 2) + "' of " + code + " is outside " +
                             kUsableRates + ", the rates prices can be converted with: " + code +
                             " cannot be chosen");
    }
    std::string missing;
    for (const std::string_view code : kCurrencyCodes)
        if (!codes.count(std::string(code)))
            missing += (missing.empty() ? "" : ", ") + std::string(code);
    if (!missing.empty())
        reporter.Add(0, "",
                     "no rate for " + missing + ": prices in those currencies show in US dollars");
}

void CheckUpdateDate(CheckState& state, const fs::path& writtenFolder) {
    const auto found = FindFileIgnoringCase(writtenFolder, "update.ini");
    if (!found) return;
    Reporter reporter(state.report, "update.ini");
    const CheckedText text = ReadChecked(*found, reporter);
    for (const CheckedSection& section : SectionsOf(text, reporter)) {
        if (!SameTextIgnoringCase(section.name, "UPDATE")) continue;
        if (const TextLine* last = section.FirstNamed("last")) {
            Date date;
            const std::string value = last->text.substr(last->text.find('=') + 1);
            if (!ParseDate(value, date))
                reporter.Add(last->number, section.name,
                             "the date '" + value + "' is not mm/dd/yyyy; the program reads today");
        }
    }
}

// ---------------------------------------------------------- prices of parts

void CheckPrices(CheckState& state) {
    for (const auto& [partNumber, where] : state.orderable) {
        if (state.priceLines.count(partNumber)) continue;
        Reporter(state.report, where.file)
            .Add(where.line, where.section, "the part " + partNumber + " has no line in M_lom.dat");
    }
}

}  // namespace

DataCheckReport CheckDataSet(const fs::path& programFolder, const fs::path& sharedFolder,
                             const fs::path& writtenFolder) {
    CheckState state;
    CheckPriceList(state, sharedFolder);
    CheckCatalogue(state, programFolder);
    CheckJumpers(state, programFolder);
    CheckImages(state, programFolder);
    CheckRates(state, programFolder);
    CheckUpdateDate(state, writtenFolder);
    if (state.priceListRead) CheckPrices(state);
    // File by file in the order they were read, and within a file by line.
    std::map<std::string, int> rank;
    for (const DataProblem& problem : state.report.problems)
        rank.emplace(problem.file, static_cast<int>(rank.size()));
    std::stable_sort(state.report.problems.begin(), state.report.problems.end(),
                     [&](const DataProblem& a, const DataProblem& b) {
                         return std::pair(rank[a.file], a.line) < std::pair(rank[b.file], b.line);
                     });
    return state.report;
}

}  // namespace quill
