#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/FileDialogs.h"

namespace quill {

// The desktop's open and save dialogs, over the given window (the active one
// when none is given).
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::filesystem::path> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> SaveFile(const FileDialogRequest& request) override;

    // "Quillroute Files (*.qrf)|*.qrf|All (*.*)|*.*" as Qt writes it:
    // "Quillroute Files (*.qrf);;All (*.*)". A caption without its patterns
    // gets them added.
    static QString NameFilters(const std::string& filter);

  private:
    std::optional<std::filesystem::path> Run(const FileDialogRequest& request,
                                             QFileDialog::AcceptMode mode);

    QPointer<QWidget> parent_;
};

}  // namespace quill
