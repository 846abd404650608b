#include "platform/QtDrawingSurface.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

#include "catalogue/Error.h"
#include "platform/TextConversion.h"

namespace quill {

void QtDrawingSurface::SetFont(const std::string& face, int height, bool bold) {
    QFont font(ToQt(face));
    // Where the face is not installed, the nearest of its kind stands in.
    font.setStyleHint(face == "Arial" ? QFont::SansSerif : QFont::Serif);
    font.setPixelSize(std::max(height, 1));
    font.setBold(bold);
    painter_.setFont(font);
}

void QtDrawingSurface::SetBold(bool bold) {
    QFont font = painter_.font();
    font.setBold(bold);
    painter_.setFont(font);
}

void QtDrawingSurface::SetPenWidth(int width) { painter_.setPen(QPen(Qt::black, width)); }

int QtDrawingSurface::TextWidth(const std::string& text) {
    return painter_.fontMetrics().horizontalAdvance(ToQt(text));
}

int QtDrawingSurface::TextHeight(const std::string&) { return painter_.fontMetrics().height(); }

void QtDrawingSurface::DrawText(int x, int y, const std::string& text) {
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQt(text));
}

// Lines are wrapped at word boundaries; a line that would cross the box's
// lower edge is left out whole rather than shown cut in half.
int QtDrawingSurface::DrawTextInBox(int left, int top, int right, int bottom,
                                    const std::string& text, bool alignRight) {
    const qreal width = std::max(right - left, 1);
    QTextLayout layout(ToQt(text), painter_.font(), painter_.device());
    QTextOption option(alignRight ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        if (top + y + line.height() > bottom && y > 0) break;
        y += line.height();
    }
    layout.endLayout();
    painter_.save();
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.y() + line.height() <= y) line.draw(&painter_, QPointF(left, top));
    }
    painter_.restore();
    return static_cast<int>(y);
}

void QtDrawingSurface::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void QtDrawingSurface::LineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

void QtDrawingSurface::NewPage() {
    if (device_ == nullptr || !device_->newPage())
        throw QuillError("The printer could not start a new page; the job was ended unfinished.");
}

}  // namespace quill
