#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "RecordingSurface.h"
#include "output/ListOfMaterials.h"

using namespace quill;
using quill::fakes::RecordingSurface;

namespace {

ListOfMaterials ListOf(int rows) {
    ListOfMaterials list;
    list.webAddress = "www.orlenk.example";
    list.total = "1234.50";
    for (int i = 1; i <= rows; ++i)
        list.rows.push_back(
            {std::to_string(i), "Each", "PN-" + std::to_string(i), "a part", "10.00", "10.00"});
    return list;
}

// The calls of each page, split where a new page begins.
std::vector<std::vector<std::string>> Pages(const RecordingSurface& surface) {
    std::vector<std::vector<std::string>> pages(1);
    for (const std::string& call : surface.calls) {
        if (call == "page")
            pages.emplace_back();
        else
            pages.back().push_back(call);
    }
    return pages;
}

int Count(const std::vector<std::string>& calls, const std::string& prefix) {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& call) {
        return call.rfind(prefix, 0) == 0;
    }));
}

bool Has(const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Scale 1: logical units are device units.
std::vector<std::vector<std::string>> Printed(const ListOfMaterials& list, int& pages) {
    RecordingSurface surface;
    TEZPrint print(surface, 1, 1);
    RecordingSurface measure;
    pages = PrintListOfMaterials(print, list, CountPrintedPages(measure, list, 1));
    return Pages(surface);
}

// A description of that many lines: words of 30 characters take a line each
// in both row fonts.
std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + std::string(30, 'a' + i % 26);
    return text;
}

// The lower edge of a recorded box ("box left top right bottom ...").
int BoxBottom(const std::string& call) {
    std::istringstream fields(call.substr(4));
    int left = 0, top = 0, right = 0, bottom = 0;
    fields >> left >> top >> right >> bottom;
    return bottom;
}

TEST(ListOfMaterials, AnEmptyOrderIsOnePageWithItsHeadingsInsideTheFrame) {
    int pages = 0;
    const auto printed = Printed(ListOf(0), pages);
    EXPECT_EQ(pages, 1);
    ASSERT_EQ(printed.size(), 1u);
    const auto& page = printed[0];
    EXPECT_TRUE(Has(page, "text 50 30 Quillroute(TM) List of Materials"));
    EXPECT_TRUE(Has(page, "move 50 100") && Has(page, "line 800 100"));
    EXPECT_TRUE(Has(page, "move 50 1050") && Has(page, "line 800 1050"));
    EXPECT_TRUE(Has(page, "text 50 1060 Orlenk Corporation"));
    EXPECT_TRUE(Has(page, "text 362 1060 www.orlenk.example"));  // centred on 425: 18 x 7
    EXPECT_TRUE(Has(page, "text 723 1060 Page 1 of 1"));         // ends at 800
    // Bold 16 headings end on y = 165. "Quantity" (64 wide) is wider than its
    // column and starts at the frame; the prices name the currency under them.
    EXPECT_TRUE(Has(page, "text 50 145 Quantity"));
    EXPECT_TRUE(Has(page, "text 310 145 Description"));
    EXPECT_TRUE(Has(page, "text 635 125 Price") && Has(page, "text 635 145 (USD)"));
    EXPECT_TRUE(Has(page, "text 736 125 Extended") && Has(page, "text 760 145 (USD)"));
    EXPECT_TRUE(Has(page, "move 610 175") && Has(page, "line 800 175"));
    EXPECT_TRUE(Has(page, "box 520 185 690 206 right TOTAL (USD): "));
    EXPECT_TRUE(Has(page, "text 748 185 1234.50"));  // one line, ends at 800
}

TEST(ListOfMaterials, ARowIsAsHighAsItsTextAndNoPartNumberOrAmountIsBroken) {
    ListOfMaterials list = ListOf(0);
    list.rows = {{"2", "Each", "PN-1", Lines(3), "148.50", "297.00"},
                 {"1", "Feet", "PN-2", "a part", "1234567.89", "1234567.89"}};
    int pages = 0;
    auto printed = Printed(list, pages);
    const auto& page = printed[0];
    EXPECT_TRUE(Has(page, "font Arial 15"));
    EXPECT_TRUE(Has(page, "text 103 175 2"));     // one line, right-aligned at 110
    EXPECT_TRUE(Has(page, "text 185 175 PN-1"));  // one line, never wrapped
    EXPECT_TRUE(Has(page, "box 310 175 585 236 left " + Lines(3)));  // three lines of 20
    EXPECT_TRUE(Has(page, "box 125 245 180 266 left Feet"));         // the next row, 10 below
    // An amount wider than its column (75 in 65) is set smaller, then the font is back.
    const auto price = std::find(page.begin(), page.end(), "text 610 245 1234567.89");
    ASSERT_NE(price, page.end());
    EXPECT_EQ(*(price - 1), "font Arial 13");
    EXPECT_EQ(*(price + 1), "font Arial 15");

    // The part number's column widens to the longest one (13 x 8 at 16) and
    // the description starts 25 further on; one wider than 160 is set smaller.
    list.rows = {{"1", "Each", "F4DMRA-PV-101", "a part", "1.00", "1.00"}};
    EXPECT_TRUE(Has(Printed(list, pages)[0], "text 315 145 Description"));
    list.rows.push_back({"1", "Each", std::string(25, 'P'), "a part", "1.00", "1.00"});
    printed = Printed(list, pages);
    EXPECT_TRUE(Has(printed[0], "box 370 175 585 196 left a part"));
    const auto wide =
        std::find(printed[0].begin(), printed[0].end(), "text 185 205 " + std::string(25, 'P'));
    ASSERT_NE(wide, printed[0].end());
    EXPECT_EQ(*(wide - 1), "font Arial 12");  // 25 x 6 = 150 fits in 160
}

struct PagingCase {
    const char* name;
    std::vector<int> lines;        // the description's lines, a row each
    std::vector<int> rowsPerPage;  // the total is on the last page
};

class ListOfMaterialsPaging : public ::testing::TestWithParam<PagingCase> {};

// A page break falls between rows: every box ends above the lower rule, and
// the count pass finds the pages the print lays out.
TEST_P(ListOfMaterialsPaging, PagesBreakBetweenRowsAndTheTotalComesLast) {
    const PagingCase& c = GetParam();
    ListOfMaterials list = ListOf(0);
    for (std::size_t i = 0; i < c.lines.size(); ++i)
        list.rows.push_back(
            {"1", "Each", "PN-" + std::to_string(i + 1), Lines(c.lines[i]), "10.00", "10.00"});
    int pages = 0;
    const auto printed = Printed(list, pages);
    ASSERT_EQ(pages, static_cast<int>(c.rowsPerPage.size()));
    ASSERT_EQ(printed.size(), c.rowsPerPage.size());
    int row = 0;
    for (std::size_t p = 0; p < printed.size(); ++p) {
        const auto& page = printed[p];
        const std::string pageText =
            "Page " + std::to_string(p + 1) + " of " + std::to_string(pages);
        EXPECT_TRUE(Has(page, "text " +
                                  std::to_string(800 - 7 * static_cast<int>(pageText.size())) +
                                  " 1060 " + pageText))
            << p;
        EXPECT_EQ(Count(page, "box 310 "), c.rowsPerPage[p]) << p;  // the descriptions
        if (c.rowsPerPage[p] > 0) {  // the page's first row is the next one in the order
            EXPECT_TRUE(Has(page, "text 185 175 PN-" + std::to_string(row + 1))) << p;
        }
        row += c.rowsPerPage[p];
        EXPECT_EQ(Count(page, "box 520 "), p + 1 == printed.size() ? 1 : 0);  // the total
        EXPECT_TRUE(Has(page, p == 0 ? "font Arial 15" : "font Arial 16")) << p;
        for (const std::string& call : page) {
            if (call.rfind("box ", 0) == 0) {
                EXPECT_LE(BoxBottom(call), 1041) << call;
            }
        }
    }
}

// Rows of one line are 30 apart from 175: 29 fit above 1040; the total needs
// 30 more. A row taller than a page is cut at its foot.
INSTANTIATE_TEST_SUITE_P(
    Orders, ListOfMaterialsPaging,
    ::testing::Values(PagingCase{"OneRow", {1}, {1}},
                      PagingCase{"TheTotalFits", std::vector<int>(27, 1), {27}},
                      PagingCase{"TheTotalMovesOn", std::vector<int>(28, 1), {28, 0}},
                      PagingCase{"ThreePages", std::vector<int>(70, 1), {29, 29, 12}},
                      PagingCase{"ATallRowMovesWhole", {40, 5, 1}, {1, 2}},
                      PagingCase{"ARowTallerThanAPage", {60, 1}, {1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListOfMaterials, TheCustomerBlockStandsUnderTheTitleOfTheFirstPageOnly) {
    ListOfMaterials list = ListOf(40);
    list.details.values[0] = "Nordic Towers AB";  // the order's column
    list.details.values[2] = "12/08/2026";
    list.details.values[7] = "Uppsala";  // the site's column
    int pages = 0;
    const auto printed = Printed(list, pages);
    ASSERT_EQ(pages, 2);
    const auto& first = printed[0];
    EXPECT_TRUE(Has(first, "box 50 110 415 131 left Company Name: Nordic Towers AB"));
    EXPECT_TRUE(Has(first, "box 50 130 415 151 left Date: 12/08/2026"));
    EXPECT_TRUE(Has(first, "box 435 110 800 131 left Ship To City: Uppsala"));
    // Two lines and a gap lower everything on the first page by 52.
    EXPECT_TRUE(Has(first, "text 50 197 Quantity"));
    EXPECT_TRUE(Has(first, "text 185 227 PN-1"));
    EXPECT_EQ(Count(first, "box 310 "), 27);  // two rows fewer fit
    EXPECT_EQ(Count(printed[1], "box 50 110 "), 0);
    EXPECT_TRUE(Has(printed[1], "text 50 145 Quantity"));
}

TEST(ListOfMaterials, TheCountAtAPrintersScaleMatchesThePrint) {
    for (const int rows : {100, 5000}) {
        ListOfMaterials list = ListOf(rows);
        for (int i = 0; i < rows; i += 7) list.rows[i][3] = Lines(i % 5 + 1);
        RecordingSurface measure, device;
        const int counted = CountPrintedPages(measure, list, 6.0);
        TEZPrint print(device, 6.0, 6.0);
        EXPECT_EQ(PrintListOfMaterials(print, list, counted), counted) << rows;
        EXPECT_EQ(Count(device.calls, "page"), counted - 1) << rows;
    }
}

TEST(EZPrint, ScalesRoundHalvesToTheEvenNeighbour) {
    RecordingSurface surface;
    const TEZPrint half(surface, 0.5, 0.5);
    EXPECT_EQ(half.ScaleY(15), 8);  // 7.5
    EXPECT_EQ(half.ScaleY(5), 2);   // 2.5
    EXPECT_EQ(half.ScaleX(3), 2);   // 1.5
    EXPECT_EQ(half.ScaleX(7), 4);   // 3.5
    EXPECT_EQ(half.ScaleX(4), 2);
    const TEZPrint printer(surface, 4960.0 / 850,
                           4960.0 / 850);  // 600 dpi, a quarter inch each side
    EXPECT_EQ(printer.ScaleY(1100), 6419);
    EXPECT_EQ(printer.ScaleX(2), 12);
}

TEST(EZPrint, AlignedTextMovesByHalfItsSizeRoundedTowardZero) {
    RecordingSurface surface;
    TEZPrint print(surface, 1, 1);
    print.TextAligned(100, 100, "abc", 1, 1);  // 30 wide, 20 high
    print.TextCentredAt(100, 50, "abcde");     // 50 wide: 25 to the left
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"text 85 90 abc", "text 75 50 abcde"}));
}

}  // namespace
