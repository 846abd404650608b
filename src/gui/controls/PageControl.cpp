#include "controls/PageControl.h"

namespace quill {

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent) {
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
    if (adding_) return;
    RunShowHandler();
}

}  // namespace quill
