#pragma once

#include <string>

#include "output/DrawingSurface.h"

namespace quill {

// Draws in logical units on a surface: a page is 850 units wide whatever the
// device, so one layout serves the printer, a PDF and the page count. Device
// value = logical value x scale, rounded to the nearest integer, halves to
// the even neighbour.
class TEZPrint {
  public:
    TEZPrint() = default;
    TEZPrint(DrawingSurface& surface, double scaleX, double scaleY)
        : surface_(&surface), scaleX_(scaleX), scaleY_(scaleY) {}

    void SetCanvas(DrawingSurface& surface) { surface_ = &surface; }
    DrawingSurface& Canvas() const { return *surface_; }
    double HorizontalScale() const { return scaleX_; }
    double VerticalScale() const { return scaleY_; }

    int ScaleX(double n) const;  // pen widths
    int ScaleY(double n) const;  // font heights

    void TextAt(double x, double y, const std::string& text);
    void TextRightAt(double x, double y, const std::string& text);
    void TextCentredAt(double x, double y, const std::string& text);
    // horizontal: 0 starts at x, 1 centred on x, 2 ends at x; vertical: 0 top
    // at y, 1 middle on y, 2 bottom at y.
    void TextAligned(double x, double y, const std::string& text, int horizontal, int vertical);
    // Measures in logical units, with the surface's current font.
    double TextWidth(const std::string& text) const;
    double LineHeight() const;
    double WrappedHeight(double left, double right, const std::string& text) const;
    int TextInBox(double left, double top, double right, double bottom, const std::string& text,
                  bool alignRight);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Line(double x1, double y1, double x2, double y2);

  private:
    DrawingSurface* surface_ = nullptr;
    double scaleX_ = 1;
    double scaleY_ = 1;
};

}  // namespace quill
