#include "pages/BandPlotView.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/QtDrawingSurface.h"

using namespace quill;

BandPlotView::BandPlotView(QWidget* parent, std::function<void(double)> onPointer)
    : QWidget(parent), onPointer_(std::move(onPointer)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BandPlotView::Show(const BandPlot& plot, std::string title) {
    plot_ = plot;
    title_ = std::move(title);
    update();
}

void BandPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    QtDrawingSurface surface(painter, nullptr);
    const int font = std::max(fontInfo().pixelSize(), 9);
    const PlotBox frame{font, font / 2, width() - font, height() - font / 2};
    layout_ = LayOutBandPlot(surface, plot_, frame, font);
    DrawBandPlot(surface, plot_, layout_, title_);
}

void BandPlotView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const PlotBox& area = layout_.area;
    if (at.x() >= area.left && at.x() <= area.right && at.y() >= area.top && at.y() <= area.bottom)
        onPointer_(layout_.MhzAt(at.x()));
    QWidget::mouseMoveEvent(event);
}
