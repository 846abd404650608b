#include "session/QuoteLines.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

#include "text/Error.h"
#include "text/Windows1252.h"

namespace quill {

namespace {

using json = nlohmann::ordered_json;

// Nesting deeper than any selection has is refused before it is built.
struct TooDeep {};

// A field the selection must have, of the type it must have.
template <typename T>
T Field(const json& object, const char* name) {
    const auto found = object.find(name);
    if (found == object.end()) throw QuillError(std::string("no \"") + name + "\"");
    try {
        return found->get<T>();
    } catch (const json::exception&) {
        throw QuillError(std::string("\"") + name + "\" has the wrong type");
    }
}

// A whole number within the range of int: 1e300, 1.5 or 2^40 is refused
// rather than cut to whatever the conversion makes of it.
int IntField(const json& object, const char* name) {
    const json value = Field<json>(object, name);
    if (value.is_number_unsigned()) {
        if (value.get<std::uint64_t>() <= static_cast<std::uint64_t>(INT_MAX))
            return static_cast<int>(value.get<std::uint64_t>());
    } else if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= INT_MIN && number <= INT_MAX) return static_cast<int>(number);
    } else if (value.is_number_float()) {
        const double number = value.get<double>();
        if (number == std::trunc(number) && number >= INT_MIN && number <= INT_MAX)
            return static_cast<int>(number);
        throw QuillError(std::string("\"") + name + "\" is not a whole number in range");
    } else {
        throw QuillError(std::string("\"") + name + "\" has the wrong type");
    }
    throw QuillError(std::string("\"") + name + "\" is out of range");
}

int Choice(const json& object, const char* name, const std::vector<std::string>& captions) {
    const std::string text = Field<std::string>(object, name);
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == text) return static_cast<int>(i);
    throw QuillError(std::string("\"") + name + "\" is not one of its choices");
}

void ReadEnd(const json& end, bool& actual, std::string& connector, std::string& special,
             std::string& inner) {
    actual = Choice(end, "mode", {"Mates To", "Actual"}) == 1;
    connector = Field<std::string>(end, "connector");
    special = Field<std::string>(end, "special");
    inner = Field<std::string>(end, "inner");
}

Selection ReadSelection(const json& line) {
    if (!line.is_object()) throw QuillError("a selection is a JSON object");
    Selection s;
    s.feeder = Choice(line, "application", {"Jumper", "Feeder"}) == 1;
    s.lengthText = Field<std::string>(line, "length");
    s.meters = Choice(line, "unit", {"Feet", "Meters"}) == 1;
    s.beginText = Field<std::string>(line, "begin");
    s.endText = Field<std::string>(line, "end");
    s.cableTypeIndex = IntField(line, "cable_type");
    s.topIncluded = Field<bool>(line, "include_top");
    s.bottomIncluded = Field<bool>(line, "include_bottom");
    s.feederIndex = IntField(line, "rg_feeder");
    s.cableGradeIndex = IntField(line, "cable_grade");
    s.cableText = Field<std::string>(line, "cable");
    s.vellisk = IntField(line, "attachment") == 0;
    s.platedGrade = IntField(line, "connector_grade") == 0;
    ReadEnd(Field<json>(line, "top"), s.topActual, s.topConnector, s.topSpecial, s.topInner);
    ReadEnd(Field<json>(line, "bottom"), s.bottomActual, s.bottomConnector, s.bottomSpecial,
            s.bottomInner);
    s.standardLengthItem =
        line.contains("std_length_item") ? IntField(line, "std_length_item") : -1;
    try {
        s.RequireConsistentEnds();
    } catch (const ChoiceError& error) {
        throw QuillError(std::string("\"include_top\", \"include_bottom\" and \"rg_feeder\" "
                                     "disagree: ") +
                         error.what());
    }
    return s;
}

json Pairs(const std::string* labels, const std::string* values, std::size_t count) {
    json rows = json::array();
    for (std::size_t i = 0; i < count; ++i) rows.push_back({labels[i], values[i]});
    return rows;
}

json PageOf(const QuoteResult& result, const StringList& warnings) {
    json page = {{"page", ResultPageName(result.page)}};
    switch (result.page) {
        case ResultKind::Final: {
            std::array<std::string, 10> labels = FinalPageLabels();
            labels[2] = result.final.priceLabel;
            page["cells"] = Pairs(labels.data(), result.final.values.data(), 10);
            break;
        }
        case ResultKind::PartsList: {
            const PartsListPage& parts = result.partsList;
            page["explanation"] = parts.explanation;
            page["headings"] = PartsListHeadings(parts);
            json rows = json::array();
            for (const PartsRow& r : parts.rows)
                rows.push_back({r.qty, r.uom, r.partNumber, r.description, r.price, r.extended});
            page["rows"] = rows;
            page["total"] = {parts.totalLabel, parts.total};
            page["figures"] = Pairs(FigureLabels().data(), parts.figures.data(), 7);
            break;
        }
        case ResultKind::StandardLengths:
            page["rows"] = result.lengths.cells;
            page["enabled"] = result.lengths.enabled;
            break;
    }
    json items = json::array();
    for (const ItemLine& item : result.itemLines) items.push_back(item.Format());
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

json Quote(QuoteSession& session, const json& line) {
    const Selection selection = ReadSelection(line);
    const std::string code = Field<std::string>(line, "currency");
    const int tag = session.ChoosableCurrency(code);
    if (tag == 0) throw QuillError("the currency " + code + " cannot be chosen");
    session.SetCurrency(tag);
    NextOutcome outcome;
    try {
        outcome = session.Resolve(selection);
    } catch (const QuillError&) {
        throw;  // a choice the lists do not offer: the line is no selection
    } catch (const std::exception& error) {
        return Refused(MessageOf(error), "Page2");
    }
    if (outcome.refusal)
        return Refused(outcome.refusal->message,
                       outcome.refusal->staysOn == WizardStep::Page1 ? "Page1" : "Page2");
    if (!outcome.resolved) return Refused("", nullptr);
    return PageOf(*session.Result(), outcome.warnings);
}

// Every size of the line's band, as the comparison dialog shows them.
json Compare(QuoteSession& session, const json& line, const SizeLimits& limits) {
    const Selection selection = ReadSelection(line);
    const std::string code = Field<std::string>(line, "currency");
    const int tag = session.ChoosableCurrency(code);
    if (tag == 0) throw QuillError("the currency " + code + " cannot be chosen");
    session.SetCurrency(tag);
    json sizes = json::array();
    for (const SizeRow& row : CompareSizes(session, selection, limits))
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

json Answer(QuoteSession& session, std::string_view text, long number,
            const QuoteLineOptions& options) {
    try {
        json selection = json::parse(text, [](int depth, json::parse_event_t event, json&) {
            if ((event == json::parse_event_t::object_start ||
                 event == json::parse_event_t::array_start) &&
                depth >= kDeepestQuoteNesting)
                throw TooDeep{};
            return true;
        });
        Recode(selection, Utf8ToWindows1252);
        return options.compare ? Compare(session, selection, options.limits)
                               : Quote(session, selection);
    } catch (const TooDeep&) {
        return {{"line", number},
                {"error", "arrays and objects are nested more than " +
                              std::to_string(kDeepestQuoteNesting) + " deep"}};
    } catch (const json::exception& error) {
        return {{"line", number}, {"error", std::string("not JSON: ") + error.what()}};
    } catch (const std::exception& error) {
        return {{"line", number}, {"error", MessageOf(error)}};
    }
}

}  // namespace

std::string AnswerQuoteLine(QuoteSession& session, std::string_view line, long number,
                            const QuoteLineOptions& options) {
    json answer = Answer(session, line, number, options);
    Recode(answer, Windows1252ToUtf8);
    const auto page = answer.find("page");
    if (options.datasheet && page != answer.end() && (*page == "tsFinal" || *page == "tsNoPN")) {
        try {
            answer["datasheet"] = options.datasheet(session);
        } catch (const std::exception& error) {
            answer["datasheetError"] = Windows1252ToUtf8(MessageOf(error));
        }
    }
    return answer.dump();
}

bool AnswerQuoteLines(QuoteSession& session, std::istream& in, std::ostream& out,
                      const QuoteLineOptions& options) {
    // A line is read into a buffer of its bound; a longer one is passed over
    // to its end without being kept, however long it is.
    std::vector<char> buffer(kLongestQuoteLine + 1);
    for (long number = 1;; ++number) {
        in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto length = static_cast<std::size_t>(in.gcount());
        if (in.bad() || (in.eof() && length == 0)) break;
        std::string answer;
        if (in.fail()) {  // the bound was reached before the line's end
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            answer = json{{"line", number},
                          {"error", "the line is longer than " + std::to_string(kLongestQuoteLine) +
                                        " bytes"}}
                         .dump();
        } else {
            const std::size_t text = length - (!in.eof() && length > 0 ? 1 : 0);  // its line end
            answer =
                AnswerQuoteLine(session, std::string_view(buffer.data(), text), number, options);
        }
        out << answer << '\n';
        if (in.eof()) break;
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace quill
