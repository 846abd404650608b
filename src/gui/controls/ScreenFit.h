#pragma once

#include <QObject>
#include <QWidget>

namespace quill {

// Keeps a window within the free area of the screen it opens on: no larger
// than that area less the window's frame, and moved wholly onto it. What no
// longer fits inside the window scrolls or wraps there.
void FitOnScreen(QWidget& window);

// Fits every dialog and window of the program as it is shown; installed on
// the application.
class ScreenFit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quill
