#include "controls/ScreenFit.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>

namespace quill {

void FitOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // Before the window manager has framed a window its frame is not known:
    // room for a title bar and borders is kept instead.
    QSize frame = window.frameGeometry().size() - window.size();
    if (frame.isEmpty()) frame = QSize(16, 48);
    const QSize room = (available.size() - frame).expandedTo(window.minimumSize());
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room));
    const QRect framed(window.frameGeometry().topLeft(), window.size() + frame);
    const int x = std::clamp(framed.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - framed.width()));
    const int y = std::clamp(framed.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - framed.height()));
    if (x != framed.x() || y != framed.y()) window.move(x, y);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Dialog || type == Qt::Window)) FitOnScreen(*widget);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quill
