#pragma once

#include <string>
#include <vector>

#include "catalogue/Fields.h"
#include "orders/OrderDetails.h"
#include "output/EZPrint.h"

namespace quill {

// The order printed as a "List of Materials": per page a frame with the title,
// the column headings and a footer with the page text, ten rows, and after the
// last row the order total. When the quote has customer details, the first
// page shows them under the title and holds fewer rows. Laid out in logical
// units on a page 850 wide.
struct ListOfMaterials {
    std::vector<StringList> rows;  // the order grid's six cells a row, as shown
    std::string total;             // the order total as shown
    std::string title = "Quillroute(TM) List of Materials";
    std::string webAddress;        // the maker's, in the footer
    std::string currency = "USD";  // of the prices, named in the headings and at the total
    OrderDetails details;
};

inline constexpr const char* kPrintJobTitle = "Quillroute(TM) LOM";

// "Page 1 of 3".
std::string PageText(int page, int pageCount);

// Lays out every page and answers how many there are. With a page count of 0
// no new device pages are started, so the list can be counted first.
int PrintListOfMaterials(TEZPrint& print, const ListOfMaterials& list, int pageCount);
// The frame and the column headings, `lower` units further down than on a
// page without the customer block.
void PrintPageHeader(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText,
                     int lower = 0);
// The filled customer details in two columns under the title's rule (the
// order's, then the site's); answers the height they take, 0 without any.
int PrintCustomerBlock(TEZPrint& print, const ListOfMaterials& list);
// The title, the two rules and the footer.
void PrintPageFrame(TEZPrint& print, const ListOfMaterials& list, const std::string& pageText);
// One row's six boxes, 75 high, from y; answers y + 75.
int PrintOrderRow(TEZPrint& print, int y, const ListOfMaterials& list, std::size_t row);
// The total's rule and its two boxes at y; answers y + 85.
int PrintOrderTotal(TEZPrint& print, int y, const std::string& total);

// The page count of the list as it would print at that scale, from a layout
// on a surface that draws nothing.
int CountPrintedPages(const ListOfMaterials& list, double scale);

// The whole job on a device whose page is that many device units wide:
// counts the pages, then lays them out. Answers the page count.
int PrintWholeList(DrawingSurface& surface, int pageWidth, const ListOfMaterials& list);

}  // namespace quill
