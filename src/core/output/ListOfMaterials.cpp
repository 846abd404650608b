#include "output/ListOfMaterials.h"

namespace quill {

namespace {

const char* const kTitleFace = "Times New Roman";
const char* const kRowFace = "Arial";
const char* const kCompany = "Orlenk Corporation";

constexpr int kFirstRowY = 175;
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

void PrintPageHeader(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText) {
    PrintPageFrame(print, list, pageText);
    print.Canvas().SetFont(kRowFace, print.ScaleY(16), true);
    print.TextAligned(110, 165, "Quantity", 2, 2);
    print.TextAligned(125, 165, "UOM", 0, 2);
    print.TextAligned(185, 165, "Part No.", 0, 2);
    print.TextAligned(310, 165, "Description", 0, 2);
    print.TextAligned(675, 165, "Price", 2, 2);
    print.TextAligned(800, 165, "Extended", 2, 2);
    print.Canvas().SetBold(false);
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

int PrintOrderTotal(TEZPrint& print, int y, const std::string& total) {
    print.Line(610, y, 800, y);
    print.Canvas().SetBold(true);
    print.TextInBox(610, y + 10, 675, y + 85, "TOTAL: ", true);
    print.Canvas().SetBold(false);
    print.TextInBox(700, y + 10, 800, y + 85, total, true);
    return y + 85;
}

int PrintListOfMaterials(TEZPrint& print, const ListOfMaterials& list, int pageCount) {
    int page = 1;
    PrintPageHeader(print, list, PageText(page, pageCount));
    RowFont(print, page);
    int y = kFirstRowY;
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
    PrintOrderTotal(print, y, list.total);
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
