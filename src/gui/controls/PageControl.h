#pragma once

#include <QStackedWidget>
#include <functional>
#include <map>

namespace quill {

// The wizard's pages, one shown at a time, without tabs: only the program
// switches pages.
//
// Each page may have a show handler. It runs each time its page becomes the
// active page, whichever way that happens (SetActivePage, setCurrentIndex,
// setCurrentWidget), before the call that activated it returns. Making the
// page that is already active active again runs nothing; RunShowHandler()
// runs the active page's handler on purpose (for instance when the window
// first appears, or to rebuild a page in place). Adding pages runs no
// handler, even though the first page added becomes the active one.
class PageControl : public QStackedWidget {
    Q_OBJECT

  public:
    explicit PageControl(QWidget* parent = nullptr);
    ~PageControl() override;

    // Appends a page (the control takes it over) and answers its index.
    int AddPage(QWidget* page, std::function<void()> onShow = {});
    void SetShowHandler(QWidget* page, std::function<void()> onShow);

    int PageCount() const { return count(); }
    QWidget* Page(int index) const { return widget(index); }
    int IndexOf(QWidget* page) const { return indexOf(page); }

    QWidget* ActivePage() const { return currentWidget(); }
    int ActivePageIndex() const { return currentIndex(); }
    // A page of another control, or none, changes nothing.
    void SetActivePage(QWidget* page);
    void SetActivePageIndex(int index);

    // Runs the show handler of the active page as if it had just become active.
    void RunShowHandler();

    // The active page's sizes, not the largest page's: in a scroll area only
    // a page that needs it scrolls.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

  private:
    void PageChanged(int index);

    std::map<QWidget*, std::function<void()>> showHandlers_;
    bool adding_ = false;
};

}  // namespace quill
