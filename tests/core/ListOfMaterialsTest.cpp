#include <gtest/gtest.h>

#include <algorithm>

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
    pages = PrintListOfMaterials(print, list, CountPrintedPages(list, 1));
    return Pages(surface);
}

TEST(ListOfMaterials, AnEmptyOrderIsOnePageWithTheTotalUnderTheHeadings) {
    int pages = 0;
    const auto printed = Printed(ListOf(0), pages);
    EXPECT_EQ(pages, 1);
    ASSERT_EQ(printed.size(), 1u);
    const auto& page = printed[0];
    EXPECT_TRUE(Has(page, "text 50 30 Quillroute(TM) List of Materials"));
    EXPECT_TRUE(Has(page, "font Times New Roman 50"));
    EXPECT_TRUE(Has(page, "move 50 100") && Has(page, "line 800 100"));
    EXPECT_TRUE(Has(page, "move 50 1050") && Has(page, "line 800 1050"));
    EXPECT_TRUE(Has(page, "text 50 1060 Orlenk Corporation"));
    EXPECT_TRUE(Has(page, "text 335 1060 www.orlenk.example"));  // centred on 425: 180 wide
    EXPECT_TRUE(Has(page, "text 690 1060 Page 1 of 1"));         // ends at 800
    // Headings sit on y = 165: the recording's text is 20 high.
    EXPECT_TRUE(Has(page, "text 30 145 Quantity"));
    EXPECT_TRUE(Has(page, "text 310 145 Description"));
    EXPECT_TRUE(Has(page, "text 660 145 Extended (USD)"));  // the currency named
    EXPECT_TRUE(Has(page, "move 610 175") && Has(page, "line 800 175"));
    EXPECT_TRUE(Has(page, "box 520 185 690 260 right TOTAL (USD): "));
    EXPECT_TRUE(Has(page, "box 700 185 800 260 right 1234.50"));
}

TEST(ListOfMaterials, RowsFillTheirSixBoxesEightyFiveApart) {
    int pages = 0;
    const auto printed = Printed(ListOf(2), pages);
    const auto& page = printed[0];
    EXPECT_TRUE(Has(page, "box 50 175 110 250 right 1"));
    EXPECT_TRUE(Has(page, "box 125 175 180 250 left Each"));
    EXPECT_TRUE(Has(page, "box 185 175 285 250 left PN-1"));
    EXPECT_TRUE(Has(page, "box 310 175 585 250 left a part"));
    EXPECT_TRUE(Has(page, "box 610 175 675 250 right 10.00"));
    EXPECT_TRUE(Has(page, "box 700 175 800 250 right 10.00"));
    EXPECT_TRUE(Has(page, "box 185 260 285 335 left PN-2"));
    EXPECT_TRUE(Has(page, "move 610 345"));  // the total follows the second row
    EXPECT_TRUE(Has(page, "font Arial 15"));
}

struct PagingCase {
    int rows;
    std::vector<int> rowsPerPage;  // the total is on the last page
};

class ListOfMaterialsPaging : public ::testing::TestWithParam<PagingCase> {};

TEST_P(ListOfMaterialsPaging, TenRowsAPageAndTheTotalAfterTheLast) {
    const PagingCase& c = GetParam();
    int pages = 0;
    const auto printed = Printed(ListOf(c.rows), pages);
    ASSERT_EQ(pages, static_cast<int>(c.rowsPerPage.size()));
    ASSERT_EQ(printed.size(), c.rowsPerPage.size());
    EXPECT_EQ(CountPrintedPages(ListOf(c.rows), 1), pages);
    for (std::size_t p = 0; p < printed.size(); ++p) {
        const auto& page = printed[p];
        const std::string pageText =
            "Page " + std::to_string(p + 1) + " of " + std::to_string(pages);
        EXPECT_TRUE(Has(page, "text " +
                                  std::to_string(800 - 10 * static_cast<int>(pageText.size())) +
                                  " 1060 " + pageText))
            << p;
        EXPECT_EQ(Count(page, "box 185 "), c.rowsPerPage[p]) << p;  // the part-number boxes
        EXPECT_EQ(Count(page, "box 520 "), p + 1 == printed.size() ? 1 : 0);  // the total
        EXPECT_TRUE(Has(page, p == 0 ? "font Arial 15" : "font Arial 16")) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, ListOfMaterialsPaging,
                         ::testing::Values(PagingCase{1, {1}}, PagingCase{9, {9}},
                                           PagingCase{10, {10, 0}}, PagingCase{11, {10, 1}},
                                           PagingCase{25, {10, 10, 5}},
                                           PagingCase{30, {10, 10, 10, 0}}));

TEST(ListOfMaterials, TheCustomerBlockStandsUnderTheTitleOfTheFirstPageOnly) {
    ListOfMaterials list = ListOf(12);
    list.details.values[0] = "Nordic Towers AB";  // the order's column
    list.details.values[2] = "12/08/2026";
    list.details.values[7] = "Uppsala";  // the site's column
    int pages = 0;
    const auto printed = Printed(list, pages);
    ASSERT_EQ(pages, 2);
    const auto& first = printed[0];
    EXPECT_TRUE(Has(first, "box 50 110 415 132 left Company Name: Nordic Towers AB"));
    EXPECT_TRUE(Has(first, "box 50 132 415 154 left Date: 12/08/2026"));
    EXPECT_TRUE(Has(first, "box 435 110 800 132 left Ship To City: Uppsala"));
    // Two lines lower everything on the first page by 56: headings, rows.
    EXPECT_TRUE(Has(first, "text 30 201 Quantity"));
    EXPECT_TRUE(Has(first, "box 185 231 285 306 left PN-1"));
    EXPECT_EQ(Count(first, "box 185 "), 9);  // one row fewer fits
    EXPECT_EQ(Count(printed[1], "box 50 110 "), 0);
    EXPECT_TRUE(Has(printed[1], "text 30 145 Quantity"));
    EXPECT_EQ(CountPrintedPages(list, 1), pages);

    // Without details the page is as it always was.
    int plainPages = 0;
    const auto plain = Printed(ListOf(12), plainPages);
    EXPECT_EQ(Count(plain[0], "box 185 "), 10);
    EXPECT_EQ(Count(plain[0], "box 50 110 "), 0);
}

TEST(ListOfMaterials, AThousandPagesCountAsTheyPrint) {
    EXPECT_EQ(CountPrintedPages(ListOf(5000), 6.0), 501);
    EXPECT_EQ(CountPrintedPages(ListOf(4999), 6.0), 500);
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
