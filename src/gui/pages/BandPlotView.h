#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "output/BandPlotDrawing.h"

// The band plot on screen: the drawing the printed and PDF plots use, on a
// widget, and the frequency under the pointer handed on as it moves.
class BandPlotView : public QWidget {
    Q_OBJECT
  public:
    BandPlotView(QWidget* parent, std::function<void(double)> onPointer);

    void Show(const quill::BandPlot& plot, std::string title);
    const std::string& Title() const { return title_; }
    // Where the plot was last drawn.
    const quill::BandPlotLayout& Layout() const { return layout_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::function<void(double)> onPointer_;
    quill::BandPlot plot_;
    std::string title_;
    quill::BandPlotLayout layout_;
};
