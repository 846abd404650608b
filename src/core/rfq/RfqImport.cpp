#include "rfq/RfqImport.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

#include "orders/Decimal.h"
#include "session/PageOneChoices.h"
#include "text/Error.h"

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

// The column of a request that holds a choice of the wizard; none for the
// rest. A feeder's item follows its connectors.
const char* ColumnOf(SelectionField field) {
    static const std::map<SelectionField, const char*> kColumns = {
        {SelectionField::Length, "Length"},
        {SelectionField::Begin, "Begin MHz"},
        {SelectionField::End, "End MHz"},
        {SelectionField::Application, "Application"},
        {SelectionField::Unit, "Unit"},
        {SelectionField::CableType, "Cable Type"},
        {SelectionField::CableGrade, "Cable Grade"},
        {SelectionField::Cable, "Cable"},
        {SelectionField::Attachment, "Attachment"},
        {SelectionField::ConnectorGrade, "Connector Grade"},
        {SelectionField::FeederEnds, "Top Connector"},
        {SelectionField::TopMode, "Top Mode"},
        {SelectionField::TopConnector, "Top Connector"},
        {SelectionField::TopSpecial, "Top Special"},
        {SelectionField::TopInner, "Top Inner"},
        {SelectionField::BottomMode, "Bottom Mode"},
        {SelectionField::BottomConnector, "Bottom Connector"},
        {SelectionField::BottomSpecial, "Bottom Special"},
        {SelectionField::BottomInner, "Bottom Inner"},
    };
    const auto column = kColumns.find(field);
    return column == kColumns.end() ? "" : column->second;
}

// "1.234,5" as the program writes numbers ("1234.5"): digits grouped by
// points in threes, one decimal comma; nothing for any other text.
std::optional<std::string> FromDecimalComma(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
        return std::nullopt;
    std::string number;
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+') number.push_back(text[i++]);
    const std::string whole = text.substr(i, comma - i), fraction = text.substr(comma + 1);
    const StringList groups = SplitFields(whole, ".");
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::string& group = groups[g];
        const bool sized = groups.size() == 1 ||
                           (g == 0 ? group.size() >= 1 && group.size() <= 3 : group.size() == 3);
        if (!sized || group.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        number += group;
    }
    if (fraction.empty() || fraction.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return number + "." + fraction;
}

// A number cell as the program's boxes take it. A spreadsheet saving with
// semicolons or tabs writes the decimal comma of its language; in a
// comma-separated file a comma in a number can only be a mistake.
std::string NumberIn(const Cells& cells, const char* column, char separator) {
    const std::string text = cells[column];
    std::string number = text;
    if (text.find(',') != std::string::npos) {
        if (separator == ',') {
            // "1,5" can only have meant 1.5; other texts are told the rule.
            std::string pointed = text;
            std::replace(pointed.begin(), pointed.end(), ',', '.');
            const bool plain = std::count(text.begin(), text.end(), ',') == 1 &&
                               text.find('.') == std::string::npos;
            throw RowError{column, "'" + text +
                                       "' is not a number: a comma-separated file writes " +
                                       (plain ? pointed : "its numbers") +
                                       " with a point as the decimal separator."};
        }
        number = FromDecimalComma(text).value_or(text);
    }
    double value = 0;
    if (!TryStrToFloat(number, value)) throw RowError{column, "'" + text + "' is not a number."};
    return number;
}

int QuantityIn(const Cells& cells, char separator) {
    int quantity = 0;
    if (!TryStrToInt(NumberIn(cells, "Quantity", separator), quantity) || quantity < 1)
        throw RowError{"Quantity",
                       "'" + cells["Quantity"] + "' is not a whole number from 1 to 2147483647."};
    return quantity;
}

// The selection the row describes; unset choices as the wizard starts them.
using GradeOfCable = std::unordered_map<std::string, int>;  // by part number

Selection SelectionOf(const Cells& cells, const GradeOfCable& gradeOf, char separator) {
    const auto need = [&](const char* column, std::optional<int> index, const char* expected) {
        if (!index) throw RowError{column, "'" + cells[column] + "' is not " + expected + "."};
        return *index;
    };
    Selection s;
    s.feeder = need("Application", Pick(cells["Application"], {{"Jumper"}, {"Feeder"}}),
                    "Jumper or Feeder") == 1;
    s.lengthText = NumberIn(cells, "Length", separator);
    s.meters =
        need("Unit", Pick(cells["Unit"], {{"Feet", "ft"}, {"Meters", "m"}}), "Feet or Meters") == 1;
    s.beginText = NumberIn(cells, "Begin MHz", separator);
    s.endText = NumberIn(cells, "End MHz", separator);
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
            "Standard Cable, Premium Cable or Flame Retardant Cable");
    // Without an attachment or a connector grade, what page 2 selects for the cable.
    s.pageAttachment = cells["Attachment"].empty();
    if (!s.pageAttachment)
        s.vellisk = need("Attachment", Pick(cells["Attachment"], {{"Vellisk"}, {"Regular"}}),
                         "Vellisk or Regular") == 0;
    s.pageConnectorGrade = cells["Connector Grade"].empty();
    if (!s.pageConnectorGrade)
        s.platedGrade =
            need("Connector Grade", Pick(cells["Connector Grade"], {{"Plated"}, {"Standard"}}),
                 "Plated or Standard") == 0;
    s.topConnector = cells["Top Connector"];
    s.bottomConnector = cells["Bottom Connector"];
    // A feeder's ends that name a connector get one, as page 1's boxes give them.
    PageOneChoices page;
    page.ChooseApplication(s.feeder);
    if (s.feeder) page.SetEnds(!s.topConnector.empty(), !s.bottomConnector.empty());
    s.topIncluded = page.topIncluded;
    s.bottomIncluded = page.bottomIncluded;
    s.feederIndex = page.feederItem.index;
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

// The result's lines for that many assemblies: each quantity multiplied,
// exactly, or the row refused.
void Multiply(ItemLines& lines, int quantity, const std::string& cell) {
    if (quantity == 1) return;
    const Decimal times{quantity, 0};
    for (ItemLine& line : lines) {
        Decimal each, product;
        if (!ParseDecimal(line.quantity, each) || !MultiplyDecimals(each, times, product))
            throw RowError{"Quantity", "'" + cell + "' times " + line.quantity + " " + line.unit +
                                           " of " + line.partNumber +
                                           " is more than an order can hold exactly."};
        line.quantity = DecimalText(product);
    }
}

// A refusal names the value read when its message does not.
std::string WithValue(const std::string& message, const std::string& value) {
    if (message.find("'" + value + "'") != std::string::npos) return message;
    return message + " The cell reads '" + value + "'.";
}

void QuoteRow(const Cells& cells, char separator, const GradeOfCable& gradeOf,
              const QuoteSession& session, OrderBook& book) {
    const int quantity = QuantityIn(cells, separator);
    QuoteSession quoting = session.Restarted();
    const NextOutcome outcome = quoting.Resolve(SelectionOf(cells, gradeOf, separator));
    if (outcome.refusal) {
        const char* column = ColumnOf(outcome.refusal->field);
        throw RowError{column, *column ? WithValue(outcome.refusal->message, cells[column])
                                       : outcome.refusal->message};
    }
    if (!quoting.Result()) throw RowError{"", "nothing was quoted"};
    ItemLines lines = quoting.Result()->itemLines;
    Multiply(lines, quantity, cells["Quantity"]);
    std::string refused;
    try {
        refused = book.Add(lines, quoting.Currency().Code(), true);
    } catch (const QuillError& error) {
        throw RowError{quantity > 1 ? "Quantity" : "", error.what()};
    }
    if (!refused.empty()) throw RowError{"", refused};
}

}  // namespace

RfqImport ImportRfq(CsvReader& reader, const QuoteSession& session, OrderBook& book) {
    RfqImport import;
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < reader.Header().size(); ++i)
        columns.emplace(UpperCase(Trim(reader.Header()[i])), i);
    for (const char* name : kRequired)
        if (!columns.count(UpperCase(name)))
            import.problems.push_back({1, name, "the column is missing"});
    CsvRow row;
    if (!import.problems.empty()) {
        while (reader.Next(row)) ++import.rows;
        return import;
    }

    GradeOfCable gradeOf;
    for (const TTransmissionLine* cable : AllCables(session.Data().catalogue))
        gradeOf[cable->partNumber] = CableGradeIndex(cable->gradeCode);

    while (reader.Next(row)) {
        ++import.rows;
        const Cells cells(columns, row.cells);
        try {
            QuoteRow(cells, reader.Separator(), gradeOf, session, book);
            ++import.quoted;
        } catch (const RowError& error) {
            import.problems.push_back({row.number, error.column, error.reason});
        } catch (const ChoiceError& error) {
            import.problems.push_back({row.number, ColumnOf(error.Field()), error.what()});
        } catch (const QuillError& error) {
            import.problems.push_back({row.number, "", error.what()});
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
