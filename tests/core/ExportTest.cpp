#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Files.h"
#include "RunCommand.h"
#include "TempDir.h"
#include "orders/Order.h"
#include "output/ExportContent.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(QUILLROUTE_TEST_DATA) / "exports";

// A case's "content.txt": the page as its grids show it, one element a line
// ("pair=label|value", "heading=...", "row=...", "total=label|text",
// "detail=label|text" for a filled customer detail) and the
// notes' dates ("foreign=" for another currency than US dollars, "updated=").
// "\r" stands for a carriage return inside a cell.
ExportContent CaseContent(const fs::path& folder) {
    ExportContent content;
    content.reminder = kReminderCaption;
    std::ifstream in(folder / "content.txt", std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        for (std::size_t at; (at = value.find("\\r")) != std::string::npos;)
            value.replace(at, 2, "\r");
        const StringList fields = SplitFields(value, "|");
        if (key == "block")
            content.block = value == "final"   ? ExportContent::Block::FinalSelection
                            : value == "parts" ? ExportContent::Block::PartsList
                                               : ExportContent::Block::Order;
        else if (key == "pair")
            content.pairs.push_back({fields.at(0), fields.at(1)});
        else if (key == "heading")
            content.headings = fields;
        else if (key == "row")
            content.rows.push_back(fields);
        else if (key == "total")
            content.total = {fields.at(0), fields.at(1)};
        else if (key == "detail")
            content.details.push_back({fields.at(0), fields.at(1)});
        else if (key == "foreign")
            content.foreignCurrency = true, content.exchangeRateDate = value;
        else if (key == "updated")
            content.pricingUpdateDate = value;
    }
    return content;
}

std::vector<std::string> Cases() {
    std::vector<std::string> cases;
    for (const auto& entry : fs::directory_iterator(kGolden))
        if (entry.is_directory()) cases.push_back(entry.path().filename().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class ExportGolden : public ::testing::TestWithParam<std::string> {};

// With QUILLROUTE_REGENERATE_GOLDEN set, a golden file is written anew from
// what the code makes, for a change of the renderings made on purpose: read
// the diff before committing it.
void ExpectGolden(const std::string& made, const fs::path& golden) {
    if (std::getenv("QUILLROUTE_REGENERATE_GOLDEN"))
        std::ofstream(golden, std::ios::binary) << made;
    EXPECT_EQ(made, ReadBytes(golden)) << golden;
}

TEST_P(ExportGolden, EveryRenderingGivesTheExpectedBytes) {
    const fs::path folder = kGolden / GetParam();
    const ExportContent content = CaseContent(folder);
    ExpectGolden(RenderClipboardText(content), folder / "clipboard.txt");
    ExpectGolden(RenderTextFile(content), folder / "export.txt");
    ExpectGolden(RenderSpreadsheetFile(content), folder / "export.xls");
    ExpectGolden(RenderHtml(content), folder / "export.html");
}

// The workbook's sheet and its strings as the file holds them (the zip
// around them carries the time it was made, so it is not compared whole).
std::string WorkbookPart(const std::string& bytes, const char* part) {
    TempDir dir;
    const fs::path file = dir.Write("export.xlsx", bytes);
    const CommandResult unzipped = RunCommand("unzip -p " + Quoted(file.string()) + " " + part);
    EXPECT_EQ(unzipped.status, 0) << part;
    return unzipped.output;
}

TEST_P(ExportGolden, TheWorkbookHoldsTheExpectedSheet) {
#ifdef _WIN32
    // The zip is read back with Info-ZIP's unzip, which is no Windows command.
    if (RunCommand("unzip -v").status != 0) GTEST_SKIP() << "unzip is not installed";
#endif
    const fs::path folder = kGolden / GetParam();
    const std::string workbook = RenderWorkbook(CaseContent(folder));
    ExpectGolden(WorkbookPart(workbook, "xl/worksheets/sheet1.xml"), folder / "workbook-sheet.xml");
    ExpectGolden(WorkbookPart(workbook, "xl/sharedStrings.xml"), folder / "workbook-strings.xml");
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportGolden, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST(ExportRenderings, ACellsLineBreaksShowAsThePageShowsThem) {
    ExportContent content;
    content.block = ExportContent::Block::FinalSelection;
    content.pairs = {{"Description:", "one\rtwo\r\nthree\tfour"}};
    EXPECT_NE(RenderClipboardText(content).find("one\rtwo\r\nthree\tfour\r"), std::string::npos);
    EXPECT_NE(RenderTextFile(content).find("one\r\ntwo\r\nthree\tfour\r\n"), std::string::npos);
    EXPECT_NE(RenderSpreadsheetFile(content).find("Description:\tone two three four\r\n"),
              std::string::npos);
    EXPECT_NE(RenderHtml(content).find("<TD>one<BR>two<BR>three\tfour</TD>"), std::string::npos);
}

TEST(ExportRenderings, TheForeignCurrencyNoteComesOnlyWithAnotherCurrency) {
    ExportContent content;
    content.exchangeRateDate = "11/30/2026";
    for (const auto render :
         {RenderClipboardText, RenderTextFile, RenderSpreadsheetFile, RenderHtml}) {
        content.foreignCurrency = false;
        EXPECT_EQ(render(content).find("exchange rates as of"), std::string::npos);
        content.foreignCurrency = true;
        EXPECT_NE(render(content).find("exchange rates as of 11/30/2026"), std::string::npos);
    }
}

TEST(ExportContentOfAnOrder, IsTheOrderPageAsItShowsTheOrder) {
    Order order;
    order.Merge(
        {ItemLine::Parse("2|Each|P|a part|12.50|1|"), ItemLine::Parse("7.5|Feet|C|cable|2.05|3|")},
        "USD");
    const ExportContent content = OrderExportContent(order);
    EXPECT_EQ(content.headings, (StringList{"Qty.", "UOM", "Part Number", "Description",
                                            "Price (USD)", "Extended (USD)"}));
    const std::vector<StringList> rows = RowsOf(content);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (StringList{"7.5", "Feet", "C", "cable", "2.05", "15.38"}));
    EXPECT_EQ(content.total.label, "Order Total (USD):");
    EXPECT_EQ(content.total.value, "40.38");
}

}  // namespace
