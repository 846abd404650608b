#pragma once

#include <QPrintPreviewDialog>

#include "output/ListOfMaterials.h"
#include "platform/Messages.h"

class QPrinter;

// The print preview of the list of materials. It draws through the same
// layout as the printer does, so what is previewed is what prints; its own
// Print button prints it.
class TPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT

  public:
    TPrintPreview(quill::ListOfMaterials list, quill::Messages& messages,
                  QWidget* parent = nullptr);

    // Draws the whole list on a printer (the preview's, or the one its Print
    // button chose).
    void PaintOn(QPrinter* printer);

  private:
    quill::ListOfMaterials list_;
    quill::Messages& messages_;
};
