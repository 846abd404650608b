#pragma once

#include <QPrintPreviewDialog>
#include <functional>
#include <string>

#include "output/DrawingSurface.h"
#include "platform/Messages.h"

class QPrinter;

// The print preview of a document (the list of materials, a datasheet). It
// draws through the same layout as the printer does, so what is previewed is
// what prints; its own Print button prints it.
class TPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT

  public:
    // `draw` lays the document out on a surface whose page is that many
    // device units wide and high.
    using Draw = std::function<void(quill::DrawingSurface& surface, int width, int height)>;
    TPrintPreview(const std::string& jobTitle, Draw draw, quill::Messages& messages,
                  QWidget* parent = nullptr);

    // Draws the whole document on a printer (the preview's, or the one its
    // Print button chose).
    void PaintOn(QPrinter* printer);

  private:
    QString jobTitle_;
    Draw draw_;
    quill::Messages& messages_;
};
