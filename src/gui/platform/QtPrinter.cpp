#include "platform/QtPrinter.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>

#include "platform/QtDrawingSurface.h"
#include "platform/TextConversion.h"
#include "text/Error.h"

namespace quill {

bool QtPrinter::ChoosePrinter() {
    QPrintDialog dialog(&printer_, parent_ ? parent_.data() : QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::Print(const std::string& jobTitle,
                      const std::function<void(DrawingSurface& surface, int pageWidth)>& draw) {
    printer_.setDocName(ToQt(jobTitle));
    const std::string name = FromQt(printer_.printerName());
    QPainter painter;
    if (!painter.begin(&printer_))
        throw QuillError("The printer " + name +
                         " cannot take the job. Check that it is installed, switched on and "
                         "connected.");
    QtDrawingSurface surface(painter, &printer_);
    try {
        draw(surface, printer_.width());
    } catch (...) {
        printer_.abort();
        painter.end();
        throw;
    }
    const bool ended = painter.end();
    if (printer_.printerState() == QPrinter::Aborted)
        throw QuillError("The print job was cancelled; the list of materials was not printed.");
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw QuillError("The printer " + name +
                         " reported an error; the list of materials may "
                         "not have printed completely.");
}

}  // namespace quill
