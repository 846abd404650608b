#include "output/TPrintPreview.h"

#include <QPainter>
#include <QPrinter>

#include "platform/ErrorReport.h"
#include "platform/QtDrawingSurface.h"
#include "platform/TextConversion.h"

TPrintPreview::TPrintPreview(const std::string& jobTitle, Draw draw, quill::Messages& messages,
                             QWidget* parent)
    : QPrintPreviewDialog(parent),
      jobTitle_(quill::ToQt(jobTitle)),
      draw_(std::move(draw)),
      messages_(messages) {
    setObjectName("frmPrintPreview");
    setWindowTitle("Print Preview - " + jobTitle_);
    resize(760, 820);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TPrintPreview::PaintOn);
}

void TPrintPreview::PaintOn(QPrinter* printer) {
    printer->setDocName(jobTitle_);
    QPainter painter(printer);
    if (!painter.isActive()) return;
    quill::QtDrawingSurface surface(painter, printer);
    quill::RunGuarded(messages_, [&] { draw_(surface, printer->width(), printer->height()); });
}
