#include "platform/QtDrawingSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "platform/TextConversion.h"
#include "text/Error.h"

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

void QtDrawingSurface::SetPenWidth(int width) {
    painter_.setPen(QPen(painter_.pen().color(), width));
}

void QtDrawingSurface::SetColor(unsigned rgb) {
    painter_.setPen(QPen(QColor::fromRgb(rgb), painter_.pen().widthF()));
}

int QtDrawingSurface::TextWidth(const std::string& text) {
    return painter_.fontMetrics().horizontalAdvance(ToQt(text));
}

int QtDrawingSurface::TextHeight(const std::string&) { return painter_.fontMetrics().height(); }

void QtDrawingSurface::DrawText(int x, int y, const std::string& text) {
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQt(text));
}

namespace {

// Where a word alone is wider than the line, as much of it as fits.
int FittingPrefix(const QFontMetricsF& metrics, const QString& word, qreal width) {
    int fits = 1;
    while (fits < word.size() && metrics.horizontalAdvance(word.left(fits + 1)) <= width) ++fits;
    return fits;
}

// Words go on a line while they fit, one space apart: a line breaks between
// words only (never at a hyphen or a slash, so "(N/A)" and "7-16" stay
// whole), and inside a word only where the word alone is wider than the line.
QStringList WrapAtSpaces(const QFontMetricsF& metrics, const QString& text, qreal width) {
    QStringList lines;
    const qreal space = metrics.horizontalAdvance(' ');
    for (const QString& paragraph : text.split('\n')) {
        QString line;
        qreal used = 0;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const qreal advance = metrics.horizontalAdvance(word);
            if (line.isEmpty() ? advance <= width : used + space + advance <= width) {
                line += line.isEmpty() ? word : ' ' + word;
                used += (used > 0 ? space : 0) + advance;
                continue;
            }
            if (!line.isEmpty()) lines.push_back(line);
            line = word;
            while (line.size() > 1 && metrics.horizontalAdvance(line) > width) {
                const int fits = FittingPrefix(metrics, line, width);
                lines.push_back(line.left(fits));
                line = line.mid(fits);
            }
            used = metrics.horizontalAdvance(line);
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int QtDrawingSurface::WrappedTextHeight(int width, const std::string& text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const auto lines = WrapAtSpaces(metrics, ToQt(text), width).size();
    return static_cast<int>(std::ceil(static_cast<qreal>(lines) * metrics.lineSpacing()));
}

// A line that would cross the box's lower edge is left out whole rather than
// shown cut in half; the first line is always drawn, clipped to the box.
int QtDrawingSurface::DrawTextInBox(int left, int top, int right, int bottom,
                                    const std::string& text, bool alignRight) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QStringList lines = WrapAtSpaces(metrics, ToQt(text), right - left);
    const qreal spacing = metrics.lineSpacing();
    painter_.save();
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
    qreal y = 0;
    for (const QString& line : lines) {
        if (y > 0 && top + y + spacing > bottom) break;
        const qreal x = alignRight ? right - metrics.horizontalAdvance(line) : left;
        painter_.drawText(QPointF(x, top + y + metrics.ascent()), line);
        y += spacing;
    }
    painter_.restore();
    return static_cast<int>(y);
}

void QtDrawingSurface::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void QtDrawingSurface::DrawPicture(int left, int top, int right, int bottom,
                                   const std::filesystem::path& file) {
    const QImage picture(FromPath(file));
    if (picture.isNull()) return DrawingSurface::DrawPicture(left, top, right, bottom, file);
    const QSize size = picture.size().scaled(right - left, bottom - top, Qt::KeepAspectRatio);
    const QRect box(left + (right - left - size.width()) / 2,
                    top + (bottom - top - size.height()) / 2, size.width(), size.height());
    painter_.drawImage(box, picture);
}

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
