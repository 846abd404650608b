#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPoint>

#include "output/DrawingSurface.h"

namespace quill {

// Draws with a QPainter that is active on a printer, a PDF writer, a preview
// or a widget; new pages come from the paged device (none on a widget).
class QtDrawingSurface : public DrawingSurface {
  public:
    QtDrawingSurface(QPainter& painter, QPagedPaintDevice* device)
        : painter_(painter), device_(device) {}

    void SetFont(const std::string& face, int height, bool bold) override;
    void SetBold(bool bold) override;
    void SetPenWidth(int width) override;
    void SetColor(unsigned rgb) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int WrappedTextHeight(int width, const std::string& text) override;
    void DrawText(int x, int y, const std::string& text) override;
    int DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                      bool alignRight) override;
    void DrawPicture(int left, int top, int right, int bottom,
                     const std::filesystem::path& file) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void NewPage() override;

  private:
    QPainter& painter_;
    QPagedPaintDevice* device_;
    QPoint current_;
};

}  // namespace quill
