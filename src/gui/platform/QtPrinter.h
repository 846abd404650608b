#pragma once

#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "platform/Printer.h"

namespace quill {

// The computer's printers through Qt: the print dialog chooses one, and a
// job paints on it page by page.
class QtPrinter : public Printer {
  public:
    explicit QtPrinter(QWidget* parent = nullptr) : parent_(parent) {}

    bool ChoosePrinter() override;
    void Print(const std::string& jobTitle,
               const std::function<void(DrawingSurface& surface, int pageWidth)>& draw) override;

  private:
    QPointer<QWidget> parent_;
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace quill
