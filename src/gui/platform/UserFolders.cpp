#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <system_error>

#include "platform/WrittenFiles.h"

namespace quill {

void NameApplication() {
    QCoreApplication::setOrganizationName("Orlenk");
    QCoreApplication::setApplicationName("Quillroute");
}

std::filesystem::path WhereWrittenFilesGo(const std::filesystem::path& programFolder) {
    return WrittenFilesFolder(
        programFolder, CanWriteIn(programFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}

std::filesystem::path WrittenFilesFolderFor(const std::filesystem::path& programFolder) {
    const std::filesystem::path folder = WhereWrittenFilesGo(programFolder);
    if (folder != programFolder) {
        std::error_code ignored;  // a folder that cannot be made shows at the first save
        std::filesystem::create_directories(folder, ignored);
    }
    return folder;
}

}  // namespace quill
