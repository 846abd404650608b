#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quill {

// What an open or save dialog offers.
struct FileDialogRequest {
    std::string filter;            // "Quillroute Files (*.qrf)|*.qrf": caption "|" patterns
    std::string defaultExtension;  // ".qrf": added to a name typed without one
    std::filesystem::path initialFolder;
    std::string suggestedName;  // a file name the save dialog proposes; empty for none
};

// The file open and save dialogs. Both answer the chosen file, or nothing
// when the user cancelled. The save dialog asks before replacing a file.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::filesystem::path> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> SaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace quill
