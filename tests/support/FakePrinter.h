#pragma once

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/QtDrawingSurface.h"
#include "text/Error.h"

namespace quill::fakes {

// A printer without a dialog: the test says whether the user picks it or
// cancels, and a job prints to a PDF file of US Letter pages at 300 dpi.
// With failAfterPages set, the device refuses the page after that many.
class FakePrinter : public Printer {
  public:
    void Pick() { answers.push_back(true); }
    void Cancel() { answers.push_back(false); }

    bool ChoosePrinter() override {
        if (answers.empty()) {
            ADD_FAILURE() << "Unexpected print dialog, no answer scripted";
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Print(const std::string& jobTitle,
               const std::function<void(DrawingSurface& surface, int pageWidth)>& draw) override {
        jobs.push_back(jobTitle);
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        FailingSurface surface(painter, &writer, failAfterPages);
        draw(surface, writer.width());
    }

    std::deque<bool> answers;
    std::vector<std::string> jobs;
    std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / "quillroute-fake-printer.pdf";
    int failAfterPages = -1;

  private:
    class FailingSurface : public QtDrawingSurface {
      public:
        FailingSurface(QPainter& painter, QPagedPaintDevice* device, int failAfter)
            : QtDrawingSurface(painter, device), left_(failAfter) {}
        void NewPage() override {
            if (left_ >= 0 && --left_ < 0) throw QuillError("The printer ran out of paper.");
            QtDrawingSurface::NewPage();
        }

      private:
        int left_;
    };
};

}  // namespace quill::fakes
