#include "output/ListOfMaterials.h"

#include <algorithm>

namespace quill {

namespace {

const char* const kTitleFace = "Times New Roman";
const char* const kRowFace = "Arial";
const char* const kCompany = "Orlenk Corporation";

constexpr int kHeadingsY = 165;
constexpr int kFirstRowY = 175;
constexpr int kCustomerY = 110;  // the customer block begins under the title's rule
constexpr int kCustomerLine = 22;
constexpr int kCustomerGap = 12;
constexpr int kRowHeight = 75;
constexpr int kRowSpacing = 10;
constexpr int kLastRowStart = 950;  // a row ending further down starts a new page

// The six boxes of a row: left, right, and whether the text is right-aligned.
// The unit's box reaches to 180, not 160, so that "Meters" fits whole; the
// part number starts at 185.
struct Box {
    int left, right;
    bool alignRight;
};
constexpr Box kBoxes[] = {{50, 110, true},   {125, 180, false}, {185, 285, false},
                          {310, 585, false}, {610, 675, true},  {700, 800, true}};

// Measures nothing and draws nothing: the count pass only needs the pages.
class CountingSurface : public DrawingSurface {
  public:
    void SetFont(const std::string&, int, bool) override {}
    void SetBold(bool) override {}
    void SetPenWidth(int) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void DrawText(int, int, const std::string&) override {}
    int DrawTextInBox(int, int, int, int, const std::string&, bool) override { return 0; }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void NewPage() override {}
};

void RowFont(TEZPrint& print, int page) {
    print.Canvas().SetFont(kRowFace, print.ScaleY(page == 1 ? 15 : 16), false);
}

}  // namespace

std::string PageText(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

void PrintPageFrame(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText) {
    DrawingSurface& canvas = print.Canvas();
    canvas.SetPenWidth(print.ScaleX(2));
    canvas.SetFont(kTitleFace, print.ScaleY(50), false);
    print.TextAt(50, 30, list.title);
    print.Line(50, 100, 800, 100);
    print.Line(50, 1050, 800, 1050);
    canvas.SetFont(kTitleFace, print.ScaleY(14), true);
    print.TextAt(50, 1060, kCompany);
    print.TextCentredAt(425, 1060, list.webAddress);
    print.TextRightAt(800, 1060, pageText);
    canvas.SetBold(false);
}

void PrintPageHeader(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText,
                     int lower) {
    PrintPageFrame(print, list, pageText);
    print.Canvas().SetFont(kRowFace, print.ScaleY(16), true);
    const int y = kHeadingsY + lower;
    print.TextAligned(110, y, "Quantity", 2, 2);
    print.TextAligned(125, y, "UOM", 0, 2);
    print.TextAligned(185, y, "Part No.", 0, 2);
    print.TextAligned(310, y, "Description", 0, 2);
    print.TextAligned(675, y, "Price (" + list.currency + ")", 2, 2);
    print.TextAligned(800, y, "Extended (" + list.currency + ")", 2, 2);
    print.Canvas().SetBold(false);
}

int PrintCustomerBlock(TEZPrint& print, const ListOfMaterials& list) {
    const StringList order = list.details.FilledLines(0, OrderDetails::kInHeader);
    const StringList site = list.details.FilledLines(OrderDetails::kInHeader, OrderDetails::kCount);
    const std::size_t lines = std::max(order.size(), site.size());
    if (lines == 0) return 0;
    print.Canvas().SetFont(kRowFace, print.ScaleY(14), false);
    for (std::size_t i = 0; i < lines; ++i) {
        const int y = kCustomerY + static_cast<int>(i) * kCustomerLine;
        if (i < order.size()) print.TextInBox(50, y, 415, y + kCustomerLine, order[i], false);
        if (i < site.size()) print.TextInBox(435, y, 800, y + kCustomerLine, site[i], false);
    }
    return static_cast<int>(lines) * kCustomerLine + kCustomerGap;
}

int PrintOrderRow(TEZPrint& print, int y, const ListOfMaterials& list, std::size_t row) {
    const StringList& cells = list.rows.at(row);
    for (std::size_t column = 0; column < std::size(kBoxes); ++column) {
        const Box& box = kBoxes[column];
        const std::string text = column < cells.size() ? cells[column] : std::string();
        print.TextInBox(box.left, y, box.right, y + kRowHeight, text, box.alignRight);
    }
    return y + kRowHeight;
}

int PrintOrderTotal(TEZPrint& print, int y, const ListOfMaterials& list) {
    print.Line(610, y, 800, y);
    print.Canvas().SetBold(true);
    print.TextInBox(520, y + 10, 690, y + 85, "TOTAL (" + list.currency + "): ", true);
    print.Canvas().SetBold(false);
    print.TextInBox(700, y + 10, 800, y + 85, list.total, true);
    return y + 85;
}

int PrintListOfMaterials(TEZPrint& print, const ListOfMaterials& list, int pageCount) {
    int page = 1;
    const int lower = PrintCustomerBlock(print, list);
    PrintPageHeader(print, list, PageText(page, pageCount), lower);
    RowFont(print, page);
    int y = kFirstRowY + lower;
    // The check follows every row: after a page's tenth row a new page begins
    // even when no row follows, and the total then stands alone on it.
    for (std::size_t row = 0; row < list.rows.size(); ++row) {
        y = PrintOrderRow(print, y, list, row) + kRowSpacing;
        if (y > kLastRowStart) {
            if (pageCount != 0) print.Canvas().NewPage();
            ++page;
            PrintPageHeader(print, list, PageText(page, pageCount));
            RowFont(print, page);
            y = kFirstRowY;
        }
    }
    PrintOrderTotal(print, y, list);
    return page;
}

int CountPrintedPages(const ListOfMaterials& list, double scale) {
    CountingSurface offscreen;
    TEZPrint print(offscreen, scale, scale);
    return PrintListOfMaterials(print, list, 0);
}

int PrintWholeList(DrawingSurface& surface, int pageWidth, const ListOfMaterials& list) {
    const double scale = pageWidth / 850.0;
    const int pages = CountPrintedPages(list, scale);
    TEZPrint print(surface, scale, scale);
    return PrintListOfMaterials(print, list, pages);
}

}  // namespace quill
