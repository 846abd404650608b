#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "online/News.h"

class QPlainTextEdit;
class TfrmNews;

// The news prompt and the news dialog behind it. The main window owns one,
// calls CheckSchedule when it becomes active (after the update's check) and
// Execute for "View Latest News From Orlenk".
class TNewsDlg {
  public:
    TNewsDlg(quill::OnlineServices services, std::filesystem::path defaultCommonFiles,
             QWidget* owner);

    std::string RegistryKey;
    int UpdateInterval = 7;

    void CheckSchedule();
    quill::Messages::Answer AskToShow();
    // True when the headlines were downloaded and shown; a failed download
    // shows nothing and says nothing.
    // The news the user asked for says why it could not be fetched; the
    // scheduled one stays quiet.
    bool Execute(bool reportFailure = true);
    static void FillMemos(QPlainTextEdit* news, QPlainTextEdit* spotlight,
                          const quill::StringList& headlines);
    void SaveSchedule(TfrmNews& dialog);

    // Called with the dialog once it is on the screen (tests drive it).
    std::function<void(TfrmNews&)> onShown;

  private:
    quill::NewsHeadlines Component();

    quill::OnlineServices services_;
    std::filesystem::path defaultCommonFiles_;
    QPointer<QWidget> owner_;
};
