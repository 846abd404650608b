#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QFile>

#include "platform/TextConversion.h"

namespace quill {

QString QtFileDialogs::NameFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
    return filters.join(";;");
}

std::optional<std::filesystem::path> QtFileDialogs::Run(const FileDialogRequest& request,
                                                        QFileDialog::AcceptMode mode) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(NameFilters(request.filter));
    QString extension = ToQt(request.defaultExtension);
    if (extension.startsWith('.')) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
    // Paths are the file system's own bytes, not Windows-1252 texts.
    dialog.setDirectory(FromPath(request.initialFolder));
    if (!request.suggestedName.empty()) dialog.selectFile(ToQt(request.suggestedName));
    // The save dialog asks before it replaces a file: Qt's default.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToPath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtFileDialogs::OpenFile(const FileDialogRequest& request) {
    return Run(request, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtFileDialogs::SaveFile(const FileDialogRequest& request) {
    return Run(request, QFileDialog::AcceptSave);
}

}  // namespace quill
