#include "output/EZPrint.h"

#include <cmath>

namespace quill {

namespace {

int RoundHalfEven(double value) {
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return static_cast<int>(2 * std::round(value / 2));
    return static_cast<int>(nearest);
}

}  // namespace

int TEZPrint::ScaleX(double n) const { return RoundHalfEven(n * scaleX_); }

int TEZPrint::ScaleY(double n) const { return RoundHalfEven(n * scaleY_); }

void TEZPrint::TextAt(double x, double y, const std::string& text) {
    surface_->DrawText(ScaleX(x), ScaleY(y), text);
}

void TEZPrint::TextRightAt(double x, double y, const std::string& text) {
    surface_->DrawText(ScaleX(x) - surface_->TextWidth(text), ScaleY(y), text);
}

void TEZPrint::TextCentredAt(double x, double y, const std::string& text) {
    surface_->DrawText(ScaleX(x) - surface_->TextWidth(text) / 2, ScaleY(y), text);
}

void TEZPrint::TextAligned(double x, double y, const std::string& text, int horizontal,
                           int vertical) {
    int left = ScaleX(x), top = ScaleY(y);
    if (horizontal == 1) left -= surface_->TextWidth(text) / 2;
    if (horizontal == 2) left -= surface_->TextWidth(text);
    if (vertical == 1) top -= surface_->TextHeight(text) / 2;
    if (vertical == 2) top -= surface_->TextHeight(text);
    surface_->DrawText(left, top, text);
}

double TEZPrint::TextWidth(const std::string& text) const {
    return surface_->TextWidth(text) / scaleX_;
}

double TEZPrint::LineHeight() const { return surface_->TextHeight("Qy") / scaleY_; }

double TEZPrint::WrappedHeight(double left, double right, const std::string& text) const {
    return surface_->WrappedTextHeight(ScaleX(right) - ScaleX(left), text) / scaleY_;
}

int TEZPrint::TextInBox(double left, double top, double right, double bottom,
                        const std::string& text, bool alignRight) {
    return surface_->DrawTextInBox(ScaleX(left), ScaleY(top), ScaleX(right), ScaleY(bottom), text,
                                   alignRight);
}

void TEZPrint::MoveTo(double x, double y) { surface_->MoveTo(ScaleX(x), ScaleY(y)); }

void TEZPrint::LineTo(double x, double y) { surface_->LineTo(ScaleX(x), ScaleY(y)); }

void TEZPrint::Line(double x1, double y1, double x2, double y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

}  // namespace quill
