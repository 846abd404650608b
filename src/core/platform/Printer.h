#pragma once

#include <functional>
#include <string>

#include "output/DrawingSurface.h"

namespace quill {

// The printers of the computer.
class Printer {
  public:
    virtual ~Printer() = default;

    // The printer-selection dialog: false when the user cancelled it.
    virtual bool ChoosePrinter() = 0;

    // One print job on the chosen printer. `draw` gets the first page's
    // surface and the page width in device units and starts further pages
    // itself. Throws, saying what happened, when the job cannot start, a page
    // is refused or the job fails or is cancelled; the job then ends unprinted.
    virtual void Print(const std::string& jobTitle,
                       const std::function<void(DrawingSurface& surface, int pageWidth)>& draw) = 0;
};

}  // namespace quill
