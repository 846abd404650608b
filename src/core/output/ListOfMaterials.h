#pragma once

#include <string>
#include <vector>

#include "orders/OrderDetails.h"
#include "output/EZPrint.h"
#include "text/Fields.h"

namespace quill {

// The order printed as a "List of Materials": per page a frame with the title,
// the column headings and a footer with the page text, the rows, and after the
// last row the order total. A row is as high as its tallest cell; a page
// break falls between rows. When the quote has customer details, the first
// page shows them under the title. Laid out in logical units on a page 850
// wide.
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

// The page count of the list as it would print at that scale, measured on
// the device's surface by a layout that draws nothing.
int CountPrintedPages(DrawingSurface& device, const ListOfMaterials& list, double scale);

// The whole job on a device whose page is that many device units wide:
// counts the pages, then lays them out. Answers the page count.
int PrintWholeList(DrawingSurface& surface, int pageWidth, const ListOfMaterials& list);

}  // namespace quill
