#include "output/PdfDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "platform/QtDrawingSurface.h"
#include "platform/TextConversion.h"
#include "text/Error.h"

namespace quill {

std::string ListOfMaterialsPdf(const ListOfMaterials& list) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ToQt(list.title));
        writer.setCreator("Quillroute");
        writer.setResolution(600);
        // The layout keeps its own half-inch margins on a page 8.5 inches wide.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) throw QuillError("The PDF document could not be started.");
        QtDrawingSurface surface(painter, &writer);
        PrintWholeList(surface, writer.width(), list);
        if (!painter.end()) throw QuillError("The PDF document could not be finished.");
    }
    const QByteArray& bytes = buffer.data();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace quill
