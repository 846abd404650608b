#include "controls/PageControl.h"

#include <QLayout>

namespace quill {

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent) {
    // The largest page must not become the control's minimum size; the
    // active page's own size hints say what it needs.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    connect(this, &QStackedWidget::currentChanged, this, &PageControl::PageChanged);
    connect(this, &QStackedWidget::widgetRemoved, this, [this](int) {
        // Forget handlers of pages that left the control.
        for (auto it = showHandlers_.begin(); it != showHandlers_.end();) {
            it = indexOf(it->first) < 0 ? showHandlers_.erase(it) : std::next(it);
        }
    });
}

PageControl::~PageControl() {
    // The pages go after this; their removal must not run show handlers that
    // reach into a window being torn down.
    disconnect(this, nullptr, this, nullptr);
    showHandlers_.clear();
}

int PageControl::AddPage(QWidget* page, std::function<void()> onShow) {
    if (page == nullptr) return -1;
    if (onShow) showHandlers_[page] = std::move(onShow);
    adding_ = true;
    const int index = addWidget(page);
    adding_ = false;
    return index;
}

void PageControl::SetShowHandler(QWidget* page, std::function<void()> onShow) {
    if (page == nullptr) return;
    if (onShow) {
        showHandlers_[page] = std::move(onShow);
    } else {
        showHandlers_.erase(page);
    }
}

void PageControl::SetActivePage(QWidget* page) {
    if (page == nullptr || indexOf(page) < 0) return;
    setCurrentWidget(page);
}

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= count()) return;
    setCurrentIndex(index);
}

void PageControl::RunShowHandler() {
    const auto found = showHandlers_.find(currentWidget());
    if (found == showHandlers_.end()) return;
    // A copy: the handler may replace itself.
    const auto handler = found->second;
    handler();
}

void PageControl::PageChanged(int) {
    // A scroll area around the control learns of the new page's sizes from
    // the control's own layout request.
    updateGeometry();
    layout()->invalidate();
    if (adding_) return;
    RunShowHandler();
}

QSize PageControl::sizeHint() const {
    // A scroll area treats the size hint of a page with wrapped text as its
    // minimum; the page's real minimum is what decides whether it scrolls.
    return minimumSizeHint();
}

QSize PageControl::minimumSizeHint() const {
    const QWidget* page = currentWidget();
    return page ? page->minimumSizeHint() : QStackedWidget::minimumSizeHint();
}

bool PageControl::hasHeightForWidth() const {
    const QWidget* page = currentWidget();
    return page ? page->hasHeightForWidth() : false;
}

int PageControl::heightForWidth(int width) const {
    // The stacked layout answers for its tallest page; only the active one
    // is shown.
    const QWidget* page = currentWidget();
    return page ? page->heightForWidth(width) : -1;
}

}  // namespace quill
