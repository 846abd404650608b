#include "output/ListOfMaterials.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quill {

namespace {

const char* const kTitleFace = "Times New Roman";
const char* const kRowFace = "Arial";
const char* const kCompany = "Orlenk Corporation";

constexpr double kFrameLeft = 50;
constexpr double kHeadingsY = 165;  // the headings' lower edge
constexpr double kFirstRowY = 175;
constexpr double kCustomerY = 110;  // the customer block begins under the title's rule
constexpr double kCustomerGap = 12;
constexpr double kRowGap = 10;
constexpr double kRowsEnd = 1040;  // rows and the total end above the lower rule at 1050
constexpr double kTotalGap = 10;   // from the total's rule to its text

// The part number's column starts at 185 and is as wide as the list's longest
// part number, from 100 to 160; the description takes what is left up to 585.
constexpr double kPartLeft = 185;
constexpr double kPartNarrowest = 100;
constexpr double kPartWidest = 160;
constexpr double kColumnGap = 25;
constexpr double kDescriptionRight = 585;

// A cell either wraps at word boundaries inside its box (the unit and the
// description) or stands on one line, set smaller when it is wider than its
// box, so that a part number or an amount is never broken.
enum class Fit { kWrap, kOneLine };
struct Box {
    double left, right;
    bool alignRight;
    Fit fit;
};
using Columns = std::array<Box, 6>;

// Measures with the device's fonts and draws nothing: the count pass lays the
// pages out exactly as the print pass will.
class MeasuringSurface : public DrawingSurface {
  public:
    explicit MeasuringSurface(DrawingSurface& device) : device_(device) {}
    void SetFont(const std::string& face, int height, bool bold) override {
        device_.SetFont(face, height, bold);
    }
    void SetBold(bool bold) override { device_.SetBold(bold); }
    void SetPenWidth(int) override {}
    int TextWidth(const std::string& text) override { return device_.TextWidth(text); }
    int TextHeight(const std::string& text) override { return device_.TextHeight(text); }
    int WrappedTextHeight(int width, const std::string& text) override {
        return device_.WrappedTextHeight(width, text);
    }
    void DrawText(int, int, const std::string&) override {}
    int DrawTextInBox(int, int, int, int, const std::string&, bool) override { return 0; }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void NewPage() override {}

  private:
    DrawingSurface& device_;
};

int RowFontHeight(const TEZPrint& print, int page) { return print.ScaleY(page == 1 ? 15 : 16); }

void RowFont(TEZPrint& print, int page) {
    print.Canvas().SetFont(kRowFace, RowFontHeight(print, page), false);
}

const std::string& Cell(const StringList& cells, std::size_t column) {
    static const std::string none;
    return column < cells.size() ? cells[column] : none;
}

// Measured in the larger of the two row fonts, so every page has the same columns.
Columns ColumnsFor(TEZPrint& print, const ListOfMaterials& list) {
    RowFont(print, 2);
    double longest = 0;
    for (const StringList& cells : list.rows)
        longest = std::max(longest, print.TextWidth(Cell(cells, 2)));
    const double partRight =
        kPartLeft + std::clamp(std::ceil(longest) + 1, kPartNarrowest, kPartWidest);
    return {{{kFrameLeft, 110, true, Fit::kOneLine},
             {125, 180, false, Fit::kWrap},
             {kPartLeft, partRight, false, Fit::kOneLine},
             {partRight + kColumnGap, kDescriptionRight, false, Fit::kWrap},
             {610, 675, true, Fit::kOneLine},
             {700, 800, true, Fit::kOneLine}}};
}

double RowHeight(TEZPrint& print, const Columns& columns, const StringList& cells) {
    double height = print.LineHeight();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const Box& box = columns[column];
        if (box.fit == Fit::kWrap)
            height =
                std::max(height, print.WrappedHeight(box.left, box.right, Cell(cells, column)));
    }
    return std::ceil(height);
}

void OneLineInBox(TEZPrint& print, const Box& box, double y, const std::string& text,
                  int fontHeight) {
    DrawingSurface& canvas = print.Canvas();
    const int room = print.ScaleX(box.right) - print.ScaleX(box.left);
    int height = fontHeight;
    for (int width = canvas.TextWidth(text); width > room && height > 1;
         width = canvas.TextWidth(text)) {
        height = std::max(1, std::min(height - 1, static_cast<int>(static_cast<long long>(height) *
                                                                   room / width)));
        canvas.SetFont(kRowFace, height, false);
    }
    if (box.alignRight)
        print.TextRightAt(box.right, y, text);
    else
        print.TextAt(box.left, y, text);
    if (height != fontHeight) canvas.SetFont(kRowFace, fontHeight, false);
}

// A row taller than a whole page (a description of many hundred words) is
// cut at the page's foot.
void PrintOrderRow(TEZPrint& print, double y, double height, const Columns& columns,
                   const StringList& cells, int fontHeight) {
    const double bottom = y + std::min(height, kRowsEnd - y) + 1;  // a unit for the rounding
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const Box& box = columns[column];
        if (box.fit == Fit::kWrap)
            print.TextInBox(box.left, y, box.right, bottom, Cell(cells, column), box.alignRight);
        else
            OneLineInBox(print, box, y, Cell(cells, column), fontHeight);
    }
}

void PrintPageFrame(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText) {
    DrawingSurface& canvas = print.Canvas();
    canvas.SetPenWidth(print.ScaleX(2));
    canvas.SetFont(kTitleFace, print.ScaleY(50), false);
    print.TextAt(kFrameLeft, 30, list.title);
    print.Line(kFrameLeft, 100, 800, 100);
    print.Line(kFrameLeft, 1050, 800, 1050);
    canvas.SetFont(kTitleFace, print.ScaleY(14), true);
    print.TextAt(kFrameLeft, 1060, kCompany);
    print.TextCentredAt(425, 1060, list.webAddress);
    print.TextRightAt(800, 1060, pageText);
    canvas.SetBold(false);
}

// The headings end on one line; the price's and the extended price's name
// their currency on a second line under them, so the two never run together,
// and "Quantity" starts at the frame where it is wider than its column.
void PrintPageHeader(TEZPrint& print, const ListOfMaterials& list, const Columns& columns,
                     const std::string& pageText, double lower) {
    PrintPageFrame(print, list, pageText);
    print.Canvas().SetFont(kRowFace, print.ScaleY(16), true);
    const double y = kHeadingsY + lower;
    const double above = y - std::ceil(print.LineHeight());
    const std::string currency = "(" + list.currency + ")";
    print.TextAligned(std::max(columns[0].right, kFrameLeft + print.TextWidth("Quantity")), y,
                      "Quantity", 2, 2);
    print.TextAligned(columns[1].left, y, "UOM", 0, 2);
    print.TextAligned(columns[2].left, y, "Part No.", 0, 2);
    print.TextAligned(columns[3].left, y, "Description", 0, 2);
    print.TextAligned(columns[4].right, above, "Price", 2, 2);
    print.TextAligned(columns[4].right, y, currency, 2, 2);
    print.TextAligned(columns[5].right, above, "Extended", 2, 2);
    print.TextAligned(columns[5].right, y, currency, 2, 2);
    print.Canvas().SetBold(false);
}

// The filled customer details in two columns under the title's rule (the
// order's, then the site's), a line as high as the taller of its two texts;
// answers the height they take, 0 without any.
double PrintCustomerBlock(TEZPrint& print, const ListOfMaterials& list) {
    const StringList order = list.details.FilledLines(0, OrderDetails::kInHeader);
    const StringList site = list.details.FilledLines(OrderDetails::kInHeader, OrderDetails::kCount);
    const std::size_t lines = std::max(order.size(), site.size());
    if (lines == 0) return 0;
    print.Canvas().SetFont(kRowFace, print.ScaleY(14), false);
    double y = kCustomerY;
    for (std::size_t i = 0; i < lines; ++i) {
        const std::string& left = i < order.size() ? order[i] : std::string();
        const std::string& right = i < site.size() ? site[i] : std::string();
        const double height =
            std::ceil(std::max({print.LineHeight(), print.WrappedHeight(50, 415, left),
                                print.WrappedHeight(435, 800, right)}));
        print.TextInBox(50, y, 415, y + height + 1, left, false);
        print.TextInBox(435, y, 800, y + height + 1, right, false);
        y += height;
    }
    return y - kCustomerY + kCustomerGap;
}

double TotalHeight(TEZPrint& print) {
    print.Canvas().SetBold(true);
    const double height = kTotalGap + std::ceil(print.LineHeight());
    print.Canvas().SetBold(false);
    return height;
}

// The total is an amount: one line, set smaller where it is wider than its box.
void PrintOrderTotal(TEZPrint& print, double y, const ListOfMaterials& list, int fontHeight) {
    const double bottom = y + TotalHeight(print) + 1;
    print.Line(610, y, 800, y);
    print.Canvas().SetBold(true);
    print.TextInBox(520, y + kTotalGap, 690, bottom, "TOTAL (" + list.currency + "): ", true);
    print.Canvas().SetBold(false);
    OneLineInBox(print, {700, 800, true, Fit::kOneLine}, y + kTotalGap, list.total, fontHeight);
}

}  // namespace

std::string PageText(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

int PrintListOfMaterials(TEZPrint& print, const ListOfMaterials& list, int pageCount) {
    const Columns columns = ColumnsFor(print, list);
    int page = 1;
    const double lower = PrintCustomerBlock(print, list);
    PrintPageHeader(print, list, columns, PageText(page, pageCount), lower);
    RowFont(print, page);
    double y = kFirstRowY + lower;
    bool rowOnPage = false;
    const auto nextPage = [&] {
        if (pageCount != 0) print.Canvas().NewPage();
        ++page;
        PrintPageHeader(print, list, columns, PageText(page, pageCount), 0);
        RowFont(print, page);
        y = kFirstRowY;
        rowOnPage = false;
    };
    for (const StringList& cells : list.rows) {
        double height = RowHeight(print, columns, cells);
        if (rowOnPage && y + height > kRowsEnd) {
            nextPage();
            height = RowHeight(print, columns, cells);  // the later pages' font is larger
        }
        PrintOrderRow(print, y, height, columns, cells, RowFontHeight(print, page));
        y += height + kRowGap;
        rowOnPage = true;
    }
    if (y + TotalHeight(print) > kRowsEnd) nextPage();
    PrintOrderTotal(print, y, list, RowFontHeight(print, page));
    return page;
}

int CountPrintedPages(DrawingSurface& device, const ListOfMaterials& list, double scale) {
    MeasuringSurface offscreen(device);
    TEZPrint print(offscreen, scale, scale);
    return PrintListOfMaterials(print, list, 0);
}

int PrintWholeList(DrawingSurface& surface, int pageWidth, const ListOfMaterials& list) {
    const double scale = pageWidth / 850.0;
    const int pages = CountPrintedPages(surface, list, scale);
    TEZPrint print(surface, scale, scale);
    return PrintListOfMaterials(print, list, pages);
}

}  // namespace quill
