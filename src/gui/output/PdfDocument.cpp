#include "output/PdfDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

#include "platform/QtDrawingSurface.h"
#include "platform/TextConversion.h"
#include "text/Error.h"

namespace quill {

namespace {

// A PDF on Letter pages at 600 dots an inch, drawn by `draw` on a surface
// whose page is that many device units wide and high.
std::string Pdf(const std::string& title,
                const std::function<void(QtDrawingSurface&, int, int)>& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ToQt(title));
        writer.setCreator("Quillroute");
        writer.setResolution(600);
        // The layouts keep their own half-inch margins on a page 8.5 inches wide.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) throw QuillError("The PDF document could not be started.");
        QtDrawingSurface surface(painter, &writer);
        draw(surface, writer.width(), writer.height());
        if (!painter.end()) throw QuillError("The PDF document could not be finished.");
    }
    const QByteArray& bytes = buffer.data();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::string ListOfMaterialsPdf(const ListOfMaterials& list) {
    return Pdf(list.title, [&](QtDrawingSurface& surface, int width, int) {
        PrintWholeList(surface, width, list);
    });
}

std::string DatasheetPdf(const Datasheet& sheet, const std::filesystem::path& images) {
    return Pdf(sheet.partNumber + " " + kDatasheetTitle,
               [&](QtDrawingSurface& surface, int width, int height) {
                   DrawDatasheet(surface, width, height, sheet, images);
               });
}

}  // namespace quill
