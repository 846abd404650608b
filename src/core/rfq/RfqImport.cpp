#include "rfq/RfqImport.h"

#include <map>
#include <optional>
#include <unordered_map>

#include "catalogue/Error.h"

namespace quill {

namespace {

const char* const kRequired[] = {"Quantity",      "Application",     "Length",     "Unit",
                                 "Begin MHz",     "End MHz",         "Cable Type", "Cable",
                                 "Top Connector", "Bottom Connector"};

// A row's cells by column name.
class Cells {
  public:
    Cells(const std::map<std::string, std::size_t>& columns, const StringList& cells)
        : columns_(columns), cells_(cells) {}
    std::string operator[](const char* name) const {
        const auto column = columns_.find(UpperCase(name));
        if (column == columns_.end() || column->second >= cells_.size()) return {};
        return Trim(cells_[column->second]);
    }

  private:
    const std::map<std::string, std::size_t>& columns_;
    const StringList& cells_;
};

// The index of a text among captions and their short forms, letter case aside.
std::optional<int> Pick(const std::string& text,
                        std::initializer_list<std::initializer_list<const char*>> choices) {
    int index = 0;
    for (const auto& names : choices) {
        for (const char* name : names)
            if (SameTextIgnoringCase(text, name)) return index;
        ++index;
    }
    return std::nullopt;
}

struct RowError {
    const char* column;
    std::string reason;
};

// The selection the row describes; unset choices as the wizard starts them.
using GradeOfCable = std::unordered_map<std::string, int>;  // by part number

Selection SelectionOf(const Cells& cells, const GradeOfCable& gradeOf) {
    const auto need = [&](const char* column, std::optional<int> index, const char* expected) {
        if (!index) throw RowError{column, "'" + cells[column] + "' is not " + expected};
        return *index;
    };
    Selection s;
    s.feeder = need("Application", Pick(cells["Application"], {{"Jumper"}, {"Feeder"}}),
                    "Jumper or Feeder") == 1;
    s.lengthText = cells["Length"];
    s.meters =
        need("Unit", Pick(cells["Unit"], {{"Feet", "ft"}, {"Meters", "m"}}), "Feet or Meters") == 1;
    s.beginText = cells["Begin MHz"];
    s.endText = cells["End MHz"];
    s.cableTypeIndex = need(
        "Cable Type",
        Pick(cells["Cable Type"],
             {{"Air Coaxial", "Air"}, {"Foam Coaxial", "Foam"}, {"Elliptical Waveguide", "EW"}}),
        "Air Coaxial, Foam Coaxial or Elliptical Waveguide");
    s.cableText = cells["Cable"];
    // Without a grade, the grade of the cable named.
    const auto named = gradeOf.find(s.cableText);
    s.cableGradeIndex = named == gradeOf.end() ? 0 : named->second;
    if (!cells["Cable Grade"].empty())
        s.cableGradeIndex = need(
            "Cable Grade",
            Pick(cells["Cable Grade"],
                 {{"Standard Cable", "S"}, {"Premium Cable", "P"}, {"Flame Retardant Cable", "R"}}),
            "a cable grade");
    s.vellisk = !s.feeder;
    if (!cells["Attachment"].empty())
        s.vellisk = need("Attachment", Pick(cells["Attachment"], {{"Vellisk"}, {"Regular"}}),
                         "Vellisk or Regular") == 0;
    s.platedGrade = true;
    if (!cells["Connector Grade"].empty())
        s.platedGrade =
            need("Connector Grade", Pick(cells["Connector Grade"], {{"Plated"}, {"Standard"}}),
                 "Plated or Standard") == 0;
    s.topConnector = cells["Top Connector"];
    s.bottomConnector = cells["Bottom Connector"];
    s.topIncluded = !s.feeder || !s.topConnector.empty();
    s.bottomIncluded = !s.feeder || !s.bottomConnector.empty();
    if (s.feeder)
        s.feederIndex = s.topIncluded ? (s.bottomIncluded ? 0 : 1) : (s.bottomIncluded ? 2 : 3);
    s.topSpecial = cells["Top Special"];
    s.topInner = cells["Top Inner"];
    s.bottomSpecial = cells["Bottom Special"];
    s.bottomInner = cells["Bottom Inner"];
    for (const auto& [column, actual] :
         {std::pair{"Top Mode", &s.topActual}, std::pair{"Bottom Mode", &s.bottomActual}})
        if (!cells[column].empty())
            *actual = need(column, Pick(cells[column], {{"Actual"}, {"Mates To"}}),
                           "Actual or Mates To") == 0;
    s.standardLengthItem = 0;  // near a standard length, the length asked for
    return s;
}

// The column a refusal or a refused choice is about.
std::string ColumnOf(const std::string& message, int field) {
    if (field == 0) return "Length";
    if (field == 1) return "Begin MHz";
    if (field == 2) return "End MHz";
    for (const auto& [word, column] :
         {std::pair{"cable grade", "Cable Grade"}, std::pair{"top special", "Top Special"},
          std::pair{"bottom special", "Bottom Special"}, std::pair{"top inner", "Top Inner"},
          std::pair{"bottom inner", "Bottom Inner"},
          std::pair{"connector attachment", "Attachment"},
          std::pair{"connector grade", "Connector Grade"},
          std::pair{"top connector", "Top Connector"},
          std::pair{"bottom connector", "Bottom Connector"}, std::pair{"cable", "Cable"}})
        if (UpperCase(message).find(UpperCase(word)) != std::string::npos) return column;
    return {};
}

}  // namespace

RfqImport ImportRfq(const CsvTable& table, QuoteSession& session, OrderBook& book) {
    RfqImport import;
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < table.header.size(); ++i)
        columns.emplace(UpperCase(Trim(table.header[i])), i);
    for (const char* name : kRequired)
        if (!columns.count(UpperCase(name)))
            import.problems.push_back({1, name, "the column is missing"});
    if (!import.problems.empty()) return import;

    GradeOfCable gradeOf;
    for (const TTransmissionLine* cable : AllCables(session.Data().catalogue))
        gradeOf[cable->partNumber] = CableGradeIndex(cable->gradeCode);

    for (const CsvRow& row : table.rows) {
        ++import.rows;
        const Cells cells(columns, row.cells);
        try {
            int quantity = 0;
            if (!TryStrToInt(cells["Quantity"], quantity) || quantity < 1)
                throw RowError{"Quantity",
                               "'" + cells["Quantity"] + "' is not a whole number of at least 1"};
            const NextOutcome outcome = session.Resolve(SelectionOf(cells, gradeOf));
            if (outcome.refusal) {
                import.problems.push_back(
                    {row.number, ColumnOf(outcome.refusal->message, outcome.refusal->field),
                     outcome.refusal->message});
                continue;
            }
            if (!session.Result()) throw RowError{"", "nothing was quoted"};
            for (int i = 0; i < quantity; ++i) {
                const std::string refused =
                    book.Add(session.Result()->itemLines, session.Currency().Code(), true);
                if (!refused.empty()) throw RowError{"", refused};
            }
            ++import.quoted;
        } catch (const RowError& error) {
            import.problems.push_back({row.number, error.column, error.reason});
        } catch (const QuillError& error) {
            import.problems.push_back({row.number, ColumnOf(error.what(), -1), error.what()});
        }
    }
    return import;
}

std::string RfqSummary(const RfqImport& import) {
    std::string text = std::to_string(import.quoted) + " of " + std::to_string(import.rows) +
                       " rows quoted and added to the order.\n";
    if (!import.problems.empty()) text += "\n";
    for (const RfqProblem& problem : import.problems)
        text += "Row " + std::to_string(problem.row) +
                (problem.column.empty() ? "" : ", " + problem.column) + ": " + problem.reason +
                "\n";
    return text;
}

}  // namespace quill
