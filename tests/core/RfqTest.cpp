#include <gtest/gtest.h>

#include "TempDir.h"
#include "rfq/CsvTable.h"
#include "rfq/RfqImport.h"
#include "session/ProgramData.h"
#include "text/Error.h"

using namespace quill;

namespace {

namespace fs = std::filesystem;

// The dialects spreadsheet programs write: every table reads as the same
// header and rows, numbered as the spreadsheet shows them.
TEST(CsvTable, ReadsTheDialectsSpreadsheetsWrite) {
    const struct {
        const char* name;
        std::string bytes;
        char separator;
        std::vector<int> numbers;
        StringList last;
    } cases[] = {
        {"commas, CR LF", "A,B\r\n1,x\r\n2,y\r\n", ',', {2, 3}, {"2", "y"}},
        {"semicolons, LF", "A;B\n1;x\n2;\"y;z\"\n", ';', {2, 3}, {"2", "y;z"}},
        {"tabs", "A\tB\n1\t\n2\ty\n", '\t', {2, 3}, {"2", "y"}},
        {"quotes doubled, a line break inside",
         "A,B\n\"1\",\"say \"\"hi\"\"\nthere\"\n2,y\n",
         ',',
         {2, 3},
         {"2", "y"}},
        {"blank lines keep their numbers", "A,B\r\n\r\n1,x\r\n,\r\n2,y", ',', {3, 5}, {"2", "y"}},
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF"
         "A,B\n1,M\xC3\xBCller\n2,y\n",
         ',',
         {2, 3},
         {"2", "y"}},
        {"Windows-1252", "A,B\n1,M\xFCller\n2,y\n", ',', {2, 3}, {"2", "y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvTable table = ReadCsvTable(c.bytes);
        EXPECT_EQ(table.separator, c.separator);
        EXPECT_EQ(table.header, (StringList{"A", "B"}));
        std::vector<int> numbers;
        for (const CsvRow& row : table.rows) numbers.push_back(row.number);
        EXPECT_EQ(numbers, c.numbers);
        ASSERT_FALSE(table.rows.empty());
        EXPECT_EQ(table.rows.back().cells, c.last);
    }
    // UTF-8 is read as UTF-8, with a mark or without; other bytes as Windows-1252.
    EXPECT_EQ(ReadCsvTable("A,B\n1,Winkel 90\xC2\xB0\n").rows[0].cells[1], "Winkel 90\xB0");
    EXPECT_EQ(ReadCsvTable("\xEF\xBB\xBFX\nM\xC3\xBCller\n").rows[0].cells[0], "M\xFCller");
    EXPECT_EQ(ReadCsvTable("X\nM\xFCller \xC3\n").rows[0].cells[0], "M\xFCller \xC3");
    EXPECT_EQ(ReadCsvTable("A,B\n\"1,2\",\"x\"\"\"\n").rows[0].cells, (StringList{"1,2", "x\""}));
    // A CR, blanks and an LF are two lines, as a spreadsheet shows them.
    EXPECT_EQ(ReadCsvTable("A\r  \nx\ny\n").rows[0].number, 3);

    // A quote never closed would swallow the rest of the file into one cell.
    const struct {
        std::string bytes;
        const char* message;
    } refused[] = {
        {"A,B\r\n1,x\r\n2,\"y\r\n3,z\r\n4,w\r\n",
         "The CSV file cannot be read: the quote opened in row 3 is never closed. Close it with a "
         "\" or remove it."},
        {"A\n" + std::string(CsvReader::kLongestRow + 100000, 'x') + "\n",
         "The CSV file cannot be read: row 2 is longer than 1 MB."},
    };
    for (const auto& c : refused) {
        try {
            ReadCsvTable(c.bytes);
            ADD_FAILURE() << c.message;
        } catch (const QuillError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

ProgramData SampleData() {
    return LoadProgramData(fs::path(QUILLROUTE_SAMPLE_DATA) / "program",
                           fs::path(QUILLROUTE_SAMPLE_DATA) / "shared",
                           [](const std::function<void()>& step) { return step(), true; });
}

RfqImport Import(const std::string& csv, const QuoteSession& session, OrderBook& book) {
    CsvReader reader(CsvBytes{csv});
    return ImportRfq(reader, session, book);
}

// Each row quoted as a freshly started wizard would quote it, its lines
// added with their quantities multiplied; a row that cannot be quoted adds
// nothing and names its row, its own column and the value read.
TEST(RfqImport, QuotesEachRowAndNamesTheOnesThatCannotBe) {
    ProgramData data = SampleData();
    QuoteSession session(data);
    TempDir dir;
    OrderBook book(dir / "last.lom");
    // As a German spreadsheet saves it: semicolons and decimal commas.
    const std::string jumper = ";800;2200;Foam;RVX4-50K;7-16 DIN Male;7-16 DIN Male;";
    const struct {
        std::string row;
        const char* column;  // nullptr: quoted
        const char* reason;
    } rows[] = {
        {"2;Jumper;1,5;Feet" + jumper + ";;", nullptr, nullptr},
        {"1;Feeder;1.234,5;ft;800;2200;Foam;RVX4-50K;;7-16 DIN Male;;;", nullptr, nullptr},
        {"1;Jumper;10;Feet" + jumper + "RIGHT ANGLE;;", nullptr, nullptr},
        {"1;Jumper;10;Feet" + jumper + ";;", nullptr, nullptr},  // not the row before's angle
        // No Vellisk option and only standard connectors: the wizard's own choices.
        {"1;Jumper;10;Feet;800;1900;Foam;RVX8-50K;7-16 DIN Male;7-16 DIN Male;;;", nullptr,
         nullptr},
        {"2000000000;Jumper;8;Feet" + jumper + ";;", nullptr, nullptr},
        {"1;Jumper;-2;Feet" + jumper + ";;", "Length",
         "The length must be greater than 0. The cell reads '-2'."},
        {"1;Jumper;1,2,3;Feet" + jumper + ";;", "Length", "'1,2,3' is not a number."},
        {"1;Jumper;10;Feet;2200;800;Foam;RVX4-50K;7-16 DIN Male;7-16 DIN Male;;;", "End MHz",
         "Ending frequency must be greater than beginning frequency. The cell reads '800'."},
        {"1;Jumper;10;Feet;800;2200;Foam;NOPE-1;7-16 DIN Male;7-16 DIN Male;;;", "Cable",
         "The cable 'NOPE-1' is not among the choices."},
        {"1;Jumper;10;Feet" + jumper + ";Vellisk;Standard", "Connector Grade",
         "The connector grade 'Standard' is not offered for the cable RVX4-50K."},
        {"1;Jumper;10;Feet" + jumper + ";;", nullptr, nullptr},
        {"0;Jumper;10;Feet" + jumper + ";;", "Quantity",
         "'0' is not a whole number from 1 to 2147483647."},
        {"1;Jumper;10;Yards" + jumper + ";;", "Unit", "'Yards' is not Feet or Meters."},
        {"1;Jumper;10;Feet" + jumper + ";;Glued", "Connector Grade",
         "'Glued' is not Plated or Standard."},
    };
    std::string csv =
        "Quantity;Application;Length;Unit;Begin MHz;End MHz;Cable Type;Cable;Top Connector;"
        "Bottom Connector;Top Special;Attachment;Connector Grade\r\n";
    for (const auto& r : rows) csv += r.row + "\r\n";
    const RfqImport import = Import(csv, session, book);
    std::size_t problem = 0;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (!rows[i].column) continue;
        SCOPED_TRACE(rows[i].row);
        ASSERT_LT(problem, import.problems.size());
        EXPECT_EQ(import.problems[problem].row, static_cast<int>(i) + 2);
        EXPECT_EQ(import.problems[problem].column, rows[i].column);
        EXPECT_EQ(import.problems[problem].reason, rows[i].reason);
        ++problem;
    }
    EXPECT_EQ(problem, import.problems.size()) << RfqSummary(import);
    EXPECT_EQ(RfqSummary(import).substr(0, 44), "7 of 15 rows quoted and added to the order.\n");

    std::map<std::string, std::string> quantities;  // by part number
    for (std::size_t i = 0; i < book.Lines().Count(); ++i)
        quantities[book.CellText(i, 2)] += book.CellText(i, 0) + " ";
    EXPECT_EQ(quantities["J4V-DMDM-10"], "2 ");  // twice the plain one, never the angled
    EXPECT_EQ(quantities["J4V-DMDM-8"], "2000000000 ");
    EXPECT_EQ(quantities["RVX4-50K"], "1234.5 ");
    EXPECT_EQ(quantities["F8DM-SS"], "2 ");  // regular attachment, standard grade
    EXPECT_EQ(quantities["J4V-DMDM-1.5"], "2 ");

    // In a comma-separated file a comma in a number is a mistake, said so.
    const RfqImport commas = Import(
        "Quantity,Application,Length,Unit,Begin MHz,End MHz,Cable Type,Cable,Top "
        "Connector,Bottom Connector\n1,Jumper,\"1,5\",Feet,800,2200,Foam,RVX4-50K,7-16 DIN "
        "Male,7-16 DIN Male\n",
        session, book);
    ASSERT_EQ(commas.problems.size(), 1u);
    EXPECT_EQ(commas.problems[0].reason,
              "'1,5' is not a number: a comma-separated file writes 1.5 with a point as the "
              "decimal separator.");

    // A column missing: every data row is counted, none quoted.
    const RfqImport missing = Import("Quantity,Cable\n1,RVX4-50K\n\n2,RVX4-50K\n", session, book);
    ASSERT_FALSE(missing.problems.empty());
    EXPECT_EQ(missing.problems[0].row, 1);
    EXPECT_EQ(missing.problems[0].column, "Application");
    EXPECT_EQ(RfqSummary(missing).substr(0, 43), "0 of 2 rows quoted and added to the order.\n");
}

}  // namespace
