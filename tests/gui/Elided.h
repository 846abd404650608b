#pragma once

// Every text of a page that does not show whole: a label narrower or lower
// than its text, a grid cell or heading whose text needs more room than it
// has, a grid row the grid's height cuts off.

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <string>
#include <vector>

#include "controls/Grid.h"

namespace wizard {

inline std::vector<std::string> ElidedTexts(QWidget* page) {
    std::vector<std::string> cut;
    const auto shown = [page](const QWidget* widget) { return widget->isVisibleTo(page); };
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        if (!shown(label) || label->text().isEmpty() || !label->pixmap().isNull()) continue;
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        if (!fits)
            cut.push_back("label " + label->objectName().toStdString() + ": " +
                          label->text().toStdString());
    }
    for (const quill::Grid* grid : page->findChildren<quill::Grid*>()) {
        if (!shown(grid)) continue;
        const QFontMetrics metrics(grid->font());
        const int margin =
            grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        for (int column = 0; column < grid->ColumnCount(); ++column) {
            if (grid->isColumnHidden(column)) continue;
            const int width = grid->columnWidth(column) - 2 * margin;
            const QHeaderView* header = grid->horizontalHeader();
            if (grid->HeadingVisible() && header->textElideMode() != Qt::ElideNone &&
                header->fontMetrics().horizontalAdvance(grid->Heading(column)) + 2 * margin >
                    header->sectionSize(column))
                cut.push_back("heading " + grid->Heading(column).toStdString());
            for (int row = 0; row < grid->RowCount(); ++row) {
                QString text = grid->Cell(column, row);
                if (text.isEmpty()) continue;
                text.replace("\r\n", "\n").replace('\r', '\n');
                const QRect needed = metrics.boundingRect(
                    QRect(0, 0, width, 1 << 20),
                    (grid->wordWrap() ? Qt::TextWordWrap : 0) | Qt::AlignLeft, text);
                const bool fits = needed.width() <= width &&
                                  needed.height() <= grid->rowHeight(row) &&
                                  grid->rowViewportPosition(row) + grid->rowHeight(row) <=
                                      grid->viewport()->height();
                if (!fits)
                    cut.push_back("cell of " + grid->objectName().toStdString() + ": " +
                                  text.toStdString());
            }
        }
    }
    return cut;
}

}  // namespace wizard
