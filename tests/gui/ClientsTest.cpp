// The exports as the programs a customer uses read them: LibreOffice Calc
// opens the spreadsheet file, Chromium the HTML document, and a PDF reader's
// text extraction the printed list of materials. Each test skips, saying
// why, only when its program is not installed; ./test.sh installs them.

#include <xlsxwriter.h>

#include <QAction>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "../support/Files.h"
#include "../support/RunCommand.h"
#include "OrderFixture.h"
#include "output/ExportContent.h"
#include "platform/AtomicSave.h"

namespace wizard {
namespace {

using Table = std::vector<std::vector<std::string>>;

bool Installed(const std::string& program) {
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}

std::string Output(const std::string& command) { return RunCommand(command).output; }

std::string Quoted(const fs::path& path) { return ::Quoted(path.string()); }

void Replace(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

// The rows Calc reads from a tab-separated ".xls" file (or, without an input
// filter, a workbook), written back as tab-separated UTF-8 with quoted texts;
// rows without a filled cell are left out. With `keepQuotes` a text keeps
// its quotes, so that a number can be told from a text.
const std::string kTextFilter = "--infilter='Text - txt - csv (StarCalc):9,34,1,1'";

Table CalcRows(const fs::path& file, const fs::path& work,
               const std::string& inputFilter = kTextFilter, bool keepQuotes = false) {
    const std::string command =
        "cd " + Quoted(work) + " && libreoffice --headless -env:UserInstallation=file://" +
        (work / "profile").string() + " " + inputFilter +
        " --convert-to 'csv:Text - txt - csv (StarCalc):9,34,76,1' --outdir " +
        Quoted(work / "out") + " " + Quoted(file) + " > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    Table rows;
    std::string line;
    std::istringstream text(ReadBytes(work / "out" / (file.stem().string() + ".csv")));
    while (std::getline(text, line)) {
        std::vector<std::string> cells;
        bool filled = false;
        for (std::string cell : quill::SplitFields(line, "\t")) {
            if (!keepQuotes && cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
                cell = cell.substr(1, cell.size() - 2);
                Replace(cell, "\"\"", "\"");
            }
            filled = filled || !cell.empty();
            cells.push_back(cell);
        }
        while (!cells.empty() && cells.back().empty()) cells.pop_back();
        if (filled) rows.push_back(cells);
    }
    return rows;
}

// The cells of every table row Chromium builds from an HTML file, taken from
// the document it has parsed; a line break in a cell reads as CR.
Table BrowserRows(const fs::path& file, const fs::path& work) {
    std::string dom = Output(
        "chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync "
        "--user-data-dir=" +
        Quoted(work / "chromium") + " --dump-dom " + Quoted("file://" + file.string()) +
        " 2> /dev/null");
    Table rows;
    for (std::size_t at = 0; (at = dom.find("<tr>", at)) != std::string::npos;) {
        const std::size_t end = dom.find("</tr>", at);
        const std::string row = dom.substr(at, end - at);
        at = end;
        std::vector<std::string> cells;
        for (std::size_t td = 0; (td = row.find("<td>", td)) != std::string::npos;) {
            const std::size_t close = row.find("</td>", td);
            std::string cell = row.substr(td + 4, close - td - 4);
            td = close;
            Replace(cell, "<br>", "\r");
            for (const char* tag : {"<b>", "</b>"}) Replace(cell, tag, "");
            for (const auto& [entity, character] :
                 {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""},
                  std::pair{"&amp;", "&"}})
                Replace(cell, entity, character);
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

std::vector<std::string> GridRow(const Grid* grid, int row, int columns) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(S(grid->Cell(column, row)));
    return cells;
}

// Calc reads "38.00" as the number 38 and writes it back so: a number is
// compared by its value, a text as it stands.
std::vector<std::string> AsCalcHolds(std::vector<std::string> cells) {
    for (std::string& cell : cells) {
        double value = 0;
        if (quill::TryStrToFloat(cell, value)) cell = quill::FloatToText(value);
    }
    return cells;
}

class Clients : public OrderFixture {
  protected:
    // An order whose first description was edited to hold markup characters.
    void OrderWithMarkup() {
        shell.applications = {".xls"};
        Start();
        ToFinal();
        AddToOrder();
        Click(window->findChild<QPushButton*>("btnAdd"));
        ToPartsList("12.5");
        AddToOrder();
        TypeDescription(0, "Clamp <Type A> & \"N\"");
    }

    fs::path Export(QAction* command, const std::string& name) {
        const fs::path file = temp / name;
        fileDialogs.Choose(file);
        command->trigger();
        EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
        return file;
    }
};

TEST_F(Clients, CalcReadsTheFinalPageOneRowARow) {
    if (!Installed("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    shell.applications = {".xls"};
    Start();
    ToFinal();
    const Table rows = CalcRows(Export(ui().ToanMSExcelSpreadsheet1, "final.xls"), temp.Path());
    ASSERT_EQ(rows.size(), 12u);  // ten rows of the page, the reminder and the last update
    for (int row = 0; row < 10; ++row) {
        std::vector<std::string> expected = GridRow(ui().grdFinal, row, 2);
        std::replace(expected[1].begin(), expected[1].end(), '\r', ' ');
        EXPECT_EQ(AsCalcHolds(rows[row]), AsCalcHolds(expected)) << row;
    }
    EXPECT_EQ(rows[10][0], "Reminder:");
    EXPECT_EQ(rows[11][0], "Last Update:");
}

TEST_F(Clients, CalcReadsTheOrderAsTheGridShowsIt) {
    if (!Installed("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    OrderWithMarkup();
    const Table rows = CalcRows(Export(ui().ToanMSExcelSpreadsheet1, "order.xls"), temp.Path());
    const Grid* grid = Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid->RowCount()) + 4);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Qty.", "UOM", "Part Number", "Description",
                                                 "Price (USD)", "Extended (USD)"}));
    for (int row = 0; row < grid->RowCount(); ++row)
        EXPECT_EQ(AsCalcHolds(rows[row + 1]), AsCalcHolds(GridRow(grid, row, 6))) << row;
    const auto& total = rows[grid->RowCount() + 1];
    EXPECT_EQ(AsCalcHolds(total), AsCalcHolds({"", "Order Total (USD):", Total()}));
}

// Calc told to compute every formula of a workbook it opens, not to trust
// the results the file carries.
void RecalculatingCalcProfile(const fs::path& work) {
    fs::create_directories(work / "profile" / "user");
    std::ofstream(work / "profile" / "user" / "registrymodifications.xcu")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
           "<item oor:path=\"/org.openoffice.Office.Calc/Formula/Load\">"
           "<prop oor:name=\"OOXMLRecalcMode\" oor:op=\"fuse\"><value>0</value></prop></item>\n"
           "</oor:items>\n";
}

TEST_F(Clients, CalcComputesTheWorkbooksExtendedPricesAndTotalFromNumbers) {
    if (!Installed("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    OrderWithMarkup();
    RecalculatingCalcProfile(temp.Path());
    const Table rows =
        CalcRows(Export(ui().ToAnExcelWorkbook1, "order.xlsx"), temp.Path(), "", true);
    const Grid* grid = Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid->RowCount()) + 4);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"\"Qty.\"", "\"UOM\"", "\"Part Number\"", "\"Description\"",
                                        "\"Price (USD)\"", "\"Extended (USD)\""}));
    for (int row = 0; row < grid->RowCount(); ++row) {
        const std::vector<std::string> expected = GridRow(grid, row, 6);
        const std::vector<std::string>& read = rows[static_cast<std::size_t>(row) + 1];
        ASSERT_EQ(read.size(), 6u) << row;
        for (const int column : {0, 4, 5}) {  // numbers, unquoted, as the grid shows them
            EXPECT_NE(read[column].front(), '"') << row << " " << column;
            EXPECT_EQ(AsCalcHolds({read[column]}), AsCalcHolds({expected[column]}))
                << row << " " << column;
        }
        // A quantity shows as the order shows it: 1, 12.5, not 1.00.
        EXPECT_EQ(read[0], expected[0]) << row;
        std::string quoted = expected[3];
        Replace(quoted, "\"", "\"\"");
        EXPECT_EQ(read[3], "\"" + quoted + "\"");
    }
    const auto& total = rows[static_cast<std::size_t>(grid->RowCount()) + 1];
    ASSERT_EQ(total.size(), 6u);
    EXPECT_EQ(total[4], "\"Order Total (USD):\"");
    EXPECT_EQ(AsCalcHolds({total[5]}), AsCalcHolds({Total()}));
}

// Texts that a spreadsheet program would take for formulas, in an order made
// without the window: neither file lets Calc run one, and numbers stay numbers.
TEST(SpreadsheetTexts, CalcRunsNoFormulaFromAnOrdersTexts) {
    if (!Installed("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    TempDir temp;
    RecalculatingCalcProfile(temp.Path());
    quill::Order order;
    for (const char* line : {"1|Each|=1+1|+2+3|-5.00|4|", "2|Each|@SUM(1;2)|-A1| 1.50|4|",
                             "3|Each| =4+4|\t=HYPERLINK(\"x\")|2|4|"})
        order.Append(quill::ItemLine::Parse(line));
    const quill::ExportContent content = quill::OrderExportContent(order);
    const fs::path xls = temp.Path() / "formulas.xls", xlsx = temp.Path() / "formulas.xlsx";
    ASSERT_EQ(quill::SaveFileAtomically(xls, quill::RenderSpreadsheetFile(content)), "");
    ASSERT_EQ(quill::SaveFileAtomically(xlsx, quill::RenderWorkbook(content)), "");

    // Calc shows the ".xls" file's apostrophe: the cell is text as written.
    const std::vector<std::vector<std::string>> texts = {
        {"=1+1", "+2+3"}, {"@SUM(1;2)", "-A1"}, {"=4+4", "=HYPERLINK(\"x\")"}};
    for (const auto& [file, before] : {std::pair{xls, "'"}, std::pair{xlsx, ""}}) {
        const Table rows = CalcRows(file, temp.Path(), file == xls ? kTextFilter : "");
        ASSERT_GE(rows.size(), 4u) << file;
        for (std::size_t row = 0; row < texts.size(); ++row) {
            ASSERT_EQ(rows[row + 1].size(), 6u) << file << " " << row;
            for (std::size_t i = 0; i < 2; ++i)
                EXPECT_EQ(rows[row + 1][2 + i], before + texts[row][i]) << file << " " << row;
        }
        EXPECT_EQ(AsCalcHolds({rows[1][4], rows[2][4]}), AsCalcHolds({"-5.00", "1.50"})) << file;
    }
}

// The file says it is Windows-1252, so a customer's "ü" shows as "ü".
TEST_F(Clients, ChromiumReadsTheOrderWithItsMarkupAndAccentedCharactersAsText) {
    if (!Installed("chromium")) GTEST_SKIP() << "Chromium is not installed";
    OrderWithMarkup();
    TypeDescription(1, QString::fromUtf8("Kabel für Müller"));
    const Table rows = BrowserRows(Export(ui().ToanHTMLDocument1, "order.html"), temp.Path());
    const Grid* grid = Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid->RowCount()) + 4);
    for (int row = 0; row < grid->RowCount(); ++row)
        EXPECT_EQ(rows[row + 1], GridRow(grid, row, 6)) << row;
    EXPECT_EQ(rows[1][3], "Clamp <Type A> & \"N\"");
    EXPECT_EQ(rows[2][3], "Kabel f\u00fcr M\u00fcller");
    EXPECT_EQ(rows[grid->RowCount() + 1],
              (std::vector<std::string>{"", "Order Total (USD):", Total()}));
}

TEST_F(Clients, ChromiumShowsTheFinalDescriptionOnItsLines) {
    if (!Installed("chromium")) GTEST_SKIP() << "Chromium is not installed";
    Start();
    ToFinal();
    const Table rows = BrowserRows(Export(ui().ToanHTMLDocument1, "final.html"), temp.Path());
    ASSERT_GE(rows.size(), 10u);
    for (int row = 0; row < 10; ++row) EXPECT_EQ(rows[row], GridRow(ui().grdFinal, row, 2)) << row;
}

// A request as a German customer keeps it: a workbook with lengths of 1.5
// and 2.5 feet and a note with umlauts, saved by Calc under a German locale
// as CSV with semicolons (so with decimal commas), in UTF-8 without a mark
// and in Windows-1252, each read whole by Import Assemblies.
TEST_F(Clients, ARequestSavedAsCsvByAGermanCalcIsImported) {
    if (!Installed("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    ASSERT_NE(Output("locale -a").find("de_DE.utf8"), std::string::npos)
        << "the German locale is missing: ./test.sh makes it (localedef -i de_DE -f UTF-8 "
           "de_DE.UTF-8)";
    const fs::path workbook = temp / "request.xlsx";
    lxw_workbook* book = workbook_new(workbook.c_str());
    ASSERT_NE(book, nullptr);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* const header[] = {"Quantity",      "Application",      "Length",     "Unit",
                                  "Begin MHz",     "End MHz",          "Cable Type", "Cable",
                                  "Top Connector", "Bottom Connector", "Note"};
    for (lxw_col_t c = 0; c < 11; ++c) worksheet_write_string(sheet, 0, c, header[c], nullptr);
    const char* const row[] = {
        "Feet",     "800",           "2200",          "Foam Coaxial",
        "RVX4-50K", "7-16 DIN Male", "7-16 DIN Male", "M\u00fcller, Winkel 90\u00b0"};
    for (lxw_row_t r = 1; r <= 2; ++r) {
        worksheet_write_number(sheet, r, 0, r, nullptr);
        worksheet_write_string(sheet, r, 1, "Jumper", nullptr);
        worksheet_write_number(sheet, r, 2, r + 0.5, nullptr);  // 1.5 and 2.5 feet
        for (lxw_col_t c = 3; c < 11; ++c) worksheet_write_string(sheet, r, c, row[c - 3], nullptr);
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    Start();
    for (const char* encoding : {"76", "1"}) {  // UTF-8, Windows-1252
        SCOPED_TRACE(encoding);
        const fs::path out = temp / ("out" + std::string(encoding));
        const std::string command =
            "cd " + Quoted(temp.Path()) +
            " && LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 libreoffice --headless "
            "-env:UserInstallation=file://" +
            (temp / "profile").string() + " --convert-to 'csv:Text - txt - csv (StarCalc):59,34," +
            encoding + ",1' --outdir " + Quoted(out) + " " + Quoted(workbook) + " > /dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string csv = ReadBytes(out / "request.csv");
        ASSERT_NE(csv.find(";1,5;"), std::string::npos) << csv;  // as a German Calc writes it
        window->Book().NewOrder();
        messages.Reset();
        fileDialogs.Choose(out / "request.csv");
        window->findChild<QAction*>("ImportAssemblies1")->trigger();
        EXPECT_EQ(messages.Boxes(),
                  (Calls{{"information", "2 of 2 rows quoted and added to the order.\r"}}))
            << csv;
        ASSERT_EQ(Rows()->RowCount(), 2);
        EXPECT_EQ(RowTexts(0)[0], "1");
        EXPECT_EQ(RowTexts(0)[2], "J4V-DMDM-1.5");
        EXPECT_EQ(RowTexts(1)[0], "2");
        EXPECT_EQ(RowTexts(1)[2], "J4V-DMDM-2.5");
    }
}

TEST_F(Clients, APdfReaderFindsTheCustomerUnderTheTitleOfTheFirstPage) {
    if (!Installed("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::string items;
    for (int i = 1; i <= 40; ++i)  // two pages
        items += std::to_string(i) + "=1|Each||PN-" + std::to_string(100 + i) + "|part|9.50|\r\n";
    WriteOrder(temp / "customer.qrf", items,
               "Company Name=Nordic Towers AB\r\nJob Number=J-2026-114\r\nApp=Quillroute\r\n");
    Start({"OPEN", QString::fromStdString((temp / "customer.qrf").string())});
    const fs::path pdf = Export(ui().ToAPDFDocument1, "customer.pdf");
    const auto pages = quill::SplitFields(Output("pdftotext -layout " + Quoted(pdf) + " -"), "\f");
    ASSERT_EQ(pages.size(), 3u);
    const std::string& first = pages[0];
    const std::size_t title = first.find("Quillroute(TM) List of Materials");
    const std::size_t company = first.find("Company Name: Nordic Towers AB");
    const std::size_t headings = first.find("Quantity");
    EXPECT_TRUE(title < company && company < headings) << first;
    EXPECT_NE(first.find("Job Number: J-2026-114"), std::string::npos);
    EXPECT_EQ(pages[1].find("Company Name"), std::string::npos);
}

// Standard jumpers' descriptions of five lines and hyphenated part numbers
// over several pages in euros: a PDF reader finds every description whole
// (its Connector2 line too), every part number unbroken, each page's frame
// and the total on the last page.
TEST_F(Clients, APdfReaderFindsEveryLineWhole) {
    if (!Installed("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string description =
        "10 foot cable assembly, RVX4-50K, (1/2 in.) SPECIAL INSTRUCTIONS:  Connector1 = "
        "Plated 7-16 DIN Male with (N/A) inner contact attachment.   Connector2 = Plated 7-16 "
        "DIN Male with (N/A) inner contact attachment";
    std::string items;
    for (int i = 1; i <= 25; ++i)
        items += std::to_string(i) + "=" + std::to_string(i) + "|Each||J4V-DMDM-" +
                 std::to_string(i) + "M|" + (i % 2 ? description : "7-16 DIN Male connector") +
                 "|48.50|\r\n";
    WriteOrder(temp / "many.qrf", items, "App=Quillroute\r\nCurrency=EUR\r\n");
    Start({"OPEN", QString::fromStdString((temp / "many.qrf").string())});
    printer.pdf = temp / "printed.pdf";
    printer.Pick();
    ui().Print1->trigger();
    ASSERT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    // Raw order: the text as drawn, a description's lines one after another.
    const std::string text = Output("pdftotext -raw " + Quoted(printer.pdf) + " -");
    auto pages = quill::SplitFields(text, "\f");
    pages.pop_back();  // what follows the last form feed
    ASSERT_GE(pages.size(), 2u) << text;
    const std::string count = std::to_string(pages.size());
    std::string joined;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::string& content = pages[page];
        EXPECT_NE(content.find("Page " + std::to_string(page + 1) + " of " + count),
                  std::string::npos)
            << page;
        EXPECT_NE(content.find("Price\n(EUR)"), std::string::npos) << content;
        joined += content;
    }
    // The descriptions' lines joined, every run of spaces one space.
    const auto squeezed = [](const std::string& text) {
        std::istringstream words(text);
        std::string all;
        for (std::string word; words >> word;) all += (all.empty() ? "" : " ") + word;
        return all;
    };
    const std::string flowing = squeezed(joined);
    for (int i = 1; i <= 25; ++i)
        EXPECT_NE(joined.find("J4V-DMDM-" + std::to_string(i) + "M "), std::string::npos) << i;
    std::size_t whole = 0;
    for (std::size_t at = flowing.find(squeezed(description)); at != std::string::npos;
         at = flowing.find(squeezed(description), at + 1))
        ++whole;
    EXPECT_EQ(whole, 13u) << flowing;
    EXPECT_NE(pages.back().find("TOTAL (EUR): " + Total()), std::string::npos) << pages.back();
}

}  // namespace
}  // namespace wizard
