#include "output/TPrintPreview.h"

#include <QPainter>
#include <QPrinter>

#include "platform/ErrorReport.h"
#include "platform/QtDrawingSurface.h"

TPrintPreview::TPrintPreview(quill::ListOfMaterials list, quill::Messages& messages,
                             QWidget* parent)
    : QPrintPreviewDialog(parent), list_(std::move(list)), messages_(messages) {
    setObjectName("frmPrintPreview");
    setWindowTitle("Print Preview - " + QString::fromLatin1(quill::kPrintJobTitle));
    resize(760, 820);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TPrintPreview::PaintOn);
}

void TPrintPreview::PaintOn(QPrinter* printer) {
    printer->setDocName(QString::fromLatin1(quill::kPrintJobTitle));
    QPainter painter(printer);
    if (!painter.isActive()) return;
    quill::QtDrawingSurface surface(painter, printer);
    quill::RunGuarded(messages_, [&] { quill::PrintWholeList(surface, printer->width(), list_); });
}
