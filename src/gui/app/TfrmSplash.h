#pragma once

#include <QDialog>
#include <QTimer>
#include <filesystem>

namespace quill {
class Picture;
}

// The borderless start-up picture. It may close only after its timer has
// fired once, about three seconds after it appeared.
class TfrmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmSplash(const std::filesystem::path& programFolder, int intervalMs = 3000);

    bool CanClose() const { return !Timer1.isActive(); }
    // Shows the window and processes window events until it may close, then closes it.
    void ShowUntilTimerFires();

    quill::Picture* Image1 = nullptr;
    QTimer Timer1;

  protected:
    void closeEvent(QCloseEvent* event) override;
};
