#include <gtest/gtest.h>

#include "TempDir.h"
#include "catalogue/Error.h"
#include "rfq/CsvTable.h"
#include "rfq/RfqImport.h"
#include "session/ProgramData.h"

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
    EXPECT_EQ(ReadCsvTable("A,B\n1,M\xC3\xBCller\n").rows[0].cells[1], "M\xC3\xBCller")
        << "without a mark the bytes are taken as they are";
    EXPECT_EQ(ReadCsvTable("\xEF\xBB\xBFX\nM\xC3\xBCller\n").rows[0].cells[0], "M\xFCller");
    EXPECT_EQ(ReadCsvTable("A,B\n\"1,2\",\"x\"\"\"\n").rows[0].cells, (StringList{"1,2", "x\""}));
}

const char* const kHeader =
    "Quantity,Application,Length,Unit,Begin MHz,End MHz,Cable Type,Cable,Top Connector,"
    "Bottom Connector,Top Inner,Bottom Inner\r\n";

// Each row quoted as the wizard would, added that many times; a row that
// cannot be quoted adds nothing and names its row, column and reason.
TEST(RfqImport, QuotesEachRowAndNamesTheOnesThatCannotBe) {
    ProgramData data = LoadProgramData(
        fs::path(QUILLROUTE_SAMPLE_DATA) / "program", fs::path(QUILLROUTE_SAMPLE_DATA) / "shared",
        [](const std::function<void()>& step) { return step(), true; });
    QuoteSession session(data);
    TempDir dir;
    OrderBook book(dir / "last.lom");
    const std::string csv =
        std::string(kHeader) +
        "2,Jumper,10,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,,\r\n"   // row 2
        "1,Jumper,ten,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,,\r\n"  // 3
        "1,Jumper,10,Feet,800,2200,Foam,NOPE-1,7-16 DIN Male,7-16 DIN Male,,\r\n"     // 4
        "0,Jumper,10,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,,\r\n"   // 5
        "1,Feeder,200,Feet,800,2200,Foam Coaxial,RVX4-50K,,7-16 DIN Male,,Captivated\r\n"
        "1,Jumper,10,Yards,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,,\r\n"  // 7
        "1,Jumper,10,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,SMA Male,,\r\n";       // 8
    const RfqImport import = ImportRfq(ReadCsvTable(csv), session, book);
    EXPECT_EQ(import.rows, 7);
    EXPECT_EQ(import.quoted, 2);
    ASSERT_EQ(import.problems.size(), 5u) << RfqSummary(import);
    EXPECT_EQ(import.problems[0].row, 3);
    EXPECT_EQ(import.problems[0].column, "Length");
    EXPECT_EQ(import.problems[1].row, 4);
    EXPECT_EQ(import.problems[1].column, "Cable");
    EXPECT_EQ(import.problems[2].column, "Quantity");
    EXPECT_EQ(import.problems[3].row, 7);
    EXPECT_EQ(import.problems[3].column, "Unit");
    EXPECT_EQ(import.problems[4].column, "Bottom Connector");
    EXPECT_EQ(import.problems[4].reason,
              "The bottom connector 'SMA Male' is not among the choices.");
    // The jumper twice is one line of two; the feeder's parts follow.
    ASSERT_GE(book.Lines().Count(), 2u);
    EXPECT_EQ(book.CellText(0, 2), "J4V-DMDM-10");
    EXPECT_EQ(book.CellText(0, 0), "2");

    const RfqImport missing =
        ImportRfq(ReadCsvTable("Quantity,Cable\n1,RVX4-50K\n"), session, book);
    ASSERT_FALSE(missing.problems.empty());
    EXPECT_EQ(missing.problems[0].row, 1);
    EXPECT_EQ(missing.problems[0].column, "Application");
}

}  // namespace
