#pragma once

#include <filesystem>
#include <string>

namespace quill {

// What the list of materials is drawn on: a printer's page, a PDF, a preview,
// a picture, or a recording in a test. Coordinates and sizes are in the
// surface's own device units, x from the left, y from the top.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // The font's character height in device units.
    virtual void SetFont(const std::string& face, int height, bool bold) = 0;
    // The same face and height, bold or regular.
    virtual void SetBold(bool bold) = 0;
    virtual void SetPenWidth(int width) = 0;
    // The colour of lines and text from now on, as 0xRRGGBB; black at first.
    // A surface without colours draws everything in black.
    virtual void SetColor(unsigned rgb) { (void)rgb; }
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // The height the text takes when DrawTextInBox wraps it in a box that wide.
    virtual int WrappedTextHeight(int width, const std::string& text) = 0;
    // Text with its top-left corner at (x, y).
    virtual void DrawText(int x, int y, const std::string& text) = 0;
    // Text wrapped at word boundaries (inside a word only where the word alone
    // is wider than the box) and cut off at the box's edges; answers the
    // height of the text drawn.
    virtual int DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                              bool alignRight) = 0;
    // A picture file scaled into the box with its proportions kept, centred.
    // A surface that shows no pictures (or a file that is no picture) draws
    // the box's frame.
    virtual void DrawPicture(int left, int top, int right, int bottom,
                             const std::filesystem::path& file) {
        (void)file;
        MoveTo(left, top);
        LineTo(right, top);
        LineTo(right, bottom);
        LineTo(left, bottom);
        LineTo(left, top);
    }
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;  // from the current point, which then moves there
    // Ends the page and starts the next one. Throws when the device refuses.
    virtual void NewPage() = 0;
};

}  // namespace quill
